// The art tree, paths, path styles, transforms and matrices, through their suites.
#include "DocumentSuites.h"

#include <array>
#include <tuple>
#include <set>

namespace {

using testing_document::DocumentSuites;
using testing_document::got;
using testing_document::XY;
using testing_document::xy;

using ArtSuites = DocumentSuites;

// The art of a group as the suites walk it: from the topmost down.
std::vector<AIArtHandle> topDown(const AIArtSuite* art, AIArtHandle group)
{
    std::vector<AIArtHandle> found;
    AIArtHandle child = nullptr;
    EXPECT_EQ(art->GetArtFirstChild(group, &child), kNoErr);
    while (child != nullptr) {
        found.push_back(child);
        EXPECT_EQ(art->GetArtSibling(child, &child), kNoErr);
    }
    return found;
}

AIPathSegment corner(AIReal h, AIReal v)
{
    return AIPathSegment{{h, v}, {h, v}, {h, v}, true};
}

using Sides = std::array<AIReal, 4>; // left, top, right, bottom

Sides sides(const AIRealRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

TEST_F(ArtSuites, PaintOrdersPlaceArtInsideOnTopOrBottomAndAboveOrBelowItsNeighbour)
{
    const AIArtHandle group = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const AIArtHandle a = make(kPathArt, kPlaceInsideOnTop, group);
    const AIArtHandle b = make(kPathArt, kPlaceInsideOnTop, group);    // above a
    const AIArtHandle c = make(kPathArt, kPlaceInsideOnBottom, group); // below everything
    const AIArtHandle d = make(kPathArt, kPlaceAbove, a);              // between a and b
    const AIArtHandle e = make(kPathArt, kPlaceBelow, c);              // the new bottom

    // The model keeps paint order: the first paints first.
    EXPECT_EQ(host.document().art(group)->children, (std::vector<AIArtHandle>{e, c, a, d, b}));
    // The suites walk as the real host does: the first child is the topmost.
    EXPECT_EQ(topDown(art, group), (std::vector<AIArtHandle>{b, d, a, c, e}));
    EXPECT_EQ(got<AIArtHandle>([&](auto* p) { return art->GetArtParent(d, p); }), group);

    // Above all and below all: the top and bottom of the current layer, whatever prep is.
    const AIArtHandle top = make(kGroupArt, kPlaceAboveAll, nullptr);
    const AIArtHandle bottom = make(kGroupArt, kPlaceBelowAll, a);
    EXPECT_EQ(host.document().art(layerGroup())->children, (std::vector<AIArtHandle>{bottom, group, top}));

    AIArtHandle refused = reinterpret_cast<AIArtHandle>(0x1);
    EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, a, &refused), kBadParameterErr) << "inside a path";
    EXPECT_EQ(refused, nullptr) << "a refusal gives no handle";
}

// Each art's sibling is the one under it in its own group, however walks down two groups
// interleave and the groups change between two questions.
TEST_F(ArtSuites, SiblingsAreAnsweredFromEachArtsOwnGroupAsItNowIs)
{
    const AIArtHandle one = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const AIArtHandle two = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const AIArtHandle a = make(kPathArt, kPlaceInsideOnTop, one);
    const AIArtHandle b = make(kPathArt, kPlaceInsideOnTop, one);
    const AIArtHandle c = make(kPathArt, kPlaceInsideOnTop, one);
    const AIArtHandle x = make(kPathArt, kPlaceInsideOnTop, two);
    const AIArtHandle y = make(kPathArt, kPlaceInsideOnTop, two);
    const auto sibling = [&](AIArtHandle of) { return got<AIArtHandle>([&](auto* s) { return art->GetArtSibling(of, s); }); };

    EXPECT_EQ(sibling(c), b);
    EXPECT_EQ(sibling(y), x) << "the other group, between two steps of a walk";
    EXPECT_EQ(sibling(b), a);
    EXPECT_EQ(sibling(a), nullptr) << "the bottom";
    EXPECT_EQ(sibling(x), nullptr);
    EXPECT_EQ(sibling(c), b);
    const AIArtHandle between = make(kPathArt, kPlaceAbove, a);
    EXPECT_EQ(sibling(b), between) << "new art under the one asked about last";
    ASSERT_EQ(art->DisposeArt(c), kNoErr);
    EXPECT_EQ(sibling(b), between) << "the places moved down under it";
    EXPECT_EQ(sibling(between), a);
    ASSERT_EQ(art->DisposeArt(one), kNoErr);
    AIArtHandle none = reinterpret_cast<AIArtHandle>(0x1);
    EXPECT_EQ(art->GetArtSibling(a, &none), kBadHandleErr) << "disposed with its group";
    EXPECT_EQ(sibling(y), x);
}

