// The AI Annotator Drawer suite: what an annotator draws during its "AI Draw", recorded on
// the drawer the host handed it.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIAnnotator.h"

namespace host {

namespace {

// The drawer of the "AI Draw" being answered; null for any other handle. kBadParameterErr
// for a null one, kBadHandleErr for one that is not live.
ASErr drawerOf(AIAnnotatorDrawer* handle, AnnotationDrawer*& drawer)
{
    if (handle == nullptr)
        return kBadParameterErr;
    drawer = Host::get().annotationPass().live(handle);
    return drawer == nullptr ? kBadHandleErr : kNoErr;
}

ASErr SetColor(AIAnnotatorDrawer* handle, const AIRGBColor* color)
{
    if (ASErr error = injected(kAIAnnotatorDrawerSuite, "SetColor"))
        return error;
    AnnotationDrawer* drawer = nullptr;
    if (ASErr error = drawerOf(handle, drawer))
        return error;
    if (color == nullptr)
        return kBadParameterErr;
    drawer->setColor(*color);
    return kNoErr;
}

ASErr SetLineWidth(AIAnnotatorDrawer* handle, AIReal width)
{
    if (ASErr error = injected(kAIAnnotatorDrawerSuite, "SetLineWidth"))
        return error;
    AnnotationDrawer* drawer = nullptr;
    if (ASErr error = drawerOf(handle, drawer))
        return error;
    return drawer->setLineWidth(width) ? kNoErr : kBadParameterErr;
}

ASErr SetLineDashed(AIAnnotatorDrawer* handle, ASBoolean dashed)
{
    if (ASErr error = injected(kAIAnnotatorDrawerSuite, "SetLineDashed"))
        return error;
    AnnotationDrawer* drawer = nullptr;
    if (ASErr error = drawerOf(handle, drawer))
        return error;
    drawer->setDashed(dashed != 0);
    return kNoErr;
}

ASErr SetFontPreset(AIAnnotatorDrawer* handle, ai_int32 preset)
{
    if (ASErr error = injected(kAIAnnotatorDrawerSuite, "SetFontPreset"))
        return error;
    AnnotationDrawer* drawer = nullptr;
    if (ASErr error = drawerOf(handle, drawer))
        return error;
    return drawer->setFontPreset(preset) ? kNoErr : kBadParameterErr;
}

ASErr DrawRect(AIAnnotatorDrawer* handle, const AIRect* rect, ASBoolean fill)
{
    if (ASErr error = injected(kAIAnnotatorDrawerSuite, "DrawRect"))
        return error;
    AnnotationDrawer* drawer = nullptr;
    if (ASErr error = drawerOf(handle, drawer))
        return error;
    if (rect == nullptr)
        return kBadParameterErr;
    drawer->drawRect(*rect, fill != 0);
    return kNoErr;
}

ASErr DrawText(AIAnnotatorDrawer* handle, const char* text, const AIPoint* point)
{
    if (ASErr error = injected(kAIAnnotatorDrawerSuite, "DrawText"))
        return error;
    AnnotationDrawer* drawer = nullptr;
    if (ASErr error = drawerOf(handle, drawer))
        return error;
    if (text == nullptr || point == nullptr)
        return kBadParameterErr;
    drawer->drawText(text, *point);
    return kNoErr;
}

const AIAnnotatorDrawerSuite kAnnotatorDrawer = {SetColor, SetLineWidth, SetLineDashed,
                                                 SetFontPreset, DrawRect, DrawText};

} // namespace

void installAnnotatorDrawerSuite(SuiteRegistry& registry)
{
    registry.add(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &kAnnotatorDrawer);
}

} // namespace host
