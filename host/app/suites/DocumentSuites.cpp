// AI Document and AI Artboard: the one document the stand-in host has open, and its one
// artboard, A4 portrait from (0, 0) to (595.28, 841.89). AI Document View stays pending
// (PendingSuites.cpp) until the host has views.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIArtboard.h"
#include "sdk/AIDocument.h"

namespace host {

namespace {

ASErr GetDocument(AIDocumentHandle* handle)
{
    if (ASErr error = injected(kAIDocumentSuite, "GetDocument"))
        return error;
    if (handle == nullptr)
        return kBadParameterErr;
    *handle = document().handle();
    return kNoErr;
}

ASErr GetDocumentModified(ASBoolean* modified)
{
    if (ASErr error = injected(kAIDocumentSuite, "GetDocumentModified"))
        return error;
    if (modified == nullptr)
        return kBadParameterErr;
    *modified = document().modified();
    return kNoErr;
}

// There is no window to repaint: export always reads the model as it is.
ASErr RedrawDocument()
{
    if (ASErr error = injected(kAIDocumentSuite, "RedrawDocument"))
        return error;
    return kNoErr;
}

ASErr CountArtboards(ai_int32* count)
{
    if (ASErr error = injected(kAIArtboardSuite, "CountArtboards"))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = 1;
    return kNoErr;
}

// Artwork coordinates, y upward: the top is the larger v.
ASErr GetArtboardBounds(ai_int32 index, AIRealRect* bounds)
{
    if (ASErr error = injected(kAIArtboardSuite, "GetArtboardBounds"))
        return error;
    if (index != 0 || bounds == nullptr)
        return kBadParameterErr;
    *bounds = AIRealRect{0, doc::Document::kArtboardHeight, doc::Document::kArtboardWidth, 0};
    return kNoErr;
}

const AIDocumentSuite kDocument = {GetDocument, GetDocumentModified, RedrawDocument};
const AIArtboardSuite kArtboard = {CountArtboards, GetArtboardBounds};

} // namespace

void installDocumentSuites(SuiteRegistry& registry)
{
    registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocument);
    registry.add(kAIArtboardSuite, kAIArtboardSuiteVersion, &kArtboard);
}

} // namespace host