// Disposing of art disposes of everything inside, and its handles never come back; the check
// of a handle is right on a large document.
TEST_F(ArtSuites, DisposedArtAndEverythingInsideIsGoneForGoodOnALargeDocument)
{
    const AIArtHandle group = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    std::vector<AIArtHandle> paths;
    for (int i = 0; i < 20000; ++i)
        paths.push_back(make(kPathArt, kPlaceInsideOnTop, group));
    // Groups nested far deeper than a recursive walk could go.
    std::vector<AIArtHandle> chain{make(kGroupArt, kPlaceInsideOnTop, layerGroup())};
    for (int i = 0; i < 100000; ++i)
        chain.push_back(make(kGroupArt, kPlaceInsideOnTop, chain.back()));
    const AIArtHandle deepest = make(kPathArt, kPlaceInsideOnTop, chain.back());
    AIPathSegment point = corner(3, 4);
    ASSERT_EQ(path->SetPathSegmentCount(deepest, 1), kNoErr);
    ASSERT_EQ(path->SetPathSegments(deepest, 0, 1, &point), kNoErr);
    const AIArtHandle title = pointText(chain[1], {3, 4});

    for (size_t i = 0; i < paths.size(); i += 2)
        ASSERT_EQ(art->DisposeArt(paths[i]), kNoErr);
    for (size_t i = 0; i < paths.size(); ++i)
        ASSERT_EQ(art->ValidArt(paths[i], true) != 0, i % 2 == 1) << i;
    for (AIArtHandle link : chain)
        ASSERT_TRUE(art->ValidArt(link, true));
    for (uintptr_t madeUp : {uintptr_t{0}, uintptr_t{0xDEADBEEF}, ~uintptr_t{0}, uintptr_t{1} << 40})
        EXPECT_FALSE(art->ValidArt(reinterpret_cast<AIArtHandle>(madeUp), true));

    const AIRealMatrix move{1, 0, 0, 1, 10, 20};
    ASSERT_EQ(transform->TransformArt(chain.front(), &move, 0, kTransformObjects), kNoErr);
    const AIRealRect bounds = got<AIRealRect>([&](auto* b) { return art->GetArtBounds(chain.front(), b); });
    EXPECT_EQ((XY{bounds.left, bounds.top}), (XY{13, 24}));

    ASSERT_EQ(art->DisposeArt(chain.front()), kNoErr);
    std::set<AIArtHandle> gone(chain.begin(), chain.end());
    gone.insert({deepest, title});
    for (AIArtHandle handle : gone)
        ASSERT_TRUE(!art->ValidArt(handle, true) && !art->ValidArt(handle, false));
    EXPECT_EQ(art->DisposeArt(title), kBadHandleErr) << "disposed once only";
    EXPECT_EQ(host.document().artCount(), 2u + paths.size() / 2) << "the layer's group, the group and the paths kept";
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(gone.count(make(i % 2 == 0 ? kGroupArt : kPathArt, kPlaceInsideOnTop, layerGroup())), 0u)
            << "no new art gets an old handle";
}

