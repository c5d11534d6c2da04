// Suites the stand-in host lends before it performs them: every operation answers
// kNotImplementedErr and names itself in the log, so that a plug-in can acquire the whole
// table today. A family leaves this file for a source of its own when its operations
// become real.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIATEPaint.h"
#include "sdk/AIAnnotator.h"
#include "sdk/AIArt.h"
#include "sdk/AIArtConverter.h"
#include "sdk/AIArtSet.h"
#include "sdk/AIArtboard.h"
#include "sdk/AICursorSnap.h"
#include "sdk/AICustomColor.h"
#include "sdk/AIDataFilter.h"
#include "sdk/AIDocument.h"
#include "sdk/AIDocumentView.h"
#include "sdk/AIFilePath.h"
#include "sdk/AIFolders.h"
#include "sdk/AIFont.h"
#include "sdk/AIGroup.h"
#include "sdk/AIHitTest.h"
#include "sdk/AILayer.h"
#include "sdk/AIMatchingArt.h"
#include "sdk/AIMdMemory.h"
#include "sdk/AIMenu.h"
#include "sdk/AIPanel.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/AIPlugin.h"
#include "sdk/AIPreference.h"
#include "sdk/AIRandom.h"
#include "sdk/AIRealBezier.h"
#include "sdk/AIRealMath.h"
#include "sdk/AIRuntime.h"
#include "sdk/AIStringFormatUtils.h"
#include "sdk/AISwatchGroup.h"
#include "sdk/AISwatchList.h"
#include "sdk/AITag.h"
#include "sdk/AITextFrame.h"
#include "sdk/AITool.h"
#include "sdk/AITransformArt.h"
#include "sdk/AIUITheme.h"
#include "sdk/AIUndo.h"
#include "sdk/AIUnicodeString.h"
#include "sdk/SPBlocks.h"
#include "sdk/ATESuites.h"

