/* The text engine's suites.
 *
 * The engine is reached through 87 suites: 48 for its objects (frames, stories, ranges,
 * features, styles ...) and 39 for typed arrays of values. ATE_SUITES lists them all, one
 * X(Identifier, "name", version) each, so that hosts and plug-ins walk one table. Most of
 * them share one of two layouts (ATEObjectSuite, ATEArraySuite); the suites that text
 * construction uses have their own tables below.
 *
 * Every reference handed out is counted: the receiver gives it back with its suite's
 * Release. */
#ifndef SDK_ATESUITES_H
#define SDK_ATESUITES_H

#include "ASTypes.h"
#include "AIColor.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _t_ATETextRange* TextRangeRef;
typedef struct _t_ATETextFrame* TextFrameRef;
typedef struct _t_ATECharFeatures* CharFeaturesRef;
typedef struct _t_ATEParaFeatures* ParaFeaturesRef;
typedef struct _t_ATEFont* FontRef;
typedef struct _t_ATEApplicationPaint* ApplicationPaintRef;

typedef ai_int32 ATELeadingType;
enum { kRomanLeadingType = 0, kJapaneseLeadingType = 1 };

typedef ai_int32 ATEParagraphJustification;
enum {
    kLeftJustify = 0,
    kRightJustify = 1,
    kCenterJustify = 2,
    kFullJustifyLastLineLeft = 3,
    kFullJustifyLastLineRight = 4,
    kFullJustifyLastLineCenter = 5,
    kFullJustifyLastLineFull = 6
};