TEST_F(ArtSuites, PathsKeepTheirSegmentsAndWhetherTheyAreClosed)
{
    const AIArtHandle rule = make(kPathArt, kPlaceInsideOnTop, layerGroup());
    const auto count = [&] { return got<ai_int16>([&](auto* n) { return path->GetPathSegmentCount(rule, n); }, -1); };
    EXPECT_EQ(count(), 0);

    ASSERT_EQ(path->SetPathSegmentCount(rule, 2), kNoErr);
    AIPathSegment lus[2] = {corner(9, 9), corner(9, 9)};
    ASSERT_EQ(path->GetPathSegments(rule, 0, 2, lus), kNoErr);
    EXPECT_EQ((XY{lus[1].p.h, lus[1].out.v}), (XY{0, 0})) << "new segments lie at the origin";

    const AIPathSegment ends[2] = {corner(10, -30), corner(300, -30)};
    ASSERT_EQ(path->SetPathSegments(rule, 0, 2, ends), kNoErr);
    ASSERT_EQ(path->GetPathSegments(rule, 1, 1, lus), kNoErr);
    EXPECT_EQ(xy(lus[0].p), (XY{300, -30}));

    ASSERT_EQ(path->SetPathSegmentCount(rule, 1), kNoErr);
    EXPECT_EQ(count(), 1);

    const auto closed = [&] { return got<ASBoolean>([&](auto* c) { return path->GetPathClosed(rule, c); }, 7); };
    EXPECT_EQ(closed(), 0);
    ASSERT_EQ(path->SetPathClosed(rule, true), kNoErr);
    EXPECT_EQ(closed(), 1);
    ASSERT_EQ(path->SetPathCenterPointVisible(rule, true), kNoErr);
    EXPECT_TRUE(host.document().art(rule)->path().centerPointVisible);
}

TEST_F(ArtSuites, NewPathsTakeTheCurrentStyleAndKeepTheOneTheyAreGiven)
{
    const AIPathStyle current = got<AIPathStyle>([&](auto* s) { return pathStyle->GetCurrentPathStyle(s); });
    // A black stroke 1 wide, butt, mitred at 4, solid; no fill, no clip, the non-zero rule.
    const AIStrokeStyle& trait = current.stroke;
    EXPECT_EQ(std::make_tuple(current.strokePaint, trait.color.kind, trait.color.c.g.gray, trait.width, trait.cap, trait.join,
                              trait.miterLimit, trait.dash.length),
              std::make_tuple(ASBoolean{1}, AIColorTag{kGrayColor}, 1.0f, 1.0f, AILineCap{kAIButtCap}, AILineJoin{kAIMiterJoin}, 4.0f, ai_int16{0}));
    EXPECT_EQ(std::make_tuple(current.fillPaint, current.clip, current.evenodd), std::make_tuple(ASBoolean{0}, ASBoolean{0}, ASBoolean{0}));

    const AIArtHandle rule = make(kPathArt, kPlaceInsideOnTop, layerGroup());
    AIPathStyle style = got<AIPathStyle>([&](auto* s) { return pathStyle->GetPathStyle(rule, s); });
    EXPECT_EQ(style.stroke.width, current.stroke.width);
    EXPECT_EQ(style.stroke.miterLimit, current.stroke.miterLimit);

    style.stroke.width = 4;
    style.stroke.miterLimit = 10;
    style.stroke.color.kind = kFourColor;
    style.stroke.color.c.f = {0.1f, 0.2f, 0.3f, 0.4f};
    ASSERT_EQ(pathStyle->SetPathStyle(rule, &style), kNoErr);
    const AIPathStyle back = got<AIPathStyle>([&](auto* s) { return pathStyle->GetPathStyle(rule, s); });
    EXPECT_EQ(back.stroke.width, 4);
    EXPECT_EQ(back.stroke.color.kind, kFourColor);
    EXPECT_EQ(back.stroke.color.c.f.black, 0.4f);

    // An unpainted fill is not looked at.
    AIPathStyle unpainted = style;
    unpainted.fillPaint = false;
    unpainted.fill.color.kind = kGradient;
    EXPECT_EQ(pathStyle->SetPathStyle(rule, &unpainted), kNoErr);
}

