#include "PackedArts.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace host::doc {

namespace {

// The first byte of a state: the ArtKind in its low bits, then what follows.
constexpr unsigned kKindBits = 3u;
constexpr unsigned kPresent = 1u << 2;     // a state follows; without it the object did not exist
constexpr unsigned kSamePlace = 1u << 3;   // parent and layer those of the state before
constexpr unsigned kSameStyle = 1u << 4;   // the path style that of the state before
constexpr unsigned kSameText = 1u << 5;    // orientation, character and paragraph features as before
constexpr unsigned kClosed = 1u << 6;
constexpr unsigned kCenterPoint = 1u << 7;
// The second byte: which of the parts that are mostly empty follow.
constexpr unsigned kName = 1u << 0;
constexpr unsigned kChildren = 1u << 1;
constexpr unsigned kDictionary = 1u << 2;
constexpr unsigned kSegments = 1u << 3;
constexpr unsigned kAnchor = 1u << 4;
constexpr unsigned kText = 1u << 5;
constexpr unsigned kAnchorSameH = 1u << 6; // the anchor's h that of the last point written
constexpr unsigned kAnchorSameV = 1u << 7;
// A segment's byte.
constexpr unsigned kCorner = 1u << 0;
constexpr unsigned kStraight = 1u << 1;
constexpr unsigned kSameH = 1u << 2; // the segment's point's h that of the last point written
constexpr unsigned kSameV = 1u << 3;

uint64_t zigzag(uintptr_t value, uintptr_t from)
{
    const auto difference = static_cast<int64_t>(value - from);
    return (static_cast<uint64_t>(difference) << 1) ^ static_cast<uint64_t>(difference >> 63);
}

uintptr_t unzigzag(uint64_t coded, uintptr_t from)
{
    const auto difference = static_cast<uint64_t>(coded >> 1) ^ (~(coded & 1) + 1);
    return from + static_cast<uintptr_t>(difference);
}

uintptr_t idOf(const void* handle)
{
    return reinterpret_cast<uintptr_t>(handle);
}

template <typename Handle>
Handle handleOf(uintptr_t id)
{
    return reinterpret_cast<Handle>(id);
}

// Writes where it is told to: the caller has made room for what it writes.
class ByteWriter {
public:
    explicit ByteWriter(unsigned char* at) : at_(at) {}

    template <typename T>
    void operator()(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        std::memcpy(at_, &value, sizeof(T));
        at_ += sizeof(T);
    }
    template <typename T>
    void optional(const std::optional<T>& value)
    {
        *at_++ = value.has_value() ? 1 : 0;
        if (value)
            (*this)(*value);
    }
    void varint(uint64_t value)
    {
        while (value >= 0x80) {
            *at_++ = static_cast<unsigned char>(value | 0x80);
            value >>= 7;
        }
        *at_++ = static_cast<unsigned char>(value);
    }
    unsigned char* at() const { return at_; }

private:
    unsigned char* at_;
};

// The most bytes a varint takes.
constexpr size_t kVarint = 10;

class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    template <typename T>
    void operator()(T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        assert(at_ + sizeof(T) <= size_);
        std::memcpy(&value, data_ + at_, sizeof(T));
        at_ += sizeof(T);
    }
    template <typename T>
    void optional(std::optional<T>& value)
    {
        unsigned char has = 0;
        (*this)(has);
        value.reset();
        if (has != 0) {
            T held{};
            (*this)(held);
            value = held;
        }
    }
    uint64_t varint()
    {
        uint64_t value = 0;
        for (unsigned shift = 0;; shift += 7) {
            assert(at_ < size_);
            const unsigned char byte = data_[at_++];
            value |= static_cast<uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                return value;
        }
    }
    size_t at() const { return at_; }

private:
    const unsigned char* data_;
    [[maybe_unused]] size_t size_; // read by the bounds checks of debug builds
    size_t at_ = 0;
};

// The fields of the blocks that repeat from one object to the next, for writing and for
// reading alike.
template <typename Io, typename Color>
void colorFields(Io& io, Color& color)
{
    io(color.kind);
    io(color.c);
}