namespace host {

namespace {

#define PENDING(Suite, Operation) NotImplemented<k##Suite, #Operation, decltype(Suite::Operation)>::call

const AIATEPaintSuite kAIATEPaintPending = {
    PENDING(AIATEPaintSuite, CreateATEApplicationPaint),
    PENDING(AIATEPaintSuite, GetAIColor),
};
const AIAnnotatorSuite kAIAnnotatorPending = {
    PENDING(AIAnnotatorSuite, AddAnnotator),
    PENDING(AIAnnotatorSuite, SetAnnotatorActive),
    PENDING(AIAnnotatorSuite, GetAnnotatorActive),
    PENDING(AIAnnotatorSuite, InvalAnnotationRect),
};
const AIAnnotatorDrawerSuite kAIAnnotatorDrawerPending = {
    PENDING(AIAnnotatorDrawerSuite, SetColor),
    PENDING(AIAnnotatorDrawerSuite, SetLineWidth),
    PENDING(AIAnnotatorDrawerSuite, SetLineDashed),
    PENDING(AIAnnotatorDrawerSuite, SetFontPreset),
    PENDING(AIAnnotatorDrawerSuite, DrawRect),
    PENDING(AIAnnotatorDrawerSuite, DrawText),
};
const AIArtSuite kAIArtPending = {
    PENDING(AIArtSuite, NewArt),
    PENDING(AIArtSuite, DisposeArt),
    PENDING(AIArtSuite, ValidArt),
    PENDING(AIArtSuite, GetArtType),
    PENDING(AIArtSuite, GetArtParent),
    PENDING(AIArtSuite, GetArtFirstChild),
    PENDING(AIArtSuite, GetArtSibling),
    PENDING(AIArtSuite, GetFirstArtOfLayer),
    PENDING(AIArtSuite, SetArtName),
    PENDING(AIArtSuite, GetArtName),
    PENDING(AIArtSuite, GetArtBounds),
};
const AIArtConverterSuite kAIArtConverterPending = {
    PENDING(AIArtConverterSuite, ConvertToPaths),
};
const AIArtSetSuite kAIArtSetPending = {
    PENDING(AIArtSetSuite, CountSelectedArtSet),
};
const AIArtboardSuite kAIArtboardPending = {
    PENDING(AIArtboardSuite, CountArtboards),
    PENDING(AIArtboardSuite, GetArtboardBounds),
};
const AICursorSnapSuite kAICursorSnapPending = {
    PENDING(AICursorSnapSuite, UseSmartGuides),
};
const AICustomColorSuite kAICustomColorPending = {
    PENDING(AICustomColorSuite, CountCustomColors),
};
const AIDataFilterSuite kAIDataFilterPending = {
    PENDING(AIDataFilterSuite, NewResourceDataFilter),
    PENDING(AIDataFilterSuite, LinkDataFilter),
    PENDING(AIDataFilterSuite, ReadDataFilter),
    PENDING(AIDataFilterSuite, UnlinkDataFilter),
};
const AIDocumentSuite kAIDocumentPending = {
    PENDING(AIDocumentSuite, GetDocument),
    PENDING(AIDocumentSuite, GetDocumentModified),
    PENDING(AIDocumentSuite, RedrawDocument),
};
const AIDocumentViewSuite kAIDocumentViewPending = {
    PENDING(AIDocumentViewSuite, GetDocumentViewBounds),
    PENDING(AIDocumentViewSuite, CountDocumentViews),
    PENDING(AIDocumentViewSuite, GetNthDocumentView),
    PENDING(AIDocumentViewSuite, GetDocumentViewZoom),
    PENDING(AIDocumentViewSuite, SetDocumentViewZoom),
    PENDING(AIDocumentViewSuite, ArtworkPointToViewPoint),
    PENDING(AIDocumentViewSuite, ViewPointToArtworkPoint),
    PENDING(AIDocumentViewSuite, SetDocumentViewInvalidRect),
};
const AIFilePathSuite kAIFilePathPending = {
    PENDING(AIFilePathSuite, Exists),
    PENDING(AIFilePathSuite, GetFileName),
};
const AIFoldersSuite kAIFoldersPending = {
    PENDING(AIFoldersSuite, FindFolder),
};
const AIFontSuite kAIFontPending = {
    PENDING(AIFontSuite, CountFonts),
    PENDING(AIFontSuite, IndexUserFontList),
    PENDING(AIFontSuite, GetFontKeyByNumber),
    PENDING(AIFontSuite, GetFontName),
    PENDING(AIFontSuite, FontFromFontKey),
};
const AIGroupSuite kAIGroupPending = {
    PENDING(AIGroupSuite, GetGroupClipped),
    PENDING(AIGroupSuite, SetGroupClipped),
};
const AIHitTestSuite kAIHitTestPending = {
    PENDING(AIHitTestSuite, HitTestArt),
};
const AILayerSuite kAILayerPending = {
    PENDING(AILayerSuite, CountLayers),
    PENDING(AILayerSuite, GetNthLayer),
    PENDING(AILayerSuite, GetCurrentLayer),
    PENDING(AILayerSuite, SetCurrentLayer),
    PENDING(AILayerSuite, GetLayerByTitle),
    PENDING(AILayerSuite, GetLayerTitle),
    PENDING(AILayerSuite, SetLayerTitle),
    PENDING(AILayerSuite, GetLayerEditable),
    PENDING(AILayerSuite, SetLayerEditable),
    PENDING(AILayerSuite, GetLayerVisible),
    PENDING(AILayerSuite, SetLayerVisible),
    PENDING(AILayerSuite, GetLayerColor),
    PENDING(AILayerSuite, InsertLayer),
    PENDING(AILayerSuite, DeleteLayer),
};
const AIMatchingArtSuite kAIMatchingArtPending = {
    PENDING(AIMatchingArtSuite, CountSelectedArt),
};
const AIMdMemorySuite kAIMdMemoryPending = {
    PENDING(AIMdMemorySuite, MdMemoryNewHandle),
    PENDING(AIMdMemorySuite, MdMemoryDisposeHandle),
};
const AIMenuSuite kAIMenuPending = {
    PENDING(AIMenuSuite, AddMenuItem),
    PENDING(AIMenuSuite, AddMenuGroupAsSubMenu),
    PENDING(AIMenuSuite, CountMenuGroups),
    PENDING(AIMenuSuite, GetNthMenuGroup),
    PENDING(AIMenuSuite, GetMenuGroupName),
    PENDING(AIMenuSuite, SetItemText),
    PENDING(AIMenuSuite, GetItemText),
};
const AIPanelFlyoutMenuSuite kAIPanelFlyoutMenuPending = {
    PENDING(AIPanelFlyoutMenuSuite, Create),
    PENDING(AIPanelFlyoutMenuSuite, Destroy),
    PENDING(AIPanelFlyoutMenuSuite, AppendItem),
    PENDING(AIPanelFlyoutMenuSuite, AppendSeparator),
    PENDING(AIPanelFlyoutMenuSuite, SetItemEnabled),
    PENDING(AIPanelFlyoutMenuSuite, GetItemEnabled),
    PENDING(AIPanelFlyoutMenuSuite, SetItemText),
};
const AIPanelSuite kAIPanelPending = {
    PENDING(AIPanelSuite, Create),
    PENDING(AIPanelSuite, Destroy),
    PENDING(AIPanelSuite, Show),
    PENDING(AIPanelSuite, IsShown),
    PENDING(AIPanelSuite, GetPlatformWindow),
    PENDING(AIPanelSuite, GetSize),
    PENDING(AIPanelSuite, SetSize),
    PENDING(AIPanelSuite, SetPreferredSizes),
    PENDING(AIPanelSuite, SetFlyoutMenuProc),
    PENDING(AIPanelSuite, GetFlyoutMenu),
    PENDING(AIPanelSuite, SetIconPNG),
    PENDING(AIPanelSuite, GetUserData),
};
const AIPathSuite kAIPathPending = {
    PENDING(AIPathSuite, GetPathSegmentCount),
    PENDING(AIPathSuite, SetPathSegmentCount),
    PENDING(AIPathSuite, GetPathSegments),
    PENDING(AIPathSuite, SetPathSegments),
    PENDING(AIPathSuite, GetPathClosed),
    PENDING(AIPathSuite, SetPathClosed),
    PENDING(AIPathSuite, SetPathCenterPointVisible),
};
const AIPathStyleSuite kAIPathStylePending = {
    PENDING(AIPathStyleSuite, GetCurrentPathStyle),
    PENDING(AIPathStyleSuite, GetPathStyle),
    PENDING(AIPathStyleSuite, SetPathStyle),
};
const AIPluginSuite kAIPluginPending = {
    PENDING(AIPluginSuite, GetPluginOptions),
    PENDING(AIPluginSuite, SetPluginOptions),
};
const AIPreferenceSuite kAIPreferencePending = {
    PENDING(AIPreferenceSuite, GetBooleanPreference),
    PENDING(AIPreferenceSuite, PutBooleanPreference),
    PENDING(AIPreferenceSuite, GetIntegerPreference),
    PENDING(AIPreferenceSuite, PutIntegerPreference),
    PENDING(AIPreferenceSuite, GetRealPreference),
    PENDING(AIPreferenceSuite, PutRealPreference),
    PENDING(AIPreferenceSuite, GetStringPreference),
    PENDING(AIPreferenceSuite, PutStringPreference),
    PENDING(AIPreferenceSuite, RemovePreference),
};
const AIRandomSuite kAIRandomPending = {
    PENDING(AIRandomSuite, FloatRandom),
};
const AIRealBezierSuite kAIRealBezierPending = {
    PENDING(AIRealBezierSuite, Evaluate),
};
const AIRealMathSuite kAIRealMathPending = {
    PENDING(AIRealMathSuite, AIRealMatrixSetIdentity),
    PENDING(AIRealMathSuite, AIRealMatrixSetTranslate),
    PENDING(AIRealMathSuite, AIRealMatrixConcatTranslate),
    PENDING(AIRealMathSuite, AIRealPointTransform),
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
const AITextFrameSuite kAITextFramePending = {
    PENDING(AITextFrameSuite, NewPointText),
    PENDING(AITextFrameSuite, GetATETextRange),
    PENDING(AITextFrameSuite, GetPointTextAnchor),
};
const AIToolSuite kAIToolPending = {
    PENDING(AIToolSuite, AddTool),
    PENDING(AIToolSuite, SetToolInfoVars),
    PENDING(AIToolSuite, GetToolNumberFromTitle),
    PENDING(AIToolSuite, SetSelectedTool),
    PENDING(AIToolSuite, SetSelectedToolByName),
    PENDING(AIToolSuite, GetSelectedTool),
};
const AITransformArtSuite kAITransformArtPending = {
    PENDING(AITransformArtSuite, TransformArt),
};
const AIUIThemeSuite kAIUIThemePending = {
    PENDING(AIUIThemeSuite, IsDarkUI),
    PENDING(AIUIThemeSuite, GetUIThemeColor),
};
const AIUndoSuite kAIUndoPending = {
    PENDING(AIUndoSuite, SetUndoText),
    PENDING(AIUndoSuite, UndoChanges),
};
const AIUnicodeStringSuite kAIUnicodeStringPending = {
    PENDING(AIUnicodeStringSuite, Initialize),
    PENDING(AIUnicodeStringSuite, Destroy),
    PENDING(AIUnicodeStringSuite, UTF16Buffer),
    PENDING(AIUnicodeStringSuite, UTF8Buffer),
    PENDING(AIUnicodeStringSuite, Length),
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
const ATETextFrameSuite kATETextFramePending = {
    PENDING(ATETextFrameSuite, AddRef),
    PENDING(ATETextFrameSuite, Release),
    PENDING(ATETextFrameSuite, GetTextRange),
};
const ATETextRangeSuite kATETextRangePending = {
    PENDING(ATETextRangeSuite, AddRef),
    PENDING(ATETextRangeSuite, Release),
    PENDING(ATETextRangeSuite, GetSize),
    PENDING(ATETextRangeSuite, GetContents),
    PENDING(ATETextRangeSuite, Remove),
    PENDING(ATETextRangeSuite, InsertAfter),
    PENDING(ATETextRangeSuite, SetLocalCharFeatures),
    PENDING(ATETextRangeSuite, SetLocalParaFeatures),
};
const ATECharFeaturesSuite kATECharFeaturesPending = {
    PENDING(ATECharFeaturesSuite, Initialize),
    PENDING(ATECharFeaturesSuite, AddRef),
    PENDING(ATECharFeaturesSuite, Release),
    PENDING(ATECharFeaturesSuite, SetFont),
    PENDING(ATECharFeaturesSuite, SetFontSize),
    PENDING(ATECharFeaturesSuite, SetTracking),
    PENDING(ATECharFeaturesSuite, SetFillColor),
};
const ATEParaFeaturesSuite kATEParaFeaturesPending = {
    PENDING(ATEParaFeaturesSuite, Initialize),
    PENDING(ATEParaFeaturesSuite, AddRef),
    PENDING(ATEParaFeaturesSuite, Release),
    PENDING(ATEParaFeaturesSuite, SetJustification),
    PENDING(ATEParaFeaturesSuite, SetFirstLineIndent),
    PENDING(ATEParaFeaturesSuite, SetStartIndent),
    PENDING(ATEParaFeaturesSuite, SetLeadingType),
};
const ATEFontSuite kATEFontPending = {
    PENDING(ATEFontSuite, AddRef),
    PENDING(ATEFontSuite, Release),
};
const ATEApplicationPaintSuite kATEApplicationPaintPending = {
    PENDING(ATEApplicationPaintSuite, AddRef),
    PENDING(ATEApplicationPaintSuite, Release),
};

#undef PENDING

} // namespace

void installPendingSuites(SuiteRegistry& registry)
{
    registry.add(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &kAIATEPaintPending);
    registry.add(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &kAIAnnotatorPending);
    registry.add(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &kAIAnnotatorDrawerPending);
    registry.add(kAIArtSuite, kAIArtSuiteVersion, &kAIArtPending);
    registry.add(kAIArtConverterSuite, kAIArtConverterSuiteVersion, &kAIArtConverterPending);
    registry.add(kAIArtSetSuite, kAIArtSetSuiteVersion, &kAIArtSetPending);
    registry.add(kAIArtboardSuite, kAIArtboardSuiteVersion, &kAIArtboardPending);
    registry.add(kAICursorSnapSuite, kAICursorSnapSuiteVersion, &kAICursorSnapPending);
    registry.add(kAICustomColorSuite, kAICustomColorSuiteVersion, &kAICustomColorPending);
    registry.add(kAIDataFilterSuite, kAIDataFilterSuiteVersion, &kAIDataFilterPending);
    registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kAIDocumentPending);
    registry.add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kAIDocumentViewPending);
    registry.add(kAIFilePathSuite, kAIFilePathSuiteVersion, &kAIFilePathPending);
    registry.add(kAIFoldersSuite, kAIFoldersSuiteVersion, &kAIFoldersPending);
    registry.add(kAIFontSuite, kAIFontSuiteVersion, &kAIFontPending);
    registry.add(kAIGroupSuite, kAIGroupSuiteVersion, &kAIGroupPending);
    registry.add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kAIHitTestPending);
    registry.add(kAILayerSuite, kAILayerSuiteVersion, &kAILayerPending);
    registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kAIMatchingArtPending);
    registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kAIMdMemoryPending);
    registry.add(kAIMenuSuite, kAIMenuSuiteVersion, &kAIMenuPending);
    registry.add(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion, &kAIPanelFlyoutMenuPending);
    registry.add(kAIPanelSuite, kAIPanelSuiteVersion, &kAIPanelPending);
    registry.add(kAIPathSuite, kAIPathSuiteVersion, &kAIPathPending);
    registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kAIPathStylePending);
    registry.add(kAIPluginSuite, kAIPluginSuiteVersion, &kAIPluginPending);
    registry.add(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &kAIPreferencePending);
    registry.add(kAIRandomSuite, kAIRandomSuiteVersion, &kAIRandomPending);
    registry.add(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &kAIRealBezierPending);
    registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kAIRealMathPending);
    registry.add(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &kAIRuntimePending);
    registry.add(kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, &kAIStringFormatUtilsPending);
    registry.add(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &kAISwatchGroupPending);
    registry.add(kAISwatchListSuite, kAISwatchListSuiteVersion, &kAISwatchListPending);
    registry.add(kAITagSuite, kAITagSuiteVersion, &kAITagPending);
    registry.add(kAITextFrameSuite, kAITextFrameSuiteVersion, &kAITextFramePending);
    registry.add(kAIToolSuite, kAIToolSuiteVersion, &kAIToolPending);
    registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kAITransformArtPending);
    registry.add(kAIUIThemeSuite, kAIUIThemeSuiteVersion, &kAIUIThemePending);
    registry.add(kAIUndoSuite, kAIUndoSuiteVersion, &kAIUndoPending);
    registry.add(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &kAIUnicodeStringPending);
    registry.add(kSPBlocksSuite, kSPBlocksSuiteVersion, &kSPBlocksPending);
#define PENDING_ATE(Identifier, name, version, Layout) registry.add(name, version, &kATE##Layout##Pending);
    ATE_SUITES(PENDING_ATE)
#undef PENDING_ATE
}

} // namespace host
