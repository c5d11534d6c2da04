// AI Layer: the layers of the document in stacking order, index 0 at the top.
//
// kBadHandleErr for a layer handle that is null, deleted or never given out (it is checked
// before the other arguments); kBadParameterErr for a null out pointer or title, an index
// outside the stack, a paint order a layer cannot take, or a title buffer that cannot hold
// even its terminator. A refused call changes nothing.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AILayer.h"

namespace host {

namespace {

ASErr CountLayers(ai_int32* count)
{
    if (ASErr error = injected(kAILayerSuite, "CountLayers"))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = static_cast<ai_int32>(document().layers().size());
    return kNoErr;
}

ASErr GetNthLayer(ai_int32 index, AILayerHandle* layer)
{
    if (ASErr error = injected(kAILayerSuite, "GetNthLayer"))
        return error;
    const auto& layers = document().layers();
    if (layer == nullptr || index < 0 || static_cast<size_t>(index) >= layers.size())
        return kBadParameterErr;
    *layer = layers[static_cast<size_t>(index)];
    return kNoErr;
}

ASErr GetCurrentLayer(AILayerHandle* layer)
{
    if (ASErr error = injected(kAILayerSuite, "GetCurrentLayer"))
        return error;
    if (layer == nullptr)
        return kBadParameterErr;
    *layer = document().currentLayer();
    return kNoErr;
}

ASErr SetCurrentLayer(AILayerHandle layer)
{
    if (ASErr error = injected(kAILayerSuite, "SetCurrentLayer"))
        return error;
    return document().setCurrentLayer(layer);
}

// The topmost layer of that title, as the real host answers when titles repeat.
ASErr GetLayerByTitle(AILayerHandle* layer, const char* title)
{
    if (ASErr error = injected(kAILayerSuite, "GetLayerByTitle"))
        return error;
    if (layer == nullptr || title == nullptr)
        return kBadParameterErr;
    for (AILayerHandle each : document().layers())
        if (document().layer(each)->title == title) {
            *layer = each;
            return kNoErr;
        }
    *layer = nullptr;
    return kNameNotFoundErr;
}

ASErr GetLayerTitle(AILayerHandle layer, char* title, ai_int32 length)
{
    if (ASErr error = injected(kAILayerSuite, "GetLayerTitle"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    return copyCut(found->title, title, length) ? kNoErr : kBadParameterErr;
}

ASErr SetLayerTitle(AILayerHandle layer, const char* title)
{
    if (ASErr error = injected(kAILayerSuite, "SetLayerTitle"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    if (title == nullptr)
        return kBadParameterErr;
    doc::Layer* changed = document().editLayer(layer);
    changed->title = title;
    return kNoErr;
}

ASErr GetLayerEditable(AILayerHandle layer, ASBoolean* editable)
{
    if (ASErr error = injected(kAILayerSuite, "GetLayerEditable"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    if (editable == nullptr)
        return kBadParameterErr;
    *editable = found->editable;
    return kNoErr;
}

ASErr SetLayerEditable(AILayerHandle layer, ASBoolean editable)
{
    if (ASErr error = injected(kAILayerSuite, "SetLayerEditable"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    doc::Layer* changed = document().editLayer(layer);
    changed->editable = editable != 0;
    return kNoErr;
}

ASErr GetLayerVisible(AILayerHandle layer, ASBoolean* visible)
{
    if (ASErr error = injected(kAILayerSuite, "GetLayerVisible"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    if (visible == nullptr)
        return kBadParameterErr;
    *visible = found->visible;
    return kNoErr;
}

ASErr SetLayerVisible(AILayerHandle layer, ASBoolean visible)
{
    if (ASErr error = injected(kAILayerSuite, "SetLayerVisible"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    doc::Layer* changed = document().editLayer(layer);
    changed->visible = visible != 0;
    return kNoErr;
}

ASErr GetLayerColor(AILayerHandle layer, AIRGBColor* color)
{
    if (ASErr error = injected(kAILayerSuite, "GetLayerColor"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    if (color == nullptr)
        return kBadParameterErr;
    *color = found->color;
    return kNoErr;
}

ASErr InsertLayer(AILayerHandle layer, ai_int16 paintOrder, AILayerHandle* newLayer)
{
    if (ASErr error = injected(kAILayerSuite, "InsertLayer"))
        return error;
    return document().insertLayer(layer, paintOrder, newLayer);
}

ASErr DeleteLayer(AILayerHandle layer)
{
    if (ASErr error = injected(kAILayerSuite, "DeleteLayer"))
        return error;
    return document().deleteLayer(layer);
}

const AILayerSuite kLayer = {CountLayers,      GetNthLayer,      GetCurrentLayer, SetCurrentLayer, GetLayerByTitle,
                             GetLayerTitle,    SetLayerTitle,    GetLayerEditable, SetLayerEditable, GetLayerVisible,
                             SetLayerVisible,  GetLayerColor,    InsertLayer,     DeleteLayer};

} // namespace

void installLayerSuite(SuiteRegistry& registry)
{
    registry.add(kAILayerSuite, kAILayerSuiteVersion, &kLayer);
}

} // namespace host