template <typename Io, typename Style>
void styleFields(Io& io, Style& style)
{
    io(style.fillPaint);
    io(style.strokePaint);
    colorFields(io, style.fill.color);
    io(style.fill.overprint);
    colorFields(io, style.stroke.color);
    io(style.stroke.overprint);
    io(style.stroke.width);
    io(style.stroke.dash.length);
    io(style.stroke.dash.offset);
    io(style.stroke.dash.array);
    io(style.stroke.cap);
    io(style.stroke.join);
    io(style.stroke.miterLimit);
    io(style.clip);
    io(style.lockClip);
    io(style.evenodd);
    io(style.resolution);
}

template <typename Io, typename Frame>
void textFields(Io& io, Frame& art)
{
    io(art.orientation);
    io.optional(art.chars.fill);
    io.optional(art.chars.font);
    io.optional(art.chars.size);
    io.optional(art.chars.tracking);
    io.optional(art.paras.leading);
    io.optional(art.paras.startIndent);
    io.optional(art.paras.firstLineIndent);
    io.optional(art.paras.justification);
}

bool sameBits(AIReal a, AIReal b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The bits that say which of the point's coordinates are those of the last point: h and v
// as `sameH` and `sameV`. A rule goes on from where the one before ended, along one axis.
unsigned repeats(const AIRealPoint& point, const AIRealPoint& last, unsigned sameH, unsigned sameV)
{
    return (sameBits(point.h, last.h) ? sameH : 0) | (sameBits(point.v, last.v) ? sameV : 0);
}

// Writes the coordinates that are not repeated; the point becomes the last.
void writePoint(ByteWriter& out, const AIRealPoint& point, unsigned bits, unsigned sameH, unsigned sameV,
                AIRealPoint& last)
{
    if ((bits & sameH) == 0)
        out(point.h);
    if ((bits & sameV) == 0)
        out(point.v);
    last = point;
}

void readPoint(ByteReader& in, AIRealPoint& point, unsigned bits, unsigned sameH, unsigned sameV, AIRealPoint& last)
{
    point = last;
    if ((bits & sameH) == 0)
        in(point.h);
    if ((bits & sameV) == 0)
        in(point.v);
    last = point;
}

bool sameBits(const AIRealPoint& a, const AIRealPoint& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The block written at `out` as it stands, or marked as the one before: where the writing
// goes on, and the flag when it is the same.
template <typename Fields>
unsigned char* block(unsigned char* out, PackedArts::Block& last, unsigned flag, unsigned& head, Fields fields)
{
    unsigned char bytes[PackedArts::Block::kMostBytes];
    ByteWriter writer(bytes);
    fields(writer);
    const auto size = static_cast<size_t>(writer.at() - bytes);
    assert(size > 0 && size <= sizeof bytes);
    if (size == last.size && std::memcmp(bytes, last.bytes.data(), size) == 0) {
        head |= flag;
        return out;
    }
    std::memcpy(last.bytes.data(), bytes, size);
    last.size = size;
    std::memcpy(out, bytes, size);
    return out + size;
}

// The block read where it stands, or the one before when the state marks it the same.
template <typename Fields>
void readBlock(ByteReader& reader, const unsigned char* data, PackedArts::Block& last, bool same, Fields fields)
{
    if (!same) {
        const size_t start = reader.at();
        fields(reader);
        last.size = reader.at() - start;
        std::memcpy(last.bytes.data(), data + start, last.size);
        return;
    }
    ByteReader again(last.bytes.data(), last.size);
    fields(again);
}

// The most bytes a state of the art takes: the fixed part (the handle, the head, the parts, the
// place and the two blocks), then each part at its longest.
size_t mostBytes(const Art* art)
{
    constexpr size_t kFixed = 4 * kVarint + 2 * PackedArts::Block::kMostBytes;
    if (art == nullptr)
        return kFixed;
    const PathPart& path = art->path();
    return kFixed + (kVarint + art->name.size()) + kVarint * (1 + art->children.size()) + kVarint +
           (kVarint + path.segments.size() * (1 + 3 * sizeof(AIRealPoint))) + sizeof(AIRealPoint) +
           (kVarint + 3 * art->pointText().text.size());
}

} // namespace

unsigned char* PackedArts::Bytes::room(size_t more)
{
    if (capacity - size < more)
        reallocate(std::max(capacity * 2, size + more));
    return data.get() + size;
}

void PackedArts::Bytes::reallocate(size_t to)
{
    // In place where the allocator can: a step's bytes, shrunk to their size when it closes,
    // are neither copied nor moved to memory touched for the first time.
    if (to == 0) {
        data.reset();
    } else {
        void* moved = std::realloc(data.get(), to);
        if (moved == nullptr)
            throw std::bad_alloc();
        (void)data.release();
        data.reset(static_cast<unsigned char*>(moved));
    }
    capacity = to;
}

void PackedArts::reserve(size_t bytes)
{
    if (bytes > bytes_.capacity)
        bytes_.reallocate(bytes);
}

void PackedArts::shrinkToFit()
{
    lastStyle_ = Shared<AIPathStyle>();
    if (bytes_.capacity != bytes_.size)
        bytes_.reallocate(bytes_.size);
    dictionaries_.shrink_to_fit();
}

void PackedArts::add(uintptr_t id, const Art* art)
{
    // Room for the whole state first, so that once its first byte is written nothing fails:
    // a state is added whole or not at all.
    bytes_.room(mostBytes(art));
    if (art != nullptr && !art->dictionary.empty() && dictionaries_.size() == dictionaries_.capacity())
        dictionaries_.reserve(2 * dictionaries_.size() + 1);
    const auto end = [this] { return bytes_.data.get() + bytes_.size; };
    ++count_;
    // The fixed part first: the handle, the head, the parts, the place and the two blocks.
    ByteWriter out(end());
    out.varint(zigzag(id, last_.id));
    last_.id = id;
    if (art == nullptr) {
        out(static_cast<unsigned char>(0));
        bytes_.size = static_cast<size_t>(out.at() - bytes_.data.get());
        return;
    }
    unsigned char* head = out.at();
    const PathPart& path = art->path();
    const PointText& words = art->pointText();
    unsigned parts = (art->name.empty() ? 0 : kName) | (art->children.empty() ? 0 : kChildren) |
                     (art->dictionary.empty() ? 0 : kDictionary) | (path.segments.empty() ? 0 : kSegments) |
                     (sameBits(words.anchor, AIRealPoint{0, 0}) ? 0 : kAnchor) | (words.text.empty() ? 0 : kText);
    if (parts & kAnchor)
        parts |= repeats(words.anchor, last_.point, kAnchorSameH, kAnchorSameV);
    out(static_cast<unsigned char>(0)); // the head, known once the blocks are written
    out(static_cast<unsigned char>(parts));
    unsigned flags = static_cast<unsigned>(art->kind) | kPresent | (path.closed ? kClosed : 0) |
                     (path.centerPointVisible ? kCenterPoint : 0);
    if (art->parent == last_.parent && art->layer == last_.layer) {
        flags |= kSamePlace;
    } else {
        out.varint(idOf(art->parent));
        out.varint(idOf(art->layer));
        last_.parent = art->parent;
        last_.layer = art->layer;
    }
    unsigned char* at = out.at();
    if (path.style.sharesWith(lastStyle_)) {
        flags |= kSameStyle;
    } else {
        at = block(at, last_.style, kSameStyle, flags, [&](ByteWriter& w) { styleFields(w, path.style.get()); });
        lastStyle_ = path.style;
    }
    // Only a text keeps a text's fields: for the other kinds the block before stands, once there
    // is one, and is read and set aside.
    if (art->kind != ArtKind::Text && last_.text.size > 0)
        flags |= kSameText;
    else
        at = block(at, last_.text, kSameText, flags, [&](ByteWriter& w) { textFields(w, words); });
    *head = static_cast<unsigned char>(flags);
    bytes_.size = static_cast<size_t>(at - bytes_.data.get());

    // Then each part.
    const auto part = [&](auto write) {
        ByteWriter w(end());
        write(w);
        bytes_.size = static_cast<size_t>(w.at() - bytes_.data.get());
    };
    if (parts & kName)
        part([&](ByteWriter& w) {
            w.varint(art->name.size());
            for (char c : art->name)
                w(c);
        });
    if (parts & kChildren)
        part([&](ByteWriter& w) {
            w.varint(art->children.size());
            uintptr_t before = id;
            for (AIArtHandle child : art->children) {
                w.varint(zigzag(idOf(child), before));
                before = idOf(child);
            }
        });
    if (parts & kDictionary)
        part([&](ByteWriter& w) {
            w.varint(dictionaries_.size());
            dictionaries_.push_back(art->dictionary);
        });
    if (parts & kSegments)
        part([&](ByteWriter& w) {
            w.varint(path.segments.size());
            for (const AIPathSegment& segment : path.segments) {
                const bool straight = sameBits(segment.in, segment.p) && sameBits(segment.out, segment.p);
                const unsigned bits = (segment.corner ? kCorner : 0) | (straight ? kStraight : 0) |
                                      repeats(segment.p, last_.point, kSameH, kSameV);
                w(static_cast<unsigned char>(bits));
                writePoint(w, segment.p, bits, kSameH, kSameV, last_.point);
                if (!straight) {
                    w(segment.in);
                    w(segment.out);
                }
            }
        });
    if (parts & kAnchor)
        part([&](ByteWriter& w) { writePoint(w, words.anchor, parts, kAnchorSameH, kAnchorSameV, last_.point); });
    if (parts & kText)
        part([&](ByteWriter& w) {
            w.varint(words.text.size());
            for (char16_t unit : words.text)
                w.varint(unit);
        });
}

size_t PackedArts::bytes() const
{
    size_t total = sizeof(PackedArts) + bytes_.capacity + dictionaries_.capacity() * sizeof(Dictionary);
    for (const Dictionary& dictionary : dictionaries_)
        total += dictionary.memoryBytes();
    return total;
}

bool PackedArts::Reader::next(uintptr_t& id, std::optional<Art>& art)
{
    if (read_ == packed_.count_)
        return false;
    ++read_;
    const unsigned char* data = packed_.bytes_.data.get();
    // A reader over the bytes from where the last state ended.
    ByteReader from(data + at_, packed_.bytes_.size - at_);
    id = unzigzag(from.varint(), last_.id);
    last_.id = id;
    unsigned char head = 0;
    from(head);
    art.reset();
    if ((head & kPresent) == 0) {
        at_ += from.at();
        return true;
    }
    unsigned char parts = 0;
    from(parts);
    Art& made = art.emplace();
    made.kind = static_cast<ArtKind>(head & kKindBits);
    // A path's state and a text's are read whatever the kind, as they were written, and kept
    // on the art whose kind has them.
    PathPart path;
    PointText words;
    path.closed = (head & kClosed) != 0;
    path.centerPointVisible = (head & kCenterPoint) != 0;
    if ((head & kSamePlace) == 0) {
        last_.parent = handleOf<AIArtHandle>(static_cast<uintptr_t>(from.varint()));
        last_.layer = handleOf<AILayerHandle>(static_cast<uintptr_t>(from.varint()));
    }
    made.parent = last_.parent;
    made.layer = last_.layer;
    const unsigned char* here = data + at_;
    AIPathStyle style{};
    readBlock(from, here, last_.style, (head & kSameStyle) != 0, [&](ByteReader& r) { styleFields(r, style); });
    if (!style_.holds(style))
        style_ = Shared<AIPathStyle>(style);
    path.style = style_;
    readBlock(from, here, last_.text, (head & kSameText) != 0, [&](ByteReader& r) { textFields(r, words); });
    if (parts & kName) {
        const size_t size = from.varint();
        made.name.resize(size);
        for (char& c : made.name)
            from(c);
    }
    if (parts & kChildren) {
        made.children.resize(from.varint());
        uintptr_t before = id;
        for (AIArtHandle& child : made.children) {
            before = unzigzag(from.varint(), before);
            child = handleOf<AIArtHandle>(before);
        }
    }
    if (parts & kDictionary)
        made.dictionary = packed_.dictionaries_.at(from.varint());
    if (parts & kSegments) {
        path.segments.resize(from.varint());
        for (AIPathSegment& segment : path.segments) {
            unsigned char bits = 0;
            from(bits);
            segment.corner = (bits & kCorner) != 0;
            readPoint(from, segment.p, bits, kSameH, kSameV, last_.point);
            if (bits & kStraight) {
                segment.in = segment.out = segment.p;
            } else {
                from(segment.in);
                from(segment.out);
            }
        }
    }
    if (parts & kAnchor)
        readPoint(from, words.anchor, parts, kAnchorSameH, kAnchorSameV, last_.point);
    if (parts & kText) {
        words.text.resize(from.varint());
        for (char16_t& unit : words.text)
            unit = static_cast<char16_t>(from.varint());
    }
    if (made.kind == ArtKind::Path)
        made.path() = std::move(path);
    else if (made.kind == ArtKind::Text)
        made.pointText() = std::move(words);
    at_ += from.at();
    return true;
}

} // namespace host::doc
