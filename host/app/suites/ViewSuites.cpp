// The AI Document View suite over the host's one view, and the interface theme suite.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIDocumentView.h"
#include "sdk/AIUITheme.h"

namespace host {

namespace {

// The view a handle names: null is the current one; any other handle must be the view's.
DocumentView* viewOf(AIDocumentViewHandle handle)
{
    DocumentView& view = Host::get().documentView();
    return handle == nullptr || handle == view.handle() ? &view : nullptr;
}

ASErr GetDocumentViewBounds(AIDocumentViewHandle handle, AIRealRect* bounds)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "GetDocumentViewBounds"))
        return error;
    DocumentView* view = viewOf(handle);
    if (view == nullptr)
        return kBadHandleErr;
    if (bounds == nullptr)
        return kBadParameterErr;
    *bounds = view->bounds();
    return kNoErr;
}

ASErr CountDocumentViews(ai_int32* count)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "CountDocumentViews"))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = 1;
    return kNoErr;
}

ASErr GetNthDocumentView(ai_int32 index, AIDocumentViewHandle* view)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "GetNthDocumentView"))
        return error;
    if (view == nullptr || index != 0)
        return kBadParameterErr;
    *view = Host::get().documentView().handle();
    return kNoErr;
}

ASErr GetDocumentViewZoom(AIDocumentViewHandle handle, AIReal* zoom)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "GetDocumentViewZoom"))
        return error;
    DocumentView* view = viewOf(handle);
    if (view == nullptr)
        return kBadHandleErr;
    if (zoom == nullptr)
        return kBadParameterErr;
    *zoom = view->zoom();
    return kNoErr;
}

ASErr SetDocumentViewZoom(AIDocumentViewHandle handle, AIReal zoom)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "SetDocumentViewZoom"))
        return error;
    DocumentView* view = viewOf(handle);
    if (view == nullptr)
        return kBadHandleErr;
    return view->setZoom(zoom) ? kNoErr : kBadParameterErr;
}

ASErr ArtworkPointToViewPoint(AIDocumentViewHandle handle, const AIRealPoint* artworkPoint, AIPoint* viewPoint)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "ArtworkPointToViewPoint"))
        return error;
    DocumentView* view = viewOf(handle);
    if (view == nullptr)
        return kBadHandleErr;
    if (artworkPoint == nullptr || viewPoint == nullptr || !finite(artworkPoint->h) || !finite(artworkPoint->v))
        return kBadParameterErr;
    *viewPoint = view->artworkToView(*artworkPoint);
    return kNoErr;
}

ASErr ViewPointToArtworkPoint(AIDocumentViewHandle handle, const AIPoint* viewPoint, AIRealPoint* artworkPoint)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "ViewPointToArtworkPoint"))
        return error;
    DocumentView* view = viewOf(handle);
    if (view == nullptr)
        return kBadHandleErr;
    if (artworkPoint == nullptr || viewPoint == nullptr)
        return kBadParameterErr;
    *artworkPoint = view->viewToArtwork(*viewPoint);
    return kNoErr;
}

ASErr SetDocumentViewInvalidRect(AIDocumentViewHandle handle, const AIRealRect* invalidRect)
{
    if (ASErr error = injected(kAIDocumentViewSuite, "SetDocumentViewInvalidRect"))
        return error;
    DocumentView* view = viewOf(handle);
    if (view == nullptr)
        return kBadHandleErr;
    if (invalidRect == nullptr)
        return kBadParameterErr;
    view->invalidate(*invalidRect);
    return kNoErr;
}

ASErr IsDarkUI(ASBoolean* dark)
{
    if (ASErr error = injected(kAIUIThemeSuite, "IsDarkUI"))
        return error;
    if (dark == nullptr)
        return kBadParameterErr;
    *dark = Host::get().theme().dark();
    return kNoErr;
}

ASErr GetUIThemeColor(ai_int32 element, ai_int32 kind, AIUIThemeColor* color)
{
    if (ASErr error = injected(kAIUIThemeSuite, "GetUIThemeColor"))
        return error;
    if (color == nullptr)
        return kBadParameterErr;
    const auto found = Host::get().theme().color(element, kind);
    if (!found)
        return kNameNotFoundErr;
    *color = *found;
    return kNoErr;
}

const AIDocumentViewSuite kDocumentView = {GetDocumentViewBounds,   CountDocumentViews,     GetNthDocumentView,
                                           GetDocumentViewZoom,     SetDocumentViewZoom,    ArtworkPointToViewPoint,
                                           ViewPointToArtworkPoint, SetDocumentViewInvalidRect};
const AIUIThemeSuite kUITheme = {IsDarkUI, GetUIThemeColor};

} // namespace

void installViewSuites(SuiteRegistry& registry)
{
    registry.add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kDocumentView);
    registry.add(kAIUIThemeSuite, kAIUIThemeSuiteVersion, &kUITheme);
}

} // namespace host
