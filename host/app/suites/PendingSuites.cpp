// Suites the stand-in host lends before it performs them: every operation answers
// kNotImplementedErr and names itself in the log, so that a plug-in can acquire the whole
// table today. A family leaves this file for a source of its own when its operations
// become real.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIArtConverter.h"
#include "sdk/AIArtSet.h"
#include "sdk/AICursorSnap.h"
#include "sdk/AICustomColor.h"
#include "sdk/AIDocumentView.h"
#include "sdk/AIFilePath.h"
#include "sdk/AIFolders.h"
#include "sdk/AIGroup.h"
#include "sdk/AIHitTest.h"
#include "sdk/AIMdMemory.h"
#include "sdk/AIMenu.h"
#include "sdk/AIPlugin.h"
#include "sdk/AIRandom.h"
#include "sdk/AIRealBezier.h"
#include "sdk/AIRuntime.h"
#include "sdk/AIStringFormatUtils.h"
#include "sdk/AISwatchGroup.h"
#include "sdk/AISwatchList.h"
#include "sdk/AITag.h"
#include "sdk/AITool.h"
#include "sdk/AIUITheme.h"
#include "sdk/AIUndo.h"
#include "sdk/SPBlocks.h"
#include "sdk/ATESuites.h"

namespace host {

namespace {

#define PENDING(Suite, Operation) NotImplemented<k##Suite, #Operation, decltype(Suite::Operation)>::call

const AIArtConverterSuite kAIArtConverterPending = {
    PENDING(AIArtConverterSuite, ConvertToPaths),
};
const AIArtSetSuite kAIArtSetPending = {
    PENDING(AIArtSetSuite, CountSelectedArtSet),
};
const AICursorSnapSuite kAICursorSnapPending = {
    PENDING(AICursorSnapSuite, UseSmartGuides),
};
const AICustomColorSuite kAICustomColorPending = {
    PENDING(AICustomColorSuite, CountCustomColors),
};
const AIFilePathSuite kAIFilePathPending = {
    PENDING(AIFilePathSuite, Exists),
    PENDING(AIFilePathSuite, GetFileName),
};
const AIFoldersSuite kAIFoldersPending = {
    PENDING(AIFoldersSuite, FindFolder),
};
const AIGroupSuite kAIGroupPending = {
    PENDING(AIGroupSuite, GetGroupClipped),
    PENDING(AIGroupSuite, SetGroupClipped),
};
const AIHitTestSuite kAIHitTestPending = {
    PENDING(AIHitTestSuite, HitTestArt),
};
const AIMdMemorySuite kAIMdMemoryPending = {
    PENDING(AIMdMemorySuite, MdMemoryNewHandle),
    PENDING(AIMdMemorySuite, MdMemoryDisposeHandle),
};
const AIRandomSuite kAIRandomPending = {
    PENDING(AIRandomSuite, FloatRandom),
};
const AIRealBezierSuite kAIRealBezierPending = {
    PENDING(AIRealBezierSuite, Evaluate),
};
const AIRuntimeSuite kAIRuntimePending = {
    PENDING(AIRuntimeSuite, GetAppName),
    PENDING(AIRuntimeSuite, GetAppMajorVersion),
};
const AIStringFormatUtilsSuite kAIStringFormatUtilsPending = {
    PENDING(AIStringFormatUtilsSuite, RealToString),
};
const AISwatchGroupSuite kAISwatchGroupPending = {
    PENDING(AISwatchGroupSuite, CountSwatchGroups),
};
const AISwatchListSuite kAISwatchListPending = {
    PENDING(AISwatchListSuite, CountSwatches),
};
const AITagSuite kAITagPending = {
    PENDING(AITagSuite, SetTag),
    PENDING(AITagSuite, GetTag),
};
const AIUndoSuite kAIUndoPending = {
    PENDING(AIUndoSuite, SetUndoText),
    PENDING(AIUndoSuite, UndoChanges),
};
const SPBlocksSuite kSPBlocksPending = {
    PENDING(SPBlocksSuite, AllocateBlock),
    PENDING(SPBlocksSuite, FreeBlock),
};

#undef PENDING
#define PENDING(Suite, Operation) NotImplemented<#Suite, #Operation, decltype(Suite::Operation)>::call

const ATEObjectSuite kATEObjectPending = {
    PENDING(ATEObjectSuite, AddRef),
    PENDING(ATEObjectSuite, Release),
};
const ATEArraySuite kATEArrayPending = {
    PENDING(ATEArraySuite, AddRef),
    PENDING(ATEArraySuite, Release),
    PENDING(ATEArraySuite, GetSize),
};

#undef PENDING

} // namespace

void installPendingSuites(SuiteRegistry& registry)
{
    registry.add(kAIArtConverterSuite, kAIArtConverterSuiteVersion, &kAIArtConverterPending);
    registry.add(kAIArtSetSuite, kAIArtSetSuiteVersion, &kAIArtSetPending);
    registry.add(kAICursorSnapSuite, kAICursorSnapSuiteVersion, &kAICursorSnapPending);
    registry.add(kAICustomColorSuite, kAICustomColorSuiteVersion, &kAICustomColorPending);
    registry.add(kAIFilePathSuite, kAIFilePathSuiteVersion, &kAIFilePathPending);
    registry.add(kAIFoldersSuite, kAIFoldersSuiteVersion, &kAIFoldersPending);
    registry.add(kAIGroupSuite, kAIGroupSuiteVersion, &kAIGroupPending);
    registry.add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kAIHitTestPending);
    registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kAIMdMemoryPending);
    registry.add(kAIRandomSuite, kAIRandomSuiteVersion, &kAIRandomPending);
    registry.add(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &kAIRealBezierPending);
    registry.add(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kAIRuntimePending);
    registry.add(kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, &kAIStringFormatUtilsPending);
    registry.add(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &kAISwatchGroupPending);
    registry.add(kAISwatchListSuite, kAISwatchListSuiteVersion, &kAISwatchListPending);
    registry.add(kAITagSuite, kAITagSuiteVersion, &kAITagPending);
    registry.add(kAIUndoSuite, kAIUndoSuiteVersion, &kAIUndoPending);
    registry.add(kSPBlocksSuite, kSPBlocksSuiteVersion, &kSPBlocksPending);
    // The text-engine suites of the shared layouts; those with layouts of their own are real
    // (TextSuites.cpp).
#define PENDING_ATE_Object(name, version) registry.add(name, version, &kATEObjectPending);
#define PENDING_ATE_Array(name, version) registry.add(name, version, &kATEArrayPending);
#define PENDING_ATE_TextFrame(name, version)
#define PENDING_ATE_TextRange(name, version)
#define PENDING_ATE_CharFeatures(name, version)
#define PENDING_ATE_ParaFeatures(name, version)
#define PENDING_ATE_Font(name, version)
#define PENDING_ATE_ApplicationPaint(name, version)
#define PENDING_ATE(Identifier, name, version, Layout) PENDING_ATE_##Layout(name, version)
    ATE_SUITES(PENDING_ATE)
#undef PENDING_ATE
#undef PENDING_ATE_Object
#undef PENDING_ATE_Array
#undef PENDING_ATE_TextFrame
#undef PENDING_ATE_TextRange
#undef PENDING_ATE_CharFeatures
#undef PENDING_ATE_ParaFeatures
#undef PENDING_ATE_Font
#undef PENDING_ATE_ApplicationPaint
}

} // namespace host