/* X(Identifier, name, version, layout) with layout Object, Array or the suite's own. */
#define ATE_SUITES(X) \
    X(Application, "ATE Application Suite", 1, Object) \
    X(Document, "ATE Document Suite", 1, Object) \
    X(DocumentTextResources, "ATE Document Text Resources Suite", 101, Object) \
    X(ApplicationTextResources, "ATE Application Text Resources Suite", 1, Object) \
    X(TextResources, "ATE Text Resources Suite", 1, Object) \
    X(VersionInfo, "ATE Version Info Suite", 1, Object) \
    X(TextFrame, "ATE Text Frame Suite", 101, TextFrame) \
    X(TextFramesIterator, "ATE Text Frames Iterator Suite", 1, Object) \
    X(Story, "ATE Story Suite", 1, Object) \
    X(Stories, "ATE Stories Suite", 1, Object) \
    X(TextRange, "ATE Text Range Suite", 1, TextRange) \
    X(TextRanges, "ATE Text Ranges Suite", 1, Object) \
    X(TextRangesIterator, "ATE Text Ranges Iterator Suite", 1, Object) \
    X(TextLine, "ATE Text Line Suite", 1, Object) \
    X(TextLinesIterator, "ATE Text Lines Iterator Suite", 1, Object) \
    X(Paragraph, "ATE Paragraph Suite", 1, Object) \
    X(ParagraphsIterator, "ATE Paragraphs Iterator Suite", 1, Object) \
    X(WordsIterator, "ATE Words Iterator Suite", 1, Object) \
    X(TextRunsIterator, "ATE Text Runs Iterator Suite", 1, Object) \
    X(GlyphRun, "ATE Glyph Run Suite", 1, Object) \
    X(GlyphRunsIterator, "ATE Glyph Runs Iterator Suite", 1, Object) \
    X(Glyph, "ATE Glyph Suite", 1, Object) \
    X(Glyphs, "ATE Glyphs Suite", 1, Object) \
    X(GlyphsIterator, "ATE Glyphs Iterator Suite", 1, Object) \
    X(CharFeatures, "ATE Char Features Suite", 101, CharFeatures) \
    X(CharInspector, "ATE Char Inspector Suite", 101, Object) \
    X(CharStyle, "ATE Char Style Suite", 1, Object) \
    X(CharStyles, "ATE Char Styles Suite", 1, Object) \
    X(CharStylesIterator, "ATE Char Styles Iterator Suite", 1, Object) \
    X(ParaFeatures, "ATE Para Features Suite", 101, ParaFeatures) \
    X(ParaInspector, "ATE Para Inspector Suite", 101, Object) \
    X(ParaStyle, "ATE Para Style Suite", 1, Object) \
    X(ParaStyles, "ATE Para Styles Suite", 1, Object) \
    X(ParaStylesIterator, "ATE Para Styles Iterator Suite", 1, Object) \
    X(TabStop, "ATE Tab Stop Suite", 1, Object) \
    X(TabStops, "ATE Tab Stops Suite", 1, Object) \
    X(TabStopsIterator, "ATE Tab Stops Iterator Suite", 1, Object) \
    X(Font, "ATE Font Suite", 1, Font) \
    X(CompositeFont, "ATE Composite Font Suite", 1, Object) \
    X(CompositeFontSet, "ATE Composite Font Set Suite", 1, Object) \
    X(ApplicationPaint, "ATE Application Paint Suite", 1, ApplicationPaint) \
    X(Find, "ATE Find Suite", 101, Object) \
    X(Spell, "ATE Spell Suite", 101, Object) \
    X(Hyphenation, "ATE Hyphenation Suite", 1, Object) \
    X(LineBreakRules, "ATE Line Break Rules Suite", 1, Object) \
    X(LineBreakRulesSet, "ATE Line Break Rules Set Suite", 1, Object) \
    X(TextFlow, "ATE Text Flow Suite", 1, Object) \
    X(Selection, "ATE Selection Suite", 1, Object) \
    X(ArrayInteger, "ATE Array Integer Suite", 1, Array) \
    X(ArrayReal, "ATE Array Real Suite", 1, Array) \
    X(ArrayBool, "ATE Array Bool Suite", 1, Array) \
    X(ArrayRealArray, "ATE Array Real Array Suite", 1, Array) \
    X(ArrayRealPoint, "ATE Array Real Point Suite", 1, Array) \
    X(ArrayRealMatrix, "ATE Array Real Matrix Suite", 1, Array) \
    X(ArrayFontRef, "ATE Array Font Ref Suite", 1, Array) \
    X(ArrayApplicationPaintRef, "ATE Array Application Paint Ref Suite", 1, Array) \
    X(ArrayTabStopsRef, "ATE Array Tab Stops Ref Suite", 1, Array) \
    X(ArrayCharStyleRef, "ATE Array Char Style Ref Suite", 1, Array) \
    X(ArrayParaStyleRef, "ATE Array Para Style Ref Suite", 1, Array) \
    X(ArrayTextFrameRef, "ATE Array Text Frame Ref Suite", 1, Array) \
    X(ArrayStoryRef, "ATE Array Story Ref Suite", 1, Array) \
    X(ArrayTextRangeRef, "ATE Array Text Range Ref Suite", 1, Array) \
    X(ArrayLineBreakRulesRef, "ATE Array Line Break Rules Ref Suite", 1, Array) \
    X(ArrayLeadingType, "ATE Array Leading Type Suite", 1, Array) \
    X(ArrayJustification, "ATE Array Justification Suite", 1, Array) \
    X(ArrayJustificationMethod, "ATE Array Justification Method Suite", 1, Array) \
    X(ArrayLineCap, "ATE Array Line Cap Suite", 1, Array) \
    X(ArrayLineJoin, "ATE Array Line Join Suite", 1, Array) \
    X(ArrayBaselineDirection, "ATE Array Baseline Direction Suite", 1, Array) \
    X(ArrayCapsOption, "ATE Array Caps Option Suite", 1, Array) \
    X(ArrayBaselineOption, "ATE Array Baseline Option Suite", 1, Array) \
    X(ArrayPositionOption, "ATE Array Position Option Suite", 1, Array) \
    X(ArrayUnderlinePosition, "ATE Array Underline Position Suite", 1, Array) \
    X(ArrayStrikethroughPosition, "ATE Array Strikethrough Position Suite", 1, Array) \
    X(ArrayLanguage, "ATE Array Language Suite", 1, Array) \
    X(ArrayFigureStyle, "ATE Array Figure Style Suite", 1, Array) \
    X(ArrayAutoKern, "ATE Array Auto Kern Suite", 1, Array) \
    X(ArrayParagraphDirection, "ATE Array Paragraph Direction Suite", 1, Array) \
    X(ArrayCharacterDirection, "ATE Array Character Direction Suite", 1, Array) \
    X(ArrayComposer, "ATE Array Composer Suite", 1, Array) \
    X(ArrayDigitSet, "ATE Array Digit Set Suite", 1, Array) \
    X(ArrayGlyphID, "ATE Array Glyph ID Suite", 1, Array) \
    X(ArrayTextOrientation, "ATE Array Text Orientation Suite", 1, Array) \
    X(ArrayAlignment, "ATE Array Alignment Suite", 1, Array) \
    X(ArrayHyphenationZone, "ATE Array Hyphenation Zone Suite", 1, Array) \
    X(ArrayKerning, "ATE Array Kerning Suite", 1, Array) \
    X(ArrayWordSpacing, "ATE Array Word Spacing Suite", 1, Array)

