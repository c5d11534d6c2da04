// The plug-in's import table, in the order the host is asked for them.
#include "TableauSuites.h"

#include "Suites.h"

#include <cstdio>

const AIMenuSuite* sAIMenu = nullptr;
const AIToolSuite* sAITool = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIAnnotatorSuite* sAIAnnotator = nullptr;
const AIAnnotatorDrawerSuite* sAIAnnotatorDrawer = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIStringFormatUtilsSuite* sAIStringFormatUtils = nullptr;
const AIRealMathSuite* sMath = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu = nullptr;
const AIHitTestSuite* sAIHitTest = nullptr;
const AITagSuite* sAITag = nullptr;
const AICursorSnapSuite* sAICursorSnap = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIRealBezierSuite* sAIRealBezier = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AITextFrameSuite* sAITextFrame = nullptr;
const AIATEPaintSuite* sAIATEPaint = nullptr;
const AIArtConverterSuite* sAIArtConverter = nullptr;
const AIPreferenceSuite* sAIPreference = nullptr;
const AIRuntimeSuite* sAIRuntime = nullptr;
const AIFontSuite* sAIFont = nullptr;
const AICustomColorSuite* sAICustomColor = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AISwatchGroupSuite* sAISwatchGroup = nullptr;
const AIArtSetSuite* sAIArtSet = nullptr;
const AIGroupSuite* sAIGroup = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AIUIThemeSuite* sAIUITheme = nullptr;
const AIPanelSuite* sAIPanel = nullptr;
const AIArtboardSuite* sAIArtboard = nullptr;
const AIDictionarySuite* sAIDictionary = nullptr;
#define TABLEAU_DEFINE_ATE_POINTER(Identifier, name, version, Layout) const ATE##Layout##Suite* s##Identifier = nullptr;
ATE_SUITES(TABLEAU_DEFINE_ATE_POINTER)
#undef TABLEAU_DEFINE_ATE_POINTER

ImportSuite gImportSuites[] = {
    {kAIMenuSuite, kAIMenuSuiteVersion, Slot(sAIMenu)},
    {kAIToolSuite, kAIToolSuiteVersion, Slot(sAITool)},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, Slot(sAIUnicodeString)},
    {kAIPluginSuite, kAIPluginSuiteVersion, Slot(sAIPlugin)},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, Slot(sSPBlocks)},
    {kAIUndoSuite, kAIUndoSuiteVersion, Slot(sAIUndo)},
    {kAIArtSuite, kAIArtSuiteVersion, Slot(sAIArt)},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, Slot(sAIRealMath)},
    {kAIPathSuite, kAIPathSuiteVersion, Slot(sAIPath)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, Slot(sAIPathStyle)},
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, Slot(sAIAnnotator)},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, Slot(sAIAnnotatorDrawer)},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, Slot(sAIDocumentView)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, Slot(sAIDocument)},
    {kAIStringFormatUtilsSuite, kAIStringFormatUtilsSuiteVersion, Slot(sAIStringFormatUtils)},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, Slot(sMath)},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, Slot(sAITransformArt)},
    {kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion, Slot(sAIPanelFlyoutMenu)},
    {kAIHitTestSuite, kAIHitTestSuiteVersion, Slot(sAIHitTest)},
    {kAITagSuite, kAITagSuiteVersion, Slot(sAITag)},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion, Slot(sAICursorSnap)},
    {kAILayerSuite, kAILayerSuiteVersion, Slot(sAILayer)},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion, Slot(sAIRealBezier)},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, Slot(sAIMdMemory)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, Slot(sAIMatchingArt)},
    {kAITextFrameSuite, kAITextFrameSuiteVersion, Slot(sAITextFrame)},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion, Slot(sAIATEPaint)},
    {kAIArtConverterSuite, kAIArtConverterSuiteVersion, Slot(sAIArtConverter)},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, Slot(sAIPreference)},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion, Slot(sAIRuntime)},
    {kAIFontSuite, kAIFontSuiteVersion, Slot(sAIFont)},
    {kAICustomColorSuite, kAICustomColorSuiteVersion, Slot(sAICustomColor)},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, Slot(sAISwatchList)},
    {kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, Slot(sAISwatchGroup)},
    {kAIArtSetSuite, kAIArtSetSuiteVersion, Slot(sAIArtSet)},
    {kAIGroupSuite, kAIGroupSuiteVersion, Slot(sAIGroup)},
    {kAIRandomSuite, kAIRandomSuiteVersion, Slot(sAIRandom)},
    {kAIUIThemeSuite, kAIUIThemeSuiteVersion, Slot(sAIUITheme)},
    {kAIPanelSuite, kAIPanelSuiteVersion, Slot(sAIPanel)},
    {kAIArtboardSuite, kAIArtboardSuiteVersion, Slot(sAIArtboard)},
    {kAIDictionarySuite, kAIDictionarySuiteVersion, Slot(sAIDictionary)},
#define TABLEAU_IMPORT_ATE_SUITE(Identifier, name, version, Layout) {name, version, Slot(s##Identifier)},
    ATE_SUITES(TABLEAU_IMPORT_ATE_SUITE)
#undef TABLEAU_IMPORT_ATE_SUITE
    {nullptr, 0, nullptr},
};

bool SuitesTenues()
{
    return Suites::AcquiredCount() > 0;
}

bool IgnoreSansSuites(const char* quoi)
{
    if (SuitesTenues())
        return false;
    std::fprintf(stderr, "Varo-Table: %s ignored: the plug-in is not running (its host suites are released)\n", quoi);
    return true;
}
