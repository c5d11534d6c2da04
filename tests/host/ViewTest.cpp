// The document view's mapping between artwork and view points, and the interface theme.
#include "HostSuites.h"
#include "sdk/AIDocumentView.h"
#include "sdk/AIUITheme.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

using host_test::Acquire;
using host_test::got;

TEST(HostView, ArtworkAndViewPointsMapBothWaysAtEveryZoom)
{
    host::Host host({});
    const auto* view = Acquire<AIDocumentViewSuite>(host, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    for (const AIReal zoom : {0.25f, 1.0f, 2.0f, 8.0f}) {
        SCOPED_TRACE(zoom);
        ASSERT_EQ(view->SetDocumentViewZoom(nullptr, zoom), kNoErr);
        const AIRealRect bounds = got<AIRealRect>([&](auto* b) { return view->GetDocumentViewBounds(nullptr, b); });
        EXPECT_GT(bounds.top, bounds.bottom) << "artwork y goes up";
        EXPECT_FLOAT_EQ((bounds.right - bounds.left) * zoom, static_cast<float>(host.documentView().width()));
        // The view's top-left pixel is the bounds' top-left corner, and points come back.
        const auto toView = [&](AIRealPoint p) { return got<AIPoint>([&](auto* v) { return view->ArtworkPointToViewPoint(nullptr, &p, v); }); };
        const AIPoint corner = toView({bounds.left, bounds.top});
        EXPECT_EQ(std::tie(corner.h, corner.v), std::make_tuple(0, 0));
        for (const AIRealPoint p : {AIRealPoint{100, 700}, AIRealPoint{400, 610}, AIRealPoint{0, 0}}) {
            const AIPoint pixel = toView(p);
            const AIRealPoint back = got<AIRealPoint>([&](auto* a) { return view->ViewPointToArtworkPoint(nullptr, &pixel, a); });
            EXPECT_NEAR(back.h, p.h, 0.5 / zoom);
            EXPECT_NEAR(back.v, p.v, 0.5 / zoom);
        }
    }
    EXPECT_EQ(view->SetDocumentViewZoom(nullptr, 0), kBadParameterErr);
    AIReal zoom = 0;
    EXPECT_EQ(view->GetDocumentViewZoom(reinterpret_cast<AIDocumentViewHandle>(uintptr_t{9}), &zoom), kBadHandleErr);
    const AIRealRect dirty{1, 2, 3, 4};
    ASSERT_EQ(view->SetDocumentViewInvalidRect(nullptr, &dirty), kNoErr);
    EXPECT_EQ(host.documentView().takeInvalidated().size(), 1u);
}

TEST(HostView, AResizedViewKeepsItsCentreAndZoomAndFittingCentresThePage)
{
    host::DocumentView view;
    view.fitInto(700, 942);
    view.setZoom(2);
    view.scrollBy(120, -80);
    const AIRealPoint centre = view.viewToArtwork(350, 471);
    for (const auto& [width, height] : {std::pair{1000, 700}, std::pair{300, 200}, std::pair{0, -5}}) {
        view.resize(width, height);
        EXPECT_EQ(view.zoom(), 2);
        EXPECT_EQ(view.width(), std::max(width, 1));
        const AIRealPoint middle = view.viewToArtwork(view.width() / AIReal(2), view.height() / AIReal(2));
        EXPECT_NEAR(middle.h, centre.h, 0.5) << width << " x " << height;
        EXPECT_NEAR(middle.v, centre.v, 0.5) << width << " x " << height;
    }
    // Fitting shows the whole page again, in the middle, whatever was scrolled.
    view.fitInto(700, 942);
    EXPECT_EQ(view.zoom(), 1);
    const AIRealPoint middle = view.viewToArtwork(350, 471);
    EXPECT_NEAR(middle.h, host::doc::Document::kArtboardWidth / 2, 0.5);
    EXPECT_NEAR(middle.v, host::doc::Document::kArtboardHeight / 2, 0.5);
}

TEST(HostTheme, DarkAndLightColoursAndPairsTheThemeLacks)
{
    host::Host host({});
    const auto* theme = Acquire<AIUIThemeSuite>(host, kAIUIThemeSuite, kAIUIThemeSuiteVersion);
    EXPECT_EQ(got<ASBoolean>([&](auto* d) { return theme->IsDarkUI(d); }, 7), 0);
    for (const ai_int32 kind : {0, 1, 3, 4}) {
        SCOPED_TRACE(kind);
        const auto colour = [&](bool dark) {
            host.theme().setDark(dark);
            return got<AIUIThemeColor>([&](auto* c) { return theme->GetUIThemeColor(1, kind, c); });
        };
        const AIUIThemeColor light = colour(false), dark = colour(true);
        EXPECT_NE(light.red, dark.red);
        EXPECT_EQ(light.alpha, 1);
    }
    AIUIThemeColor untouched{0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_EQ(theme->GetUIThemeColor(9, 9, &untouched), kNameNotFoundErr);
    EXPECT_EQ(untouched.red, 0.5f);
}

} // namespace
