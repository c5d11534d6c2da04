// The history's packed record of art states: every field of every kind of art comes back bit
// for bit, whether it was written out or marked as the same as the state before.
#include "document/PackedArts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>

namespace {

using host::doc::Art;
using host::doc::ArtKind;
using host::doc::PackedArts;
using host::doc::PathPart;
using host::doc::PointText;

template <typename T>
bool sameBits(const T& a, const T& b)
{
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <typename T>
bool sameBits(const std::optional<T>& a, const std::optional<T>& b)
{
    return a.has_value() == b.has_value() && (!a || sameBits(*a, *b));
}

bool sameColor(const AIColor& a, const AIColor& b)
{
    return a.kind == b.kind && sameBits(a.c, b.c);
}

// Field by field: the structures have padding that holds nothing.
bool sameStyle(const AIPathStyle& a, const AIPathStyle& b)
{
    const AIStrokeStyle &s = a.stroke, &t = b.stroke;
    return a.fillPaint == b.fillPaint && a.strokePaint == b.strokePaint && sameColor(a.fill.color, b.fill.color) &&
           a.fill.overprint == b.fill.overprint && sameColor(s.color, t.color) && s.overprint == t.overprint &&
           sameBits(s.width, t.width) && s.dash.length == t.dash.length && sameBits(s.dash.offset, t.dash.offset) &&
           sameBits(s.dash.array, t.dash.array) && s.cap == t.cap && s.join == t.join &&
           sameBits(s.miterLimit, t.miterLimit) && a.clip == b.clip && a.lockClip == b.lockClip &&
           a.evenodd == b.evenodd && sameBits(a.resolution, b.resolution);
}

// Each field, bit for bit.
void expectSame(const Art& want, const Art& got, const std::string& name)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(want.kind, got.kind);
    EXPECT_EQ(want.name, got.name);
    EXPECT_EQ(want.parent, got.parent);
    EXPECT_EQ(want.layer, got.layer);
    EXPECT_EQ(want.children, got.children);
    EXPECT_TRUE(want.dictionary == got.dictionary);
    const PathPart& p = want.path();
    const PathPart& q = got.path();
    const PointText& t = want.pointText();
    const PointText& u = got.pointText();
    ASSERT_EQ(p.segments.size(), q.segments.size());
    for (size_t i = 0; i < p.segments.size(); ++i)
        EXPECT_TRUE(sameBits(p.segments[i].p, q.segments[i].p) &&
                    sameBits(p.segments[i].in, q.segments[i].in) &&
                    sameBits(p.segments[i].out, q.segments[i].out) &&
                    p.segments[i].corner == q.segments[i].corner)
            << "segment " << i;
    EXPECT_EQ(p.closed, q.closed);
    EXPECT_EQ(p.centerPointVisible, q.centerPointVisible);
    EXPECT_TRUE(sameStyle(p.style.get(), q.style.get()));
    EXPECT_TRUE(sameBits(t.anchor, u.anchor));
    EXPECT_EQ(t.orientation, u.orientation);
    EXPECT_EQ(t.text, u.text);
    EXPECT_EQ(t.chars.fill.has_value(), u.chars.fill.has_value());
    if (t.chars.fill && u.chars.fill) {
        EXPECT_TRUE(sameColor(*t.chars.fill, *u.chars.fill));
    }
    EXPECT_EQ(t.chars.font, u.chars.font);
    EXPECT_TRUE(sameBits(t.chars.size, u.chars.size));
    EXPECT_EQ(t.chars.tracking, u.chars.tracking);
    EXPECT_EQ(t.paras.leading, u.paras.leading);
    EXPECT_TRUE(sameBits(t.paras.startIndent, u.paras.startIndent));
    EXPECT_TRUE(sameBits(t.paras.firstLineIndent, u.paras.firstLineIndent));
    EXPECT_EQ(t.paras.justification, u.paras.justification);
}

template <typename Handle>
Handle handle(uintptr_t id)
{
    return reinterpret_cast<Handle>(id);
}

AIPathSegment corner(AIReal h, AIReal v)
{
    return AIPathSegment{{h, v}, {h, v}, {h, v}, true};
}

Art rule(AIReal y)
{
    Art art;
    art.kind = ArtKind::Path;
    art.parent = handle<AIArtHandle>(40);
    art.layer = handle<AILayerHandle>(2);
    art.path().segments = {corner(0, y), corner(100, y)};
    art.path().style.edit().strokePaint = true;
    art.path().style.edit().stroke.width = 0.5f;
    return art;
}

Art cell(const std::u16string& text)
{
    Art art;
    art.kind = ArtKind::Text;
    art.parent = handle<AIArtHandle>(41);
    art.layer = handle<AILayerHandle>(2);
    art.pointText().anchor = {12.5f, -0.0f};
    art.pointText().text = text;
    art.pointText().chars.size = 6;
    art.pointText().paras.justification = kCenterJustify;
    return art;
}

TEST(PackedArts, EveryFieldComesBackBitForBitWrittenOutOrMarkedAsBefore)
{
    Art group;
    group.kind = ArtKind::Group;
    group.name = "Table \xC3\xA9";
    group.parent = handle<AIArtHandle>(3);
    group.layer = handle<AILayerHandle>(2);
    // Children above and below the group's own handle, and far from it.
    group.children = {handle<AIArtHandle>(101), handle<AIArtHandle>(102), handle<AIArtHandle>(7),
                      handle<AIArtHandle>(uintptr_t{1} << 41)};
    ASSERT_TRUE(group.dictionary.set("rows", int32_t{-3}));
    ASSERT_TRUE(group.dictionary.set("text", std::make_shared<const std::string>("a,b")));

    Art curve = rule(10);
    curve.path().segments = {corner(0, 0), AIPathSegment{{50, 0}, {40, -10}, {60, 10}, false}, corner(100, -0.0f)};
    curve.path().closed = true;
    curve.path().centerPointVisible = true;
    curve.path().style.edit().fillPaint = true;
    curve.path().style.edit().fill.color.kind = kFourColor;
    curve.path().style.edit().fill.color.c.f = {0.1f, 0.2f, 0.3f, 0.4f};
    curve.path().style.edit().stroke.dash.length = 2;
    curve.path().style.edit().stroke.dash.array[0] = 3;
    curve.path().style.edit().stroke.dash.array[1] = 1.5f;
    curve.path().style.edit().stroke.cap = kAIRoundCap;
    curve.path().style.edit().evenodd = true;

    Art styled = cell(u"\U0001F600e\u0301");
    styled.pointText().orientation = 1;
    AIColor red{};
    red.kind = kThreeColor;
    red.c.rgb = {1, 0, 0};
    styled.pointText().chars.fill = red;
    styled.pointText().chars.font = 3;
    styled.pointText().chars.tracking = -20;
    styled.pointText().paras.leading = 1;
    styled.pointText().paras.startIndent = -0.0f;
    styled.pointText().paras.firstLineIndent = 2;
    Art loneSurrogate = cell(std::u16string(1, char16_t{0xD800}));

    const struct {
        const char* name;
        uintptr_t id;
        std::optional<Art> art;
    } states[] = {
        {"a handle that did not exist", 100, std::nullopt},
        {"a group with a name, children and a dictionary", 40, group},
        {"a rule", 101, rule(10)},
        {"the next rule, its place and paint as before", 102, rule(20)},
        {"a curve, closed, filled and dashed", 103, curve},
        {"a rule after it, its paint as two states before", 104, rule(30)},
        {"a handle far above", uintptr_t{1} << 41, std::nullopt},
        {"a cell", 5, cell(u"1 234")},
        {"the next cell, its features as before", 6, cell(u"")},
        {"a cell with every feature set", 7, styled},
        {"a lone surrogate, the features back to the plain ones", 8, loneSurrogate},
        {"an empty group on no layer", 9, Art{}},
    };
    PackedArts packed;
    for (const auto& state : states)
        packed.add(state.id, state.art ? &*state.art : nullptr);
    EXPECT_EQ(packed.count(), std::size(states));

    PackedArts::Reader reader(packed);
    uintptr_t id = 0;
    std::optional<Art> art;
    for (const auto& state : states) {
        ASSERT_TRUE(reader.next(id, art)) << state.name;
        EXPECT_EQ(id, state.id) << state.name;
        ASSERT_EQ(art.has_value(), state.art.has_value()) << state.name;
        if (art)
            expectSame(*state.art, *art, state.name);
    }
    EXPECT_FALSE(reader.next(id, art)) << "nothing after the last state";
}

TEST(PackedArts, ATablesRulePiecesTakeAboutTenBytesEach)
{
    // A rule of a table in pieces, cell after cell, each going on from where the one before
    // ended: only the end's h changes from one point to the next.
    PackedArts packed;
    const PackedArts empty;
    constexpr int kPieces = 10'000;
    for (int i = 0; i < kPieces; ++i) {
        Art piece = rule(10);
        piece.path().segments = {corner(static_cast<AIReal>(i) * 5.5f, 10),
                                 corner(static_cast<AIReal>(i + 1) * 5.5f, 10)};
        packed.add(static_cast<uintptr_t>(1000 + i), &piece);
    }
    const size_t each = (packed.bytes() - empty.bytes()) / kPieces;
    EXPECT_LE(each, 16u) << "a piece whose place, paint and start repeat keeps its handle and its end's h";
    EXPECT_GE(each, sizeof(AIReal)) << "the end's h is there";

    PackedArts::Reader reader(packed);
    uintptr_t id = 0;
    std::optional<Art> art;
    for (int i = 0; i < kPieces; ++i) {
        ASSERT_TRUE(reader.next(id, art) && art.has_value()) << "piece " << i;
        ASSERT_EQ(art->path().segments.at(0).p.h, static_cast<AIReal>(i) * 5.5f) << "piece " << i;
        ASSERT_EQ(art->path().segments.at(1).p.h, static_cast<AIReal>(i + 1) * 5.5f) << "piece " << i;
    }
}

TEST(PackedArts, AStyleChangedAfterItWasPackedIsPackedAsItNowIs)
{
    // The states of one rule as a step records it, then as later steps do after its paint
    // changed, with a copy sharing its style in between: each state comes back as it was.
    Art piece = rule(10);
    PackedArts packed;
    packed.add(1, &piece);
    piece.path().style.edit().stroke.width = 2;
    packed.add(2, &piece);
    const Art sharing = piece;
    packed.add(3, &sharing);
    piece.path().style.edit().strokePaint = false;
    packed.add(4, &piece);
    packed.add(5, &sharing);

    PackedArts::Reader reader(packed);
    uintptr_t id = 0;
    std::optional<Art> art;
    for (const auto& [want, width, stroked] : {std::tuple{1u, 0.5f, true}, {2u, 2.0f, true}, {3u, 2.0f, true},
                                              {4u, 2.0f, false}, {5u, 2.0f, true}}) {
        ASSERT_TRUE(reader.next(id, art) && art.has_value()) << "state " << want;
        EXPECT_EQ(id, want);
        EXPECT_EQ(art->path().style->stroke.width, width) << "state " << want;
        EXPECT_EQ(art->path().style->strokePaint, stroked) << "state " << want;
    }
}

} // namespace
