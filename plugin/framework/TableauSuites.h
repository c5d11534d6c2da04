// The host suites the table plug-in uses, each in its global pointer while the plug-in runs.
#pragma once

#include "SuiteTables.h"
#include "sdk/AIATEPaint.h"
#include "sdk/AIAnnotator.h"
#include "sdk/AIArt.h"
#include "sdk/AIArtConverter.h"
#include "sdk/AIArtSet.h"
#include "sdk/AIArtboard.h"
#include "sdk/AICursorSnap.h"
#include "sdk/AICustomColor.h"
#include "sdk/AIDictionary.h"
#include "sdk/AIDocument.h"
#include "sdk/AIDocumentView.h"
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
#include "sdk/ATESuites.h"
#include "sdk/SPBlocks.h"

extern const AIMenuSuite* sAIMenu;
extern const AIToolSuite* sAITool;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const AIPluginSuite* sAIPlugin;
extern const SPBlocksSuite* sSPBlocks;
extern const AIUndoSuite* sAIUndo;
extern const AIArtSuite* sAIArt;
extern const AIRealMathSuite* sAIRealMath;
extern const AIPathSuite* sAIPath;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIAnnotatorSuite* sAIAnnotator;
extern const AIAnnotatorDrawerSuite* sAIAnnotatorDrawer;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIDocumentSuite* sAIDocument;
extern const AIStringFormatUtilsSuite* sAIStringFormatUtils;
extern const AIRealMathSuite* sMath;
extern const AITransformArtSuite* sAITransformArt;
extern const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu;
extern const AIHitTestSuite* sAIHitTest;
extern const AITagSuite* sAITag;
extern const AICursorSnapSuite* sAICursorSnap;
extern const AILayerSuite* sAILayer;
extern const AIRealBezierSuite* sAIRealBezier;
extern const AIMdMemorySuite* sAIMdMemory;
extern const AIMatchingArtSuite* sAIMatchingArt;
extern const AITextFrameSuite* sAITextFrame;
extern const AIATEPaintSuite* sAIATEPaint;
extern const AIArtConverterSuite* sAIArtConverter;
extern const AIPreferenceSuite* sAIPreference;
extern const AIRuntimeSuite* sAIRuntime;
extern const AIFontSuite* sAIFont;
extern const AICustomColorSuite* sAICustomColor;
extern const AISwatchListSuite* sAISwatchList;
extern const AISwatchGroupSuite* sAISwatchGroup;
extern const AIArtSetSuite* sAIArtSet;
extern const AIGroupSuite* sAIGroup;
extern const AIRandomSuite* sAIRandom;
extern const AIUIThemeSuite* sAIUITheme;
extern const AIPanelSuite* sAIPanel;
extern const AIArtboardSuite* sAIArtboard;
extern const AIDictionarySuite* sAIDictionary;

// The text engine's suites: sTextRange, sCharFeatures, sParaFeatures, sFont ...
#define TABLEAU_DECLARE_ATE_POINTER(Identifier, name, version, Layout) extern const ATE##Layout##Suite* s##Identifier;
ATE_SUITES(TABLEAU_DECLARE_ATE_POINTER)
#undef TABLEAU_DECLARE_ATE_POINTER

// True while the plug-in holds its suites: from "Startup" to "Unload" or "Shutdown".
bool SuitesTenues();
// For what reaches the plug-in other than through a host message (a flyout item, a control's
// action, a click): false while the suites are held; otherwise it says on standard error
// that `quoi` is ignored, and why, and answers true.
bool IgnoreSansSuites(const char* quoi);