TEST_F(ArtSuites, TransformArtMovesTheArtAndEverythingInside)
{
    const AIArtHandle table = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const AIArtHandle rule = make(kPathArt, kPlaceInsideOnTop, table);
    const AIPathSegment ends[2] = {corner(0, 0), corner(300, 0)};
    ASSERT_EQ(path->SetPathSegmentCount(rule, 2), kNoErr);
    ASSERT_EQ(path->SetPathSegments(rule, 0, 2, ends), kNoErr);
    const AIArtHandle text = pointText(table);

    AIRealMatrix matrix{};
    ASSERT_EQ(math->AIRealMatrixSetTranslate(&matrix, 150, -18.96f), kNoErr);
    ASSERT_EQ(transform->TransformArt(table, &matrix, 0, kTransformObjects), kNoErr);
    EXPECT_EQ(xy(got<AIRealPoint>([&](auto* a) { return textFrame->GetPointTextAnchor(text, a); })), (XY{150, -18.96f}));
    AIPathSegment lus[2];
    ASSERT_EQ(path->GetPathSegments(rule, 0, 2, lus), kNoErr);
    EXPECT_EQ((XY{lus[1].p.h, lus[1].in.v}), (XY{450, -18.96f}));

    // The whole affine matrix: a quarter turn about the origin, then up by 10.
    const AIRealMatrix turn{0, 1, -1, 0, 0, 10};
    ASSERT_EQ(transform->TransformArt(rule, &turn, 0, kTransformObjects), kNoErr);
    ASSERT_EQ(path->GetPathSegments(rule, 0, 2, lus), kNoErr);
    EXPECT_FLOAT_EQ(lus[1].p.h, 18.96f); // (450, -18.96) -> (18.96, 460)
    EXPECT_FLOAT_EQ(lus[1].p.v, 460);

    // Lines scale only when asked; nothing moves without kTransformObjects.
    const AIRealMatrix shift{1, 0, 0, 1, 5, 5};
    ASSERT_EQ(transform->TransformArt(rule, &shift, 3, kScaleLines), kNoErr);
    EXPECT_EQ(got<AIPathStyle>([&](auto* s) { return pathStyle->GetPathStyle(rule, s); }).stroke.width, 3);
    ASSERT_EQ(path->GetPathSegments(rule, 0, 2, lus), kNoErr);
    EXPECT_FLOAT_EQ(lus[1].p.v, 460);
}

// Paths given one style share one record of it, as a table's thousands of rules do; a change
// to one path's style, through the suite or a transform that scales its lines, is its own.
TEST_F(ArtSuites, PathsOfOneStyleShareItAndEachChangeStaysTheirOwn)
{
    AIPathStyle thin = got<AIPathStyle>([&](auto* s) { return pathStyle->GetCurrentPathStyle(s); });
    thin.stroke.width = 2;
    AIPathStyle red = thin;
    red.stroke.color.kind = kThreeColor;
    red.stroke.color.c.rgb = {1, 0, 0};
    // Two styles set in turn, as two elements' rules would be.
    std::vector<AIArtHandle> paths;
    for (int i = 0; i < 6; ++i) {
        paths.push_back(make(kPathArt, kPlaceInsideOnTop, layerGroup()));
        ASSERT_EQ(pathStyle->SetPathStyle(paths.back(), i % 3 == 2 ? &red : &thin), kNoErr);
    }
    const auto styleOf = [&](AIArtHandle made) -> const host::doc::Shared<AIPathStyle>& {
        return host.document().art(made)->path().style;
    };
    const auto widthOf = [&](AIArtHandle made) {
        return got<AIPathStyle>([&](auto* s) { return pathStyle->GetPathStyle(made, s); }).stroke.width;
    };
    for (int i : {1, 3, 4})
        EXPECT_TRUE(styleOf(paths[i]).sharesWith(styleOf(paths[0]))) << i;
    EXPECT_TRUE(styleOf(paths[5]).sharesWith(styleOf(paths[2])));
    EXPECT_FALSE(styleOf(paths[2]).sharesWith(styleOf(paths[0])));

    const AIRealMatrix identity{1, 0, 0, 1, 0, 0};
    ASSERT_EQ(transform->TransformArt(paths[0], &identity, 3, kScaleLines), kNoErr);
    AIPathStyle thick = thin;
    thick.stroke.width = 5;
    ASSERT_EQ(pathStyle->SetPathStyle(paths[1], &thick), kNoErr);
    EXPECT_EQ(widthOf(paths[0]), 6);
    EXPECT_EQ(widthOf(paths[1]), 5);
    for (int i : {3, 4})
        EXPECT_EQ(widthOf(paths[i]), 2) << i;
    EXPECT_TRUE(styleOf(paths[4]).sharesWith(styleOf(paths[3])));
}

