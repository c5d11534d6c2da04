// The document view's mapping between artwork and view points, and the interface theme.
#include "HostSuites.h"
#include "sdk/AIDocumentView.h"
#include "sdk/AIUITheme.h"

namespace {

using host_test::Acquire;

TEST(HostView, ArtworkAndViewPointsMapBothWaysAtEveryZoom)
{
    host::Host host({});
    const auto* view = Acquire<AIDocumentViewSuite>(host, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    for (const AIReal zoom : {0.25f, 1.0f, 2.0f, 8.0f}) {
        SCOPED_TRACE(zoom);
        ASSERT_EQ(view->SetDocumentViewZoom(nullptr, zoom), kNoErr);
        AIRealRect bounds{};
        ASSERT_EQ(view->GetDocumentViewBounds(nullptr, &bounds), kNoErr);
        EXPECT_GT(bounds.top, bounds.bottom) << "artwork y goes up";
        EXPECT_FLOAT_EQ((bounds.right - bounds.left) * zoom, static_cast<float>(host.documentView().width()));
        // The view's top-left pixel is the bounds' top-left corner, and points come back.
        AIPoint corner{};
        const AIRealPoint topLeft{bounds.left, bounds.top};
        ASSERT_EQ(view->ArtworkPointToViewPoint(nullptr, &topLeft, &corner), kNoErr);
        EXPECT_EQ(corner.h, 0);
        EXPECT_EQ(corner.v, 0);
        for (const AIRealPoint p : {AIRealPoint{100, 700}, AIRealPoint{400, 610}, AIRealPoint{0, 0}}) {
            AIPoint pixel{};
            AIRealPoint back{};
            ASSERT_EQ(view->ArtworkPointToViewPoint(nullptr, &p, &pixel), kNoErr);
            ASSERT_EQ(view->ViewPointToArtworkPoint(nullptr, &pixel, &back), kNoErr);
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

TEST(HostTheme, DarkAndLightColoursAndPairsTheThemeLacks)
{
    host::Host host({});
    const auto* theme = Acquire<AIUIThemeSuite>(host, kAIUIThemeSuite, kAIUIThemeSuiteVersion);
    AIUIThemeColor light{}, dark{};
    ASBoolean isDark = true;
    ASSERT_EQ(theme->IsDarkUI(&isDark), kNoErr);
    EXPECT_FALSE(isDark);
    for (const ai_int32 kind : {0, 1, 3, 4}) {
        SCOPED_TRACE(kind);
        host.theme().setDark(false);
        ASSERT_EQ(theme->GetUIThemeColor(1, kind, &light), kNoErr);
        host.theme().setDark(true);
        ASSERT_EQ(theme->GetUIThemeColor(1, kind, &dark), kNoErr);
        EXPECT_NE(light.red, dark.red);
        EXPECT_EQ(light.alpha, 1);
    }
    AIUIThemeColor untouched{0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_EQ(theme->GetUIThemeColor(9, 9, &untouched), kNameNotFoundErr);
    EXPECT_EQ(untouched.red, 0.5f);
}

} // namespace