/* The layout most object suites share. */
typedef struct ATEObjectSuite {
    ASErr (*AddRef)(void* object);
    ASErr (*Release)(void* object);
} ATEObjectSuite;

/* The layout every typed-array suite shares. */
typedef struct ATEArraySuite {
    ASErr (*AddRef)(void* array);
    ASErr (*Release)(void* array);
    ASErr (*GetSize)(void* array, ai_int32* size);
} ATEArraySuite;

typedef struct ATETextFrameSuite {
    ASErr (*AddRef)(TextFrameRef frame);
    ASErr (*Release)(TextFrameRef frame);
    ASErr (*GetTextRange)(TextFrameRef frame, TextRangeRef* range);
} ATETextFrameSuite;

typedef struct ATETextRangeSuite {
    ASErr (*AddRef)(TextRangeRef range);
    ASErr (*Release)(TextRangeRef range);
    /* The number of UTF-16 units in the range. */
    ASErr (*GetSize)(TextRangeRef range, ai_int32* size);
    /* Copies at most `capacity` units, not ended by 0; *length is the number copied. */
    ASErr (*GetContents)(TextRangeRef range, ASUnicode* text, ai_int32 capacity, ai_int32* length);
    /* Removes the text of the range; the range is then empty. */
    ASErr (*Remove)(TextRangeRef range);
    /* Inserts after the range's end; `length` -1: up to a 0 unit. */
    ASErr (*InsertAfter)(TextRangeRef range, const ASUnicode* text, ai_int32 length);
    /* Gives the range's characters every feature that `features` assigns. */
    ASErr (*SetLocalCharFeatures)(TextRangeRef range, CharFeaturesRef features);
    ASErr (*SetLocalParaFeatures)(TextRangeRef range, ParaFeaturesRef features);
} ATETextRangeSuite;

/* A set of character features, each unassigned until set. */
typedef struct ATECharFeaturesSuite {
    ASErr (*Initialize)(CharFeaturesRef* features);
    ASErr (*AddRef)(CharFeaturesRef features);
    ASErr (*Release)(CharFeaturesRef features);
    ASErr (*SetFont)(CharFeaturesRef features, FontRef font);
    ASErr (*SetFontSize)(CharFeaturesRef features, AIReal size);
    /* Thousandths of an em. */
    ASErr (*SetTracking)(CharFeaturesRef features, ai_int32 tracking);
    ASErr (*SetFillColor)(CharFeaturesRef features, ApplicationPaintRef paint);
} ATECharFeaturesSuite;

typedef struct ATEParaFeaturesSuite {
    ASErr (*Initialize)(ParaFeaturesRef* features);
    ASErr (*AddRef)(ParaFeaturesRef features);
    ASErr (*Release)(ParaFeaturesRef features);
    ASErr (*SetJustification)(ParaFeaturesRef features, ATEParagraphJustification justification);
    ASErr (*SetFirstLineIndent)(ParaFeaturesRef features, AIReal indent);
    ASErr (*SetStartIndent)(ParaFeaturesRef features, AIReal indent);
    ASErr (*SetLeadingType)(ParaFeaturesRef features, ATELeadingType type);
} ATEParaFeaturesSuite;

typedef struct ATEFontSuite {
    ASErr (*AddRef)(FontRef font);
    ASErr (*Release)(FontRef font);
} ATEFontSuite;

typedef struct ATEApplicationPaintSuite {
    ASErr (*AddRef)(ApplicationPaintRef paint);
    ASErr (*Release)(ApplicationPaintRef paint);
} ATEApplicationPaintSuite;

#ifdef __cplusplus
}
#endif

#endif