TEST_F(ArtSuites, RealMathBuildsTranslationsAndTransformsPoints)
{
    AIRealMatrix matrix{9, 9, 9, 9, 9, 9};
    ASSERT_EQ(math->AIRealMatrixSetIdentity(&matrix), kNoErr);
    EXPECT_EQ(std::make_tuple(matrix.a, matrix.b, matrix.c, matrix.d, matrix.tx, matrix.ty),
              std::make_tuple(1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f));
    ASSERT_EQ(math->AIRealMatrixSetTranslate(&matrix, 2, 3), kNoErr);
    ASSERT_EQ(math->AIRealMatrixConcatTranslate(&matrix, 10, 20), kNoErr);
    EXPECT_EQ((XY{matrix.tx, matrix.ty}), (XY{12, 23}));

    AIRealPoint point{1, 1};
    ASSERT_EQ(math->AIRealPointTransform(&point, &matrix, &point), kNoErr) << "in place";
    EXPECT_EQ(xy(point), (XY{13, 24}));
    const AIRealMatrix turn{0, 1, -1, 0, 0, 0};
    EXPECT_EQ(xy(got<AIRealPoint>([&](auto* t) { return math->AIRealPointTransform(&point, &turn, t); })), (XY{-24, 13}));
}

TEST_F(ArtSuites, BoundsHoldTheCurvesAndTheChildren)
{
    const auto bounds = [&](AIArtHandle a) {
        return sides(got<AIRealRect>([&](auto* r) { return art->GetArtBounds(a, r); }, AIRealRect{1, 1, 1, 1}));
    };
    const AIArtHandle group = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    EXPECT_EQ(bounds(group), (Sides{0, 0, 0, 0})) << "an empty group bounds nothing";

    const AIArtHandle rule = make(kPathArt, kPlaceInsideOnTop, group);
    const AIPathSegment ends[2] = {corner(10, -30), corner(300, -60)};
    ASSERT_EQ(path->SetPathSegmentCount(rule, 2), kNoErr);
    ASSERT_EQ(path->SetPathSegments(rule, 0, 2, ends), kNoErr);
    EXPECT_EQ(bounds(rule), (Sides{10, -30, 300, -60})) << "y upward: the top is the larger";

    // An arch from (0, 0) to (100, 0) with both handles at height 100 peaks at 75.
    const AIArtHandle arch = make(kPathArt, kPlaceInsideOnTop, group);
    const AIPathSegment curve[2] = {{{0, 0}, {0, 0}, {0, 100}, false}, {{100, 0}, {100, 100}, {100, 0}, false}};
    ASSERT_EQ(path->SetPathSegmentCount(arch, 2), kNoErr);
    ASSERT_EQ(path->SetPathSegments(arch, 0, 2, curve), kNoErr);
    EXPECT_FLOAT_EQ(bounds(arch)[1], 75);
    EXPECT_FLOAT_EQ(bounds(arch)[3], 0);
    const Sides all = bounds(group);
    EXPECT_EQ((XY{all[0], all[2]}), (XY{0, 300}));
    EXPECT_FLOAT_EQ(all[1], 75);
    EXPECT_EQ(all[3], -60);
}

