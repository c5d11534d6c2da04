#include "Document.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <span>
#include <utility>

namespace host::doc {

namespace {

uintptr_t idOf(const void* handle)
{
    return reinterpret_cast<uintptr_t>(handle);
}

bool isContainer(ArtKind kind)
{
    return kind == ArtKind::Group || kind == ArtKind::LayerGroup;
}

bool finite(double value)
{
    return std::isfinite(value);
}

// A rectangle that grows to hold what it is shown; y upward, so top >= bottom.
struct Extent {
    double left = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();

    bool empty() const { return left > right; }
    void add(double x, double y)
    {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
};

// The extremes of one coordinate of a cubic Bezier curve on 0 < t < 1, where its
// derivative is 0: the curve may pass beyond its end points there.
void cubicExtremes(double p0, double p1, double p2, double p3, double* roots, int* count)
{
    // B'(t)/3 = a t^2 + b t + c.
    const double a = -p0 + 3 * p1 - 3 * p2 + p3;
    const double b = 2 * (p0 - 2 * p1 + p2);
    const double c = p1 - p0;
    *count = 0;
    auto keep = [&](double t) {
        if (t > 0 && t < 1)
            roots[(*count)++] = t;
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12)
            keep(-c / b);
        return;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0)
        return;
    const double root = std::sqrt(discriminant);
    keep((-b + root) / (2 * a));
    keep((-b - root) / (2 * a));
}

double cubicAt(double p0, double p1, double p2, double p3, double t)
{
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

void addCurve(Extent& extent, const AIPathSegment& from, const AIPathSegment& to)
{
    const double xs[4] = {from.p.h, from.out.h, to.in.h, to.p.h};
    const double ys[4] = {from.p.v, from.out.v, to.in.v, to.p.v};
    double roots[4];
    int count = 0;
    cubicExtremes(xs[0], xs[1], xs[2], xs[3], roots, &count);
    int more = 0;
    cubicExtremes(ys[0], ys[1], ys[2], ys[3], roots + count, &more);
    count += more;
    for (int i = 0; i < count; ++i)
        extent.add(cubicAt(xs[0], xs[1], xs[2], xs[3], roots[i]), cubicAt(ys[0], ys[1], ys[2], ys[3], roots[i]));
}

void addPath(Extent& extent, const PathPart& path)
{
    const auto& segments = path.segments;
    for (const AIPathSegment& segment : segments)
        extent.add(segment.p.h, segment.p.v);
    for (size_t i = 0; i + 1 < segments.size(); ++i)
        addCurve(extent, segments[i], segments[i + 1]);
    if (path.closed && segments.size() > 1)
        addCurve(extent, segments.back(), segments.front());
}

// The stand-in lays out no glyphs, so point text is bounded by an estimate: every UTF-16
// unit half an em wide, the line from 0.75 em above the baseline to 0.25 em below it, set
// from the anchor as the justification says. Empty text bounds its anchor alone.
void addText(Extent& extent, const PointText& text)
{
    const double size = text.chars.size.value_or(Document::kDefaultFontSize);
    const double width = 0.5 * size * static_cast<double>(text.text.size());
    const ATEParagraphJustification justification = text.paras.justification.value_or(kLeftJustify);
    double left = text.anchor.h;
    if (justification == kCenterJustify || justification == kFullJustifyLastLineCenter)
        left -= width / 2;
    else if (justification == kRightJustify || justification == kFullJustifyLastLineRight)
        left -= width;
    if (text.text.empty()) {
        extent.add(text.anchor.h, text.anchor.v);
        return;
    }
    extent.add(left, text.anchor.v - 0.25 * size);
    extent.add(left + width, text.anchor.v + 0.75 * size);
}

// Whether a double fits a 32-bit real: converting one that does not is undefined.
bool fitsReal(double value)
{
    return finite(value) && std::fabs(value) <= std::numeric_limits<AIReal>::max();
}

// A point through the matrix, as the host's 32-bit reals; false when it does not fit them.
bool map(const AIRealMatrix& m, const AIRealPoint& point, AIRealPoint* result)
{
    const double x = point.h;
    const double y = point.v;
    const double h = m.a * x + m.c * y + m.tx;
    const double v = m.b * x + m.d * y + m.ty;
    if (!fitsReal(h) || !fitsReal(v))
        return false;
    *result = {static_cast<AIReal>(h), static_cast<AIReal>(v)};
    return true;
}

} // namespace

Document::Document(uintptr_t firstHandle) : nextHandle_(std::max<uintptr_t>(firstHandle, 1))
{
    handle_ = reinterpret_cast<AIDocumentHandle>(nextHandle());
    AILayerHandle first = nullptr;
    insertLayer(nullptr, kPlaceAboveAll, &first);
    current_ = first;
    modified_ = false;
    // A new document is where the history starts, not a change to undo.
    takeChanges();
}

Shared<AIPathStyle> Document::sharedStyle(const AIPathStyle& style)
{
    if (recentStyles_[lastStyle_].holds(style))
        return recentStyles_[lastStyle_];
    for (size_t i = 0; i < recentStyles_.size(); ++i)
        if (i != lastStyle_ && recentStyles_[i].holds(style)) {
            lastStyle_ = i;
            return recentStyles_[i];
        }
    lastStyle_ = nextRecentStyle_;
    nextRecentStyle_ = (nextRecentStyle_ + 1) % recentStyles_.size();
    recentStyles_[lastStyle_] = Shared<AIPathStyle>(style);
    return recentStyles_[lastStyle_];
}

AIPathStyle Document::defaultPathStyle()
{
    AIPathStyle style{};
    style.fillPaint = false;
    style.fill.color.kind = kGrayColor;
    style.fill.color.c.g.gray = 0; // white, should the fill be turned on
    style.fill.overprint = false;
    style.strokePaint = true;
    style.stroke.color.kind = kGrayColor;
    style.stroke.color.c.g.gray = 1; // black
    style.stroke.overprint = false;
    style.stroke.width = 1;
    style.stroke.dash.length = 0; // solid
    style.stroke.dash.offset = 0;
    style.stroke.cap = kAIButtCap;
    style.stroke.join = kAIMiterJoin;
    style.stroke.miterLimit = 4;
    style.clip = false;
    style.lockClip = false;
    style.evenodd = false;
    style.resolution = 800;
    return style;
}

Art* Document::artForChange(AIArtHandle handle)
{
    return arts_.find(idOf(handle));
}

Art* Document::edit(AIArtHandle handle)
{
    ArtTable::Slot* slot = arts_.slot(idOf(handle));
    if (slot == nullptr)
        return nullptr;
    record(idOf(handle), *slot);
    markModified();
    return &slot->art;
}

namespace {

// The object's state kept in the record the first time a change touches it: a copy, or none
// when it does not exist yet.
template <typename T>
void keepFormer(const std::unordered_map<uintptr_t, T>& objects,
                std::unordered_map<uintptr_t, std::unique_ptr<T>>& record, uintptr_t id)
{
    if (record.contains(id))
        return;
    auto it = objects.find(id);
    record.emplace(id, it == objects.end() ? nullptr : std::make_unique<T>(it->second));
}

// Each recorded state put back, and the state it replaces kept in its place.
template <typename T>
void exchangeAll(std::unordered_map<uintptr_t, T>& objects, std::unordered_map<uintptr_t, std::unique_ptr<T>>& record)
{
    for (auto& [id, former] : record) {
        auto it = objects.find(id);
        std::unique_ptr<T> now = it == objects.end() ? nullptr : std::make_unique<T>(std::move(it->second));
        if (former != nullptr)
            objects.insert_or_assign(id, std::move(*former));
        else if (it != objects.end())
            objects.erase(it);
        former = std::move(now);
    }
}

} // namespace

void Document::recordArt(uintptr_t id)
{
    if (ArtTable::Slot* slot = arts_.slot(id))
        record(id, *slot);
}

void Document::record(uintptr_t id, ArtTable::Slot& slot)
{
    if (slot.recordedIn == record_)
        return;
    pending_.arts.add(id, &slot.art);
    slot.recordedIn = record_;
}

void Document::recordLayer(uintptr_t id)
{
    keepFormer(layerData_, pending_.layers, id);
}

void Document::recordOrder()
{
    if (!pending_.order)
        pending_.order = order_;
    if (!pending_.current)
        pending_.current = current_;
}

Change Document::takeChanges()
{
    pending_.arts.shrinkToFit();
    // A step is most often like the one before (a table rebuilt again): room for as many bytes
    // from the start, rather than growing to them by copies. Made before the step is taken, so
    // that running out of memory here leaves the step being recorded as it was.
    Change next;
    next.arts.reserve(pending_.arts.byteSize());
    ++record_;
    return std::exchange(pending_, std::move(next));
}

void Document::exchange(Change& change)
{
    PackedArts replaced;
    replaced.reserve(change.arts.byteSize()); // as many objects, in states much alike
    PackedArts::Reader reader(change.arts);
    uintptr_t id = 0;
    std::optional<Art> former;
    while (reader.next(id, former)) {
        replaced.add(id, arts_.find(id));
        if (former)
            arts_.put(id, std::move(*former));
        else
            arts_.erase(id);
    }
    replaced.shrinkToFit();
    change.arts = std::move(replaced);
    exchangeAll(layerData_, change.layers);
    if (change.order)
        std::swap(*change.order, order_);
    if (change.current)
        std::swap(*change.current, current_);
    markModified();
}

const Art* Document::art(AIArtHandle handle) const
{
    return arts_.find(idOf(handle));
}

Art& Document::addArt(ArtKind kind, AIArtHandle& made)
{
    const uintptr_t id = nextHandle();
    pending_.arts.add(id, nullptr);
    ArtTable::Slot& slot = arts_.make(id, kind, currentStyle_);
    slot.recordedIn = record_;
    made = reinterpret_cast<AIArtHandle>(id);
    return slot.art;
}

ASErr Document::newArt(ArtKind kind, AIPaintOrder order, AIArtHandle prep, AIArtHandle* made)
{
    if (made == nullptr || kind == ArtKind::LayerGroup)
        return kBadParameterErr;
    *made = nullptr;
    if (order == kPlaceAboveAll || order == kPlaceBelowAll) {
        const Layer* current = layer(current_);
        if (current == nullptr)
            return kBadParameterErr;
        prep = current->group;
        order = order == kPlaceAboveAll ? kPlaceInsideOnTop : kPlaceInsideOnBottom;
    }
    ArtTable::Slot* relative = arts_.slot(idOf(prep));
    if (relative == nullptr)
        return kBadHandleErr;

    // The group the art goes into, and its slot, found once: making art moves no other slot
    // (PagedTable).
    AIArtHandle parent = nullptr;
    ArtTable::Slot* group = nullptr;
    size_t position = 0;
    switch (order) {
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom:
        if (!isContainer(relative->art.kind))
            return kBadParameterErr;
        parent = prep;
        group = relative;
        position = order == kPlaceInsideOnTop ? relative->art.children.size() : 0;
        break;
    case kPlaceAbove:
    case kPlaceBelow: {
        if (relative->art.parent == nullptr)
            return kBadParameterErr;
        parent = relative->art.parent;
        group = arts_.slot(idOf(parent));
        if (group == nullptr)
            return kBadHandleErr;
        const auto& siblings = group->art.children;
        const auto at = std::find(siblings.begin(), siblings.end(), prep) - siblings.begin();
        position = static_cast<size_t>(at) + (order == kPlaceAbove ? 1 : 0);
        break;
    }
    default:
        return kBadParameterErr;
    }

    // Room for one more child, and the group's state recorded, before the art is made: once it
    // is, nothing fails, and no art is left made but in no group.
    auto& children = group->art.children;
    if (children.size() == children.capacity())
        children.reserve(std::max<size_t>(1, 2 * children.size()));
    record(idOf(parent), *group);
    const AILayerHandle layer = relative->art.layer;
    AIArtHandle handle = nullptr;
    Art& fresh = addArt(kind, handle);
    fresh.parent = parent;
    fresh.layer = layer;
    markModified();
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(position), handle);
    *made = handle;
    return kNoErr;
}

// Without recursion: a document may nest groups deeper than the stack would go.
void Document::eraseTree(AIArtHandle handle)
{
    std::vector<AIArtHandle> pending{handle};
    while (!pending.empty()) {
        const AIArtHandle next = pending.back();
        pending.pop_back();
        ArtTable::Slot* slot = arts_.slot(idOf(next));
        if (slot == nullptr)
            continue;
        pending.insert(pending.end(), slot->art.children.begin(), slot->art.children.end());
        // The record keeps the art as it goes, unless it holds its earlier state already.
        if (slot->recordedIn != record_)
            pending_.arts.add(idOf(next), &slot->art);
        arts_.erase(idOf(next));
    }
}

std::vector<AIArtHandle> Document::subtree(AIArtHandle handle) const
{
    std::vector<AIArtHandle> all;
    if (!valid(handle))
        return all;
    std::vector<AIArtHandle> pending{handle};
    while (!pending.empty()) {
        const AIArtHandle next = pending.back();
        pending.pop_back();
        const Art* found = art(next);
        if (found == nullptr)
            continue;
        all.push_back(next);
        pending.insert(pending.end(), found->children.rbegin(), found->children.rend());
    }
    return all;
}

ASErr Document::dispose(AIArtHandle handle)
{
    const Art* found = art(handle);
    if (found == nullptr)
        return kBadHandleErr;
    if (found->kind == ArtKind::LayerGroup)
        return kBadParameterErr;
    auto& siblings = edit(found->parent)->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    eraseTree(handle);
    return kNoErr;
}

void Document::translate(AIArtHandle handle, AIReal dx, AIReal dy)
{
    transform(handle, AIRealMatrix{1, 0, 0, 1, dx, dy}, true, false, 0);
}

ASErr Document::transform(AIArtHandle handle, const AIRealMatrix& matrix, bool moveObjects, bool scaleLines,
                          AIReal lineScale)
{
    if (!valid(handle))
        return kBadHandleErr;
    for (AIReal component : {matrix.a, matrix.b, matrix.c, matrix.d, matrix.tx, matrix.ty})
        if (!finite(component))
            return kBadParameterErr;
    if (scaleLines && (!finite(lineScale) || lineScale < 0))
        return kBadParameterErr;

    // First every result is worked out and checked, so that a refusal leaves all as it was.
    struct Moved {
        AIArtHandle handle = nullptr;
        Art* art = nullptr;
        PathSegments segments;
        AIRealPoint anchor{0, 0};
        AIReal width = 0;
    };
    const auto workOut = [&](AIArtHandle each, Moved& change) {
        Art* found = artForChange(each);
        const PathPart& path = std::as_const(*found).path();
        change = Moved{each, found, path.segments, std::as_const(*found).pointText().anchor, path.style->stroke.width};
        if (moveObjects) {
            for (AIPathSegment& segment : change.segments)
                for (AIRealPoint* point : {&segment.p, &segment.in, &segment.out})
                    if (!map(matrix, *point, point))
                        return false;
            if (!map(matrix, change.anchor, &change.anchor))
                return false;
        }
        if (scaleLines && found->kind == ArtKind::Path) {
            const double width = static_cast<double>(change.width) * lineScale;
            if (!fitsReal(width))
                return false;
            change.width = static_cast<AIReal>(width);
        }
        return true;
    };
    // Art without children, as each of a table's texts, is worked out without a list of its
    // subtree: a rebuild moves thousands of them one by one.
    Moved one;
    std::vector<Moved> many;
    std::span<Moved> changes;
    if (art(handle)->children.empty()) {
        if (!workOut(handle, one))
            return kBadParameterErr;
        changes = std::span<Moved>(&one, 1);
    } else {
        const std::vector<AIArtHandle> all = subtree(handle);
        many.resize(all.size());
        for (size_t i = 0; i < all.size(); ++i)
            if (!workOut(all[i], many[i]))
                return kBadParameterErr;
        changes = many;
    }
    if (!moveObjects && !scaleLines)
        return kNoErr;
    for (Moved& change : changes) {
        recordArt(idOf(change.handle));
        if (change.art->kind == ArtKind::Path) {
            PathPart& path = change.art->path();
            path.segments = std::move(change.segments);
            if (scaleLines) {
                AIPathStyle scaled = path.style.get();
                scaled.stroke.width = change.width;
                path.style = sharedStyle(scaled);
            }
        } else if (change.art->kind == ArtKind::Text) {
            change.art->pointText().anchor = change.anchor;
        }
    }
    markModified();
    return kNoErr;
}

ASErr Document::bounds(AIArtHandle handle, AIRealRect* out) const
{
    if (!valid(handle))
        return kBadHandleErr;
    if (out == nullptr)
        return kBadParameterErr;
    Extent extent;
    for (AIArtHandle each : subtree(handle)) {
        const Art* found = art(each);
        if (found->kind == ArtKind::Path)
            addPath(extent, found->path());
        else if (found->kind == ArtKind::Text)
            addText(extent, found->pointText());
    }
    if (extent.empty()) {
        *out = AIRealRect{0, 0, 0, 0};
        return kNoErr;
    }
    *out = AIRealRect{static_cast<AIReal>(extent.left), static_cast<AIReal>(extent.top),
                      static_cast<AIReal>(extent.right), static_cast<AIReal>(extent.bottom)};
    return kNoErr;
}

Layer* Document::editLayer(AILayerHandle handle)
{
    auto it = layerData_.find(idOf(handle));
    if (it == layerData_.end())
        return nullptr;
    recordLayer(idOf(handle));
    markModified();
    return &it->second;
}

const Layer* Document::layer(AILayerHandle handle) const
{
    auto it = layerData_.find(idOf(handle));
    return it == layerData_.end() ? nullptr : &it->second;
}

ASErr Document::setCurrentLayer(AILayerHandle handle)
{
    if (layer(handle) == nullptr)
        return kBadHandleErr;
    if (handle == current_)
        return kNoErr;
    recordOrder();
    current_ = handle;
    return kNoErr;
}

ASErr Document::insertLayer(AILayerHandle relative, AIPaintOrder order, AILayerHandle* made)
{
    if (made == nullptr)
        return kBadParameterErr;
    *made = nullptr;
    size_t position = 0;
    switch (order) {
    case kPlaceAboveAll:
        position = 0;
        break;
    case kPlaceBelowAll:
        position = order_.size();
        break;
    case kPlaceAbove:
    case kPlaceBelow: {
        const auto it = layer(relative) == nullptr ? order_.end() : std::find(order_.begin(), order_.end(), relative);
        if (it == order_.end())
            return kBadHandleErr;
        position = static_cast<size_t>(it - order_.begin()) + (order == kPlaceBelow ? 1 : 0);
        break;
    }
    default:
        return kBadParameterErr;
    }

    const auto handle = reinterpret_cast<AILayerHandle>(nextHandle());
    recordOrder();
    recordLayer(idOf(handle));
    Layer fresh;
    fresh.title = "Layer " + std::to_string(++layersMade_);
    Art& group = addArt(ArtKind::LayerGroup, fresh.group);
    group.layer = handle;
    layerData_.emplace(idOf(handle), std::move(fresh));
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(position), handle);
    *made = handle;
    markModified();
    return kNoErr;
}

ASErr Document::deleteLayer(AILayerHandle handle)
{
    const Layer* found = layer(handle);
    if (found == nullptr)
        return kBadHandleErr;
    if (order_.size() == 1)
        return kBadParameterErr; // a document keeps at least one layer
    recordOrder();
    recordLayer(idOf(handle));
    eraseTree(found->group);
    layerData_.erase(idOf(handle));
    order_.erase(std::remove(order_.begin(), order_.end(), handle), order_.end());
    if (current_ == handle)
        current_ = order_.front();
    markModified();
    return kNoErr;
}

} // namespace host::doc