TEST_F(ArtSuites, ArtKeepsItsNameAndTellsItsType)
{
    const AIArtHandle table = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    EXPECT_EQ(name(table), "");
    ASSERT_EQ(art->SetArtName(table, "Table"), kNoErr);
    EXPECT_EQ(name(table), "Table");
    EXPECT_EQ(host.document().art(table)->name, "Table");

    const std::pair<AIArtHandle, AIArtType> types[] = {
        {table, kGroupArt}, {layerGroup(), kGroupArt}, {make(kPathArt, kPlaceInsideOnTop, table), kPathArt}, {pointText(table), kTextFrameArt}};
    for (const auto& [handle, expected] : types)
        EXPECT_EQ(got<AIArtType>([&](auto* t) { return art->GetArtType(handle, t); }, kUnknownArt), expected);

    const auto none = reinterpret_cast<AIArtHandle>(0x1); // none of them is left as it was
    EXPECT_EQ(got<AIArtHandle>([&](auto* a) { return art->GetArtParent(layerGroup(), a); }, none), nullptr);
    EXPECT_EQ(got<AIArtHandle>([&](auto* a) { return art->GetArtSibling(layerGroup(), a); }, none), nullptr);
    const AIArtHandle rule = make(kPathArt, kPlaceInsideOnTop, table);
    EXPECT_EQ(got<AIArtHandle>([&](auto* a) { return art->GetArtFirstChild(rule, a); }, none), nullptr)
        << "a path has no children, and that is no error";
}

TEST_F(ArtSuites, TheDocumentHasOneA4ArtboardAndKnowsWhenItChanged)
{
    const AIDocumentHandle handle = got<AIDocumentHandle>([&](auto* d) { return document->GetDocument(d); });
    EXPECT_NE(handle, nullptr);
    EXPECT_FALSE(art->ValidArt(reinterpret_cast<AIArtHandle>(handle), true)) << "not art";

    const auto modified = [&] { return got<ASBoolean>([&](auto* m) { return document->GetDocumentModified(m); }, 7); };
    EXPECT_EQ(modified(), 0);
    make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    EXPECT_EQ(modified(), 1);
    EXPECT_EQ(document->RedrawDocument(), kNoErr);

    EXPECT_EQ(got<ai_int32>([&](auto* n) { return artboard->CountArtboards(n); }), 1);
    EXPECT_EQ(sides(got<AIRealRect>([&](auto* r) { return artboard->GetArtboardBounds(0, r); })), (Sides{0, 841.89f, 595.28f, 0}));
}

TEST_F(ArtSuites, InjectedFaultsAnswerInsteadOfTheOperation)
{
    const AIArtHandle group = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const ASErr nope = AS_FOUR_CHAR('N', 'O', 'P', 'E');
    host.faults().failOperation(kAIArtSuite, "NewArt", nope);
    AIArtHandle made = nullptr;
    EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, group, &made), nope);
    EXPECT_TRUE(host.document().art(group)->children.empty());
    host.faults().failOperation(kAIArtSuite, "ValidArt", nope);
    EXPECT_FALSE(art->ValidArt(group, true)) << "the plug-in's deleted-table path";
    host.faults().failOperation(kAITransformArtSuite, "TransformArt", nope);
    const AIRealMatrix identity{1, 0, 0, 1, 0, 0};
    EXPECT_EQ(transform->TransformArt(group, &identity, 0, kTransformObjects), nope);
    host.faults().clear();
    EXPECT_TRUE(art->ValidArt(group, true));
    EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, group, &made), kNoErr);
}

} // namespace
