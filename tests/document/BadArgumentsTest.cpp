// What every document suite answers to handles and arguments a real host would refuse: one
// table, one row per call, each with the one thing wrong with it. Nothing may crash, and no
// refused call may change the document or the text engine.
#include "DocumentSuites.h"

#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>

namespace {

using BadArguments = testing_document::DocumentSuites;

struct Row {
    std::string what;
    std::function<ASErr()> call;
    ASErr expected;
};

template <typename Handle>
struct Bad {
    const char* what;
    Handle handle;
};

template <typename Handle>
using Operations = std::vector<std::pair<const char*, std::function<ASErr(Handle)>>>;

// Every operation on every bad handle: a row each, refused as a bad handle.
template <typename Handle>
void addEach(std::vector<Row>& rows, const std::vector<Bad<Handle>>& bads, const Operations<Handle>& operations)
{
    for (const auto& bad : bads)
        for (const auto& [name, call] : operations)
            rows.push_back({std::string(name) + " of " + bad.what, [call = call, h = bad.handle] { return call(h); }, kBadHandleErr});
}

// Any handle or number as a handle of another type.
template <typename To, typename From>
To as(From from)
{
    if constexpr (std::is_pointer_v<From>)
        return reinterpret_cast<To>(reinterpret_cast<uintptr_t>(from));
    else
        return reinterpret_cast<To>(static_cast<uintptr_t>(from));
}

TEST_F(BadArguments, EverySuiteRefusesBadHandlesAndArguments)
{
    // Live things of every kind, and dead or foreign ones.
    const AIArtHandle group = make(kGroupArt, kPlaceInsideOnTop, layerGroup());
    const AIArtHandle line = make(kPathArt, kPlaceInsideOnTop, group);
    ASSERT_EQ(path->SetPathSegmentCount(line, 2), kNoErr);
    const AIPathSegment ends[2] = {{{1, 2}, {1, 2}, {1, 2}, true}, {{3, 4}, {3, 4}, {3, 4}, true}};
    ASSERT_EQ(path->SetPathSegments(line, 0, 2, ends), kNoErr);
    const AIArtHandle text = pointText(group);
    AIArtHandle stale = make(kPathArt, kPlaceInsideOnTop, group);
    ASSERT_EQ(art->DisposeArt(stale), kNoErr);

    AILayerHandle liveLayer = nullptr;
    ASSERT_EQ(layer->GetCurrentLayer(&liveLayer), kNoErr);
    AILayerHandle staleLayer = nullptr;
    ASSERT_EQ(layer->InsertLayer(liveLayer, kPlaceAbove, &staleLayer), kNoErr);
    ASSERT_EQ(layer->DeleteLayer(staleLayer), kNoErr);
    AIDocumentHandle documentHandle = nullptr;
    ASSERT_EQ(document->GetDocument(&documentHandle), kNoErr);

    TextRangeRef liveRange = nullptr;
    ASSERT_EQ(textFrame->GetATETextRange(text, &liveRange), kNoErr);
    TextRangeRef staleRange = nullptr;
    ASSERT_EQ(textFrame->GetATETextRange(text, &staleRange), kNoErr);
    ASSERT_EQ(range->Release(staleRange), kNoErr);
    CharFeaturesRef liveChars = nullptr;
    ASSERT_EQ(chars->Initialize(&liveChars), kNoErr);
    CharFeaturesRef staleChars = nullptr;
    ASSERT_EQ(chars->Initialize(&staleChars), kNoErr);
    ASSERT_EQ(chars->Release(staleChars), kNoErr);
    ParaFeaturesRef liveParas = nullptr;
    ASSERT_EQ(paras->Initialize(&liveParas), kNoErr);
    AIFontKey liveKey = nullptr;
    ASSERT_EQ(font->IndexUserFontList(0, &liveKey), kNoErr);
    FontRef liveFont = nullptr;
    ASSERT_EQ(font->FontFromFontKey(liveKey, &liveFont), kNoErr);
    AIColor gray{};
    gray.kind = kGrayColor;
    gray.c.g.gray = 0.5f;
    ApplicationPaintRef livePaint = nullptr;
    ASSERT_EQ(paint->CreateATEApplicationPaint(&gray, &livePaint), kNoErr);
    host::doc::TextEngine::Object frameObject;
    frameObject.kind = host::doc::TextEngine::Kind::Frame;
    frameObject.frame = text;
    const auto liveFrame = static_cast<TextFrameRef>(host.textEngine().make(frameObject));
    AIUnicodeStringRef liveString = nullptr;
    ASSERT_EQ(unicode->Initialize(&liveString, "abc", -1), kNoErr);
    AIUnicodeStringRef staleString = nullptr;
    ASSERT_EQ(unicode->Initialize(&staleString, "abc", -1), kNoErr);
    ASSERT_EQ(unicode->Destroy(staleString), kNoErr);

    const size_t artBefore = host.document().artCount();
    const int64_t referencesBefore = host.textEngine().liveReferences();
    const uintptr_t madeUp = 0xDEADBEEF;

    // Where the calls write when they are wrongly let through.
    AIArtHandle outArt = nullptr;
    AIArtType outType = 0;
    const char* outName = nullptr;
    AIRealRect outRect{};
    AIRealPoint outPoint{};
    AIPathSegment segments[4] = {};
    ai_int16 outCount = 0;
    ASBoolean outFlag = 0;
    AIPathStyle style = host.document().currentPathStyle();
    const AIRealMatrix identity{1, 0, 0, 1, 0, 0};
    AIRealMatrix outMatrix{};
    AILayerHandle outLayer = nullptr;
    char title[64] = {};
    AIRGBColor outRgb{};
    ai_int32 outInt = 0;
    TextRangeRef outRange = nullptr;
    ASUnicode outUnits[8] = {};
    const ASUnicode someUnits[] = {'a', 'b', 0};
    FontRef outFont = nullptr;
    AIFontKey outKey = nullptr;
    ApplicationPaintRef outPaint = nullptr;
    AIColor outColor{};
    AIUnicodeStringRef outString = nullptr;
    const ASUnicode* outUtf16 = nullptr;
    const char* outUtf8 = nullptr;
    const AIReal nan = std::numeric_limits<AIReal>::quiet_NaN();
    const AIReal inf = std::numeric_limits<AIReal>::infinity();

    std::vector<Row> rows;
    auto add = [&](std::string what, std::function<ASErr()> call, ASErr expected) {
        rows.push_back({std::move(what), std::move(call), expected});
    };

    // Handles that are not live art, or not of the kind the operation wants.
    const std::vector<Bad<AIArtHandle>> badArt = {
        {"null", nullptr},
        {"disposed", stale},
        {"made up", as<AIArtHandle>(madeUp)},
        {"a layer", as<AIArtHandle>(liveLayer)},
        {"the document", as<AIArtHandle>(documentHandle)},
        {"a text range", as<AIArtHandle>(liveRange)},
    };
    const Operations<AIArtHandle> artOperations = {
        {"NewArt inside", [&](AIArtHandle h) { return art->NewArt(kPathArt, kPlaceInsideOnTop, h, &outArt); }},
        {"NewArt above", [&](AIArtHandle h) { return art->NewArt(kGroupArt, kPlaceAbove, h, &outArt); }},
        {"DisposeArt", [&](AIArtHandle h) { return art->DisposeArt(h); }},
        {"GetArtType", [&](AIArtHandle h) { return art->GetArtType(h, &outType); }},
        {"GetArtParent", [&](AIArtHandle h) { return art->GetArtParent(h, &outArt); }},
        {"GetArtFirstChild", [&](AIArtHandle h) { return art->GetArtFirstChild(h, &outArt); }},
        {"GetArtSibling", [&](AIArtHandle h) { return art->GetArtSibling(h, &outArt); }},
        {"SetArtName", [&](AIArtHandle h) { return art->SetArtName(h, "x"); }},
        {"GetArtName", [&](AIArtHandle h) { return art->GetArtName(h, &outName); }},
        {"GetArtBounds", [&](AIArtHandle h) { return art->GetArtBounds(h, &outRect); }},
        {"TransformArt", [&](AIArtHandle h) { return transform->TransformArt(h, &identity, 0, kTransformObjects); }},
        {"NewPointText", [&](AIArtHandle h) { return textFrame->NewPointText(kPlaceInsideOnTop, h, 0, {0, 0}, &outArt); }},
    };
    const Operations<AIArtHandle> pathOperations = {
        {"GetPathSegmentCount", [&](AIArtHandle h) { return path->GetPathSegmentCount(h, &outCount); }},
        {"SetPathSegmentCount", [&](AIArtHandle h) { return path->SetPathSegmentCount(h, 1); }},
        {"GetPathSegments", [&](AIArtHandle h) { return path->GetPathSegments(h, 0, 0, segments); }},
        {"SetPathSegments", [&](AIArtHandle h) { return path->SetPathSegments(h, 0, 0, segments); }},
        {"GetPathClosed", [&](AIArtHandle h) { return path->GetPathClosed(h, &outFlag); }},
        {"SetPathClosed", [&](AIArtHandle h) { return path->SetPathClosed(h, true); }},
        {"SetPathCenterPointVisible", [&](AIArtHandle h) { return path->SetPathCenterPointVisible(h, true); }},
        {"GetPathStyle", [&](AIArtHandle h) { return pathStyle->GetPathStyle(h, &style); }},
        {"SetPathStyle", [&](AIArtHandle h) { return pathStyle->SetPathStyle(h, &style); }},
    };
    const Operations<AIArtHandle> textOperations = {
        {"GetATETextRange", [&](AIArtHandle h) { return textFrame->GetATETextRange(h, &outRange); }},
        {"GetPointTextAnchor", [&](AIArtHandle h) { return textFrame->GetPointTextAnchor(h, &outPoint); }},
    };
    for (const auto* operations : {&artOperations, &pathOperations, &textOperations})
        addEach(rows, badArt, *operations);
    addEach<AIArtHandle>(rows, {{"a group", group}, {"point text", text}}, pathOperations);
    addEach<AIArtHandle>(rows, {{"a path", line}, {"a group", group}}, textOperations);

    // Layers that are not live.
    addEach<AILayerHandle>(rows,
        {{"null", nullptr}, {"deleted", staleLayer}, {"made up", as<AILayerHandle>(madeUp)}, {"art", as<AILayerHandle>(group)}},
        {{"SetCurrentLayer", [&](AILayerHandle h) { return layer->SetCurrentLayer(h); }},
         {"GetLayerTitle", [&](AILayerHandle h) { return layer->GetLayerTitle(h, title, sizeof title); }},
         {"SetLayerTitle", [&](AILayerHandle h) { return layer->SetLayerTitle(h, "x"); }},
         {"GetLayerEditable", [&](AILayerHandle h) { return layer->GetLayerEditable(h, &outFlag); }},
         {"SetLayerEditable", [&](AILayerHandle h) { return layer->SetLayerEditable(h, false); }},
         {"GetLayerVisible", [&](AILayerHandle h) { return layer->GetLayerVisible(h, &outFlag); }},
         {"SetLayerVisible", [&](AILayerHandle h) { return layer->SetLayerVisible(h, false); }},
         {"GetLayerColor", [&](AILayerHandle h) { return layer->GetLayerColor(h, &outRgb); }},
         {"InsertLayer above", [&](AILayerHandle h) { return layer->InsertLayer(h, kPlaceAbove, &outLayer); }},
         {"DeleteLayer", [&](AILayerHandle h) { return layer->DeleteLayer(h); }},
         {"GetFirstArtOfLayer", [&](AILayerHandle h) { return art->GetFirstArtOfLayer(h, &outArt); }}});

    // Text-engine references that are not live, or of another kind.
    addEach<TextRangeRef>(rows,
        {{"null", nullptr}, {"released", staleRange}, {"made up", as<TextRangeRef>(madeUp)},
         {"char features", as<TextRangeRef>(liveChars)}, {"art", as<TextRangeRef>(text)}},
        {{"range AddRef", [&](TextRangeRef h) { return range->AddRef(h); }},
         {"range Release", [&](TextRangeRef h) { return range->Release(h); }},
         {"GetSize", [&](TextRangeRef h) { return range->GetSize(h, &outInt); }},
         {"GetContents", [&](TextRangeRef h) { return range->GetContents(h, outUnits, 8, &outInt); }},
         {"Remove", [&](TextRangeRef h) { return range->Remove(h); }},
         {"InsertAfter", [&](TextRangeRef h) { return range->InsertAfter(h, someUnits, -1); }},
         {"SetLocalCharFeatures", [&](TextRangeRef h) { return range->SetLocalCharFeatures(h, liveChars); }},
         {"SetLocalParaFeatures", [&](TextRangeRef h) { return range->SetLocalParaFeatures(h, liveParas); }}});
    addEach<CharFeaturesRef>(rows,
        {{"null", nullptr}, {"released", staleChars}, {"a range", as<CharFeaturesRef>(liveRange)},
         {"para features", as<CharFeaturesRef>(liveParas)}, {"a font", as<CharFeaturesRef>(liveFont)}},
        {{"chars AddRef", [&](CharFeaturesRef h) { return chars->AddRef(h); }},
         {"chars Release", [&](CharFeaturesRef h) { return chars->Release(h); }},
         {"SetFont", [&](CharFeaturesRef h) { return chars->SetFont(h, liveFont); }},
         {"SetFontSize", [&](CharFeaturesRef h) { return chars->SetFontSize(h, 12); }},
         {"SetTracking", [&](CharFeaturesRef h) { return chars->SetTracking(h, 0); }},
         {"SetFillColor", [&](CharFeaturesRef h) { return chars->SetFillColor(h, livePaint); }},
         {"SetLocalCharFeatures with", [&](CharFeaturesRef h) { return range->SetLocalCharFeatures(liveRange, h); }}});
    addEach<ParaFeaturesRef>(rows,
        {{"null", nullptr}, {"made up", as<ParaFeaturesRef>(madeUp)}, {"char features", as<ParaFeaturesRef>(liveChars)}},
        {{"paras AddRef", [&](ParaFeaturesRef h) { return paras->AddRef(h); }},
         {"paras Release", [&](ParaFeaturesRef h) { return paras->Release(h); }},
         {"SetJustification", [&](ParaFeaturesRef h) { return paras->SetJustification(h, kCenterJustify); }},
         {"SetFirstLineIndent", [&](ParaFeaturesRef h) { return paras->SetFirstLineIndent(h, 0); }},
         {"SetStartIndent", [&](ParaFeaturesRef h) { return paras->SetStartIndent(h, 0); }},
         {"SetLeadingType", [&](ParaFeaturesRef h) { return paras->SetLeadingType(h, kRomanLeadingType); }},
         {"SetLocalParaFeatures with", [&](ParaFeaturesRef h) { return range->SetLocalParaFeatures(liveRange, h); }}});
    addEach<FontRef>(rows,
        {{"null", nullptr}, {"made up", as<FontRef>(madeUp)}, {"a paint", as<FontRef>(livePaint)}, {"a font key", as<FontRef>(liveKey)}},
        {{"font AddRef", [&](FontRef h) { return ateFont->AddRef(h); }},
         {"font Release", [&](FontRef h) { return ateFont->Release(h); }},
         {"SetFont to", [&](FontRef h) { return chars->SetFont(liveChars, h); }}});
    addEach<ApplicationPaintRef>(rows,
        {{"null", nullptr}, {"made up", as<ApplicationPaintRef>(madeUp)}, {"a font", as<ApplicationPaintRef>(liveFont)}},
        {{"paint AddRef", [&](ApplicationPaintRef h) { return atePaint->AddRef(h); }},
         {"paint Release", [&](ApplicationPaintRef h) { return atePaint->Release(h); }},
         {"GetAIColor", [&](ApplicationPaintRef h) { return paint->GetAIColor(h, &outColor); }},
         {"SetFillColor to", [&](ApplicationPaintRef h) { return chars->SetFillColor(liveChars, h); }}});
    addEach<TextFrameRef>(rows,
        {{"null", nullptr}, {"made up", as<TextFrameRef>(madeUp)}, {"a range", as<TextFrameRef>(liveRange)}, {"art", as<TextFrameRef>(text)}},
        {{"frame AddRef", [&](TextFrameRef h) { return ateFrame->AddRef(h); }},
         {"frame Release", [&](TextFrameRef h) { return ateFrame->Release(h); }},
         {"frame GetTextRange", [&](TextFrameRef h) { return ateFrame->GetTextRange(h, &outRange); }}});
    addEach<AIUnicodeStringRef>(rows,
        {{"null", nullptr}, {"destroyed", staleString}, {"made up", as<AIUnicodeStringRef>(madeUp)},
         {"a range", as<AIUnicodeStringRef>(liveRange)}},
        {{"Destroy", [&](AIUnicodeStringRef h) { return unicode->Destroy(h); }},
         {"UTF16Buffer", [&](AIUnicodeStringRef h) { return unicode->UTF16Buffer(h, &outUtf16, &outInt); }},
         {"UTF8Buffer", [&](AIUnicodeStringRef h) { return unicode->UTF8Buffer(h, &outUtf8, &outInt); }},
         {"Length", [&](AIUnicodeStringRef h) { return unicode->Length(h, &outInt); }}});
    addEach<AIFontKey>(rows,
        {{"null", nullptr}, {"past the list", as<AIFontKey>(uintptr_t{4})}, {"made up", as<AIFontKey>(madeUp)}},
        {{"GetFontName", [&](AIFontKey h) { return font->GetFontName(h, title, sizeof title); }},
         {"FontFromFontKey", [&](AIFontKey h) { return font->FontFromFontKey(h, &outFont); }}});

    // Live handles with an argument that is wrong: null out pointers, indices and counts
    // outside, numbers that are not finite, values outside their enumerations.
    const AIReal max = std::numeric_limits<AIReal>::max();
    const AIRealMatrix huge{max, 0, 0, 1, max, 0}; // finite, but not what it makes of the line
    AIColor pattern{};
    pattern.kind = kPattern;
    AIColor nanGray = gray;
    nanGray.c.g.gray = nan;
    const std::vector<Row> parameters = {
        {"NewArt to null", [&] { return art->NewArt(kPathArt, kPlaceInsideOnTop, group, nullptr); }, kBadParameterErr},
        {"NewArt of type 42", [&] { return art->NewArt(42, kPlaceInsideOnTop, group, &outArt); }, kBadParameterErr},
        {"NewArt of order 0", [&] { return art->NewArt(kPathArt, 0, group, &outArt); }, kBadParameterErr},
        {"NewArt of point text", [&] { return art->NewArt(kTextFrameArt, kPlaceInsideOnTop, group, &outArt); }, kBadParameterErr},
        {"NewArt inside a path", [&] { return art->NewArt(kPathArt, kPlaceInsideOnTop, line, &outArt); }, kBadParameterErr},
        {"NewArt beside a layer's group", [&] { return art->NewArt(kPathArt, kPlaceBelow, layerGroup(), &outArt); }, kBadParameterErr},
        {"DisposeArt of a layer's group", [&] { return art->DisposeArt(layerGroup()); }, kBadParameterErr},
        {"GetArtType to null", [&] { return art->GetArtType(group, nullptr); }, kBadParameterErr},
        {"GetArtParent to null", [&] { return art->GetArtParent(group, nullptr); }, kBadParameterErr},
        {"GetArtFirstChild to null", [&] { return art->GetArtFirstChild(group, nullptr); }, kBadParameterErr},
        {"GetArtSibling to null", [&] { return art->GetArtSibling(group, nullptr); }, kBadParameterErr},
        {"GetFirstArtOfLayer to null", [&] { return art->GetFirstArtOfLayer(liveLayer, nullptr); }, kBadParameterErr},
        {"SetArtName of null", [&] { return art->SetArtName(group, nullptr); }, kBadParameterErr},
        {"GetArtName to null", [&] { return art->GetArtName(group, nullptr); }, kBadParameterErr},
        {"GetArtBounds to null", [&] { return art->GetArtBounds(group, nullptr); }, kBadParameterErr},
        {"GetPathSegmentCount to null", [&] { return path->GetPathSegmentCount(line, nullptr); }, kBadParameterErr},
        {"SetPathSegmentCount -1", [&] { return path->SetPathSegmentCount(line, -1); }, kBadParameterErr},
        {"GetPathSegments past the end", [&] { return path->GetPathSegments(line, 1, 2, segments); }, kBadParameterErr},
        {"GetPathSegments from -1", [&] { return path->GetPathSegments(line, -1, 1, segments); }, kBadParameterErr},
        {"GetPathSegments of -1", [&] { return path->GetPathSegments(line, 0, -1, segments); }, kBadParameterErr},
        {"GetPathSegments to null", [&] { return path->GetPathSegments(line, 0, 1, nullptr); }, kBadParameterErr},
        {"SetPathSegments past the end", [&] { return path->SetPathSegments(line, 0, 3, segments); }, kBadParameterErr},
        {"SetPathSegments of null", [&] { return path->SetPathSegments(line, 0, 1, nullptr); }, kBadParameterErr},
        {"SetPathSegments from -1", [&] { return path->SetPathSegments(line, -1, 1, ends); }, kBadParameterErr},
        {"GetPathClosed to null", [&] { return path->GetPathClosed(line, nullptr); }, kBadParameterErr},
        {"GetCurrentPathStyle to null", [&] { return pathStyle->GetCurrentPathStyle(nullptr); }, kBadParameterErr},
        {"GetPathStyle to null", [&] { return pathStyle->GetPathStyle(line, nullptr); }, kBadParameterErr},
        {"SetPathStyle of null", [&] { return pathStyle->SetPathStyle(line, nullptr); }, kBadParameterErr},
        {"TransformArt by null", [&] { return transform->TransformArt(group, nullptr, 0, kTransformObjects); }, kBadParameterErr},
        {"TransformArt past a float", [&] { return transform->TransformArt(group, &huge, 0, kTransformObjects); }, kBadParameterErr},
        {"TransformArt line scale NaN", [&] { return transform->TransformArt(group, &identity, nan, kScaleLines); }, kBadParameterErr},
        {"TransformArt line scale -1", [&] { return transform->TransformArt(group, &identity, -1, kTransformObjects | kScaleLines); }, kBadParameterErr},
        {"AIRealMatrixSetIdentity of null", [&] { return math->AIRealMatrixSetIdentity(nullptr); }, kBadParameterErr},
        {"AIRealMatrixSetTranslate of null", [&] { return math->AIRealMatrixSetTranslate(nullptr, 1, 2); }, kBadParameterErr},
        {"AIRealMatrixConcatTranslate of null", [&] { return math->AIRealMatrixConcatTranslate(nullptr, 1, 2); }, kBadParameterErr},
        {"AIRealPointTransform of null", [&] { return math->AIRealPointTransform(nullptr, &identity, &outPoint); }, kBadParameterErr},
        {"AIRealPointTransform by null", [&] { return math->AIRealPointTransform(&outPoint, nullptr, &outPoint); }, kBadParameterErr},
        {"AIRealPointTransform to null", [&] { return math->AIRealPointTransform(&outPoint, &outMatrix, nullptr); }, kBadParameterErr},
        {"CountLayers to null", [&] { return layer->CountLayers(nullptr); }, kBadParameterErr},
        {"GetNthLayer -1", [&] { return layer->GetNthLayer(-1, &outLayer); }, kBadParameterErr},
        {"GetNthLayer past the stack", [&] { return layer->GetNthLayer(1, &outLayer); }, kBadParameterErr},
        {"GetNthLayer to null", [&] { return layer->GetNthLayer(0, nullptr); }, kBadParameterErr},
        {"GetCurrentLayer to null", [&] { return layer->GetCurrentLayer(nullptr); }, kBadParameterErr},
        {"GetLayerByTitle to null", [&] { return layer->GetLayerByTitle(nullptr, "Layer 1"); }, kBadParameterErr},
        {"GetLayerByTitle of null", [&] { return layer->GetLayerByTitle(&outLayer, nullptr); }, kBadParameterErr},
        {"GetLayerByTitle no such", [&] { return layer->GetLayerByTitle(&outLayer, "Varo-Table"); }, kNameNotFoundErr},
        {"GetLayerTitle to null", [&] { return layer->GetLayerTitle(liveLayer, nullptr, 10); }, kBadParameterErr},
        {"GetLayerTitle length 0", [&] { return layer->GetLayerTitle(liveLayer, title, 0); }, kBadParameterErr},
        {"GetLayerTitle length -5", [&] { return layer->GetLayerTitle(liveLayer, title, -5); }, kBadParameterErr},
        {"SetLayerTitle of null", [&] { return layer->SetLayerTitle(liveLayer, nullptr); }, kBadParameterErr},
        {"GetLayerEditable to null", [&] { return layer->GetLayerEditable(liveLayer, nullptr); }, kBadParameterErr},
        {"GetLayerVisible to null", [&] { return layer->GetLayerVisible(liveLayer, nullptr); }, kBadParameterErr},
        {"GetLayerColor to null", [&] { return layer->GetLayerColor(liveLayer, nullptr); }, kBadParameterErr},
        {"InsertLayer to null", [&] { return layer->InsertLayer(liveLayer, kPlaceAbove, nullptr); }, kBadParameterErr},
        {"InsertLayer inside", [&] { return layer->InsertLayer(liveLayer, kPlaceInsideOnTop, &outLayer); }, kBadParameterErr},
        {"InsertLayer of order 42", [&] { return layer->InsertLayer(liveLayer, 42, &outLayer); }, kBadParameterErr},
        {"DeleteLayer the last one", [&] { return layer->DeleteLayer(liveLayer); }, kBadParameterErr},
        {"GetDocument to null", [&] { return document->GetDocument(nullptr); }, kBadParameterErr},
        {"GetDocumentModified to null", [&] { return document->GetDocumentModified(nullptr); }, kBadParameterErr},
        {"CountArtboards to null", [&] { return artboard->CountArtboards(nullptr); }, kBadParameterErr},
        {"GetArtboardBounds 1", [&] { return artboard->GetArtboardBounds(1, &outRect); }, kBadParameterErr},
        {"GetArtboardBounds -1", [&] { return artboard->GetArtboardBounds(-1, &outRect); }, kBadParameterErr},
        {"GetArtboardBounds to null", [&] { return artboard->GetArtboardBounds(0, nullptr); }, kBadParameterErr},
        {"NewPointText to null", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, group, 0, {0, 0}, nullptr); }, kBadParameterErr},
        {"NewPointText orientation 5", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, group, 5, {0, 0}, &outArt); }, kBadParameterErr},
        {"NewPointText at NaN", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, group, 0, {nan, 0}, &outArt); }, kBadParameterErr},
        {"NewPointText inside a path", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, line, 0, {0, 0}, &outArt); }, kBadParameterErr},
        {"GetATETextRange to null", [&] { return textFrame->GetATETextRange(text, nullptr); }, kBadParameterErr},
        {"GetPointTextAnchor to null", [&] { return textFrame->GetPointTextAnchor(text, nullptr); }, kBadParameterErr},
        {"CreateATEApplicationPaint of null", [&] { return paint->CreateATEApplicationPaint(nullptr, &outPaint); }, kBadParameterErr},
        {"CreateATEApplicationPaint to null", [&] { return paint->CreateATEApplicationPaint(&gray, nullptr); }, kBadParameterErr},
        {"CreateATEApplicationPaint of a pattern", [&] { return paint->CreateATEApplicationPaint(&pattern, &outPaint); }, kBadParameterErr},
        {"CreateATEApplicationPaint of NaN", [&] { return paint->CreateATEApplicationPaint(&nanGray, &outPaint); }, kBadParameterErr},
        {"GetAIColor to null", [&] { return paint->GetAIColor(livePaint, nullptr); }, kBadParameterErr},
        {"Initialize to null", [&] { return unicode->Initialize(nullptr, "a", -1); }, kBadParameterErr},
        {"Initialize of null", [&] { return unicode->Initialize(&outString, nullptr, -1); }, kBadParameterErr},
        {"Initialize of length -2", [&] { return unicode->Initialize(&outString, "a", -2); }, kBadParameterErr},
        {"Initialize of bad UTF-8", [&] { return unicode->Initialize(&outString, "\xC0\x80", -1); }, kBadParameterErr},
        {"UTF16Buffer to null", [&] { return unicode->UTF16Buffer(liveString, nullptr, &outInt); }, kBadParameterErr},
        {"UTF16Buffer length to null", [&] { return unicode->UTF16Buffer(liveString, &outUtf16, nullptr); }, kBadParameterErr},
        {"UTF8Buffer to null", [&] { return unicode->UTF8Buffer(liveString, nullptr, &outInt); }, kBadParameterErr},
        {"Length to null", [&] { return unicode->Length(liveString, nullptr); }, kBadParameterErr},
        {"CountFonts to null", [&] { return font->CountFonts(nullptr); }, kBadParameterErr},
        {"IndexUserFontList to null", [&] { return font->IndexUserFontList(0, nullptr); }, kBadParameterErr},
        {"IndexUserFontList -1", [&] { return font->IndexUserFontList(-1, &outKey); }, kBadParameterErr},
        {"IndexUserFontList past the list", [&] { return font->IndexUserFontList(3, &outKey); }, kBadParameterErr},
        {"GetFontKeyByNumber to null", [&] { return font->GetFontKeyByNumber(0, nullptr); }, kBadParameterErr},
        {"GetFontKeyByNumber no such", [&] { return font->GetFontKeyByNumber(3, &outKey); }, kNameNotFoundErr},
        {"GetFontName to null", [&] { return font->GetFontName(liveKey, nullptr, 10); }, kBadParameterErr},
        {"GetFontName length 0", [&] { return font->GetFontName(liveKey, title, 0); }, kBadParameterErr},
        {"FontFromFontKey to null", [&] { return font->FontFromFontKey(liveKey, nullptr); }, kBadParameterErr},
        {"frame GetTextRange to null", [&] { return ateFrame->GetTextRange(liveFrame, nullptr); }, kBadParameterErr},
        {"GetSize to null", [&] { return range->GetSize(liveRange, nullptr); }, kBadParameterErr},
        {"GetContents to null", [&] { return range->GetContents(liveRange, nullptr, 8, &outInt); }, kBadParameterErr},
        {"GetContents length to null", [&] { return range->GetContents(liveRange, outUnits, 8, nullptr); }, kBadParameterErr},
        {"GetContents capacity -1", [&] { return range->GetContents(liveRange, outUnits, -1, &outInt); }, kBadParameterErr},
        {"InsertAfter of null", [&] { return range->InsertAfter(liveRange, nullptr, -1); }, kBadParameterErr},
        {"InsertAfter length -2", [&] { return range->InsertAfter(liveRange, someUnits, -2); }, kBadParameterErr},
        {"chars Initialize to null", [&] { return chars->Initialize(nullptr); }, kBadParameterErr},
        {"SetFontSize NaN", [&] { return chars->SetFontSize(liveChars, nan); }, kBadParameterErr},
        {"SetFontSize infinity", [&] { return chars->SetFontSize(liveChars, inf); }, kBadParameterErr},
        {"SetFontSize 0", [&] { return chars->SetFontSize(liveChars, 0); }, kBadParameterErr},
        {"SetFontSize -3", [&] { return chars->SetFontSize(liveChars, -3); }, kBadParameterErr},
        {"paras Initialize to null", [&] { return paras->Initialize(nullptr); }, kBadParameterErr},
        {"SetJustification 7", [&] { return paras->SetJustification(liveParas, 7); }, kBadParameterErr},
        {"SetJustification -1", [&] { return paras->SetJustification(liveParas, -1); }, kBadParameterErr},
        {"SetFirstLineIndent NaN", [&] { return paras->SetFirstLineIndent(liveParas, nan); }, kBadParameterErr},
        {"SetStartIndent infinity", [&] { return paras->SetStartIndent(liveParas, -inf); }, kBadParameterErr},
        {"SetLeadingType 2", [&] { return paras->SetLeadingType(liveParas, 2); }, kBadParameterErr},
    };
    rows.insert(rows.end(), parameters.begin(), parameters.end());

    // Segments, strokes and matrices each wrong in one number.
    const std::pair<const char*, std::function<void(AIPathSegment&)>> badSegments[] = {
        {"an infinite anchor", [&](AIPathSegment& s) { s.p.h = inf; }},
        {"a NaN handle", [&](AIPathSegment& s) { s.in.v = nan; }},
    };
    for (const auto& [what, change] : badSegments) {
        AIPathSegment bad = ends[0];
        change(bad);
        add(std::string("SetPathSegments with ") + what, [&, bad] { return path->SetPathSegments(line, 0, 1, &bad); }, kBadParameterErr);
    }
    const std::pair<const char*, std::function<void(AIStrokeStyle&)>> badStrokes[] = {
        {"width NaN", [&](AIStrokeStyle& s) { s.width = nan; }},
        {"width -1", [](AIStrokeStyle& s) { s.width = -1; }},
        {"cap 3", [](AIStrokeStyle& s) { s.cap = 3; }},
        {"join 7", [](AIStrokeStyle& s) { s.join = 7; }},
        {"a pattern", [](AIStrokeStyle& s) { s.color.kind = kPattern; }},
        {"a dash too long", [](AIStrokeStyle& s) { s.dash.length = kMaxDashComponents + 1; }},
    };
    for (const auto& [what, change] : badStrokes) {
        AIPathStyle bad = style;
        change(bad.stroke);
        add(std::string("SetPathStyle ") + what, [&, bad] { return pathStyle->SetPathStyle(line, &bad); }, kBadParameterErr);
    }
    for (int component = 0; component < 6; ++component)
        for (AIReal value : {nan, inf, -inf}) {
            AIRealMatrix bad = identity;
            (&bad.a)[component] = value;
            add("TransformArt by " + std::to_string(value) + " in component " + std::to_string(component),
                [&, bad] { return transform->TransformArt(group, &bad, 0, kTransformObjects); }, kBadParameterErr);
        }

    for (const Row& row : rows)
        EXPECT_EQ(row.call(), row.expected) << row.what;
    for (const auto& bad : badArt)
        EXPECT_FALSE(art->ValidArt(bad.handle, true)) << "ValidArt of " << bad.what;

    // Nothing of all that changed anything.
    EXPECT_GT(rows.size(), 300u);
    EXPECT_EQ(host.document().artCount(), artBefore);
    EXPECT_EQ(host.document().layers().size(), 1u);
    EXPECT_EQ(host.textEngine().liveReferences(), referencesBefore);
    EXPECT_EQ(host.textEngine().liveStrings(), 1u);
    const host::doc::Art& kept = *host.document().art(line);
    ASSERT_EQ(kept.segments.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_TRUE(kept.segments[i].p.h == ends[i].p.h && kept.segments[i].p.v == ends[i].p.v &&
                    kept.segments[i].in.v == ends[i].in.v && kept.segments[i].out.h == ends[i].out.h) << i;
    EXPECT_EQ(kept.style.stroke.width, style.stroke.width);
    EXPECT_EQ(kept.style.stroke.color.kind, style.stroke.color.kind);
    EXPECT_EQ(host.document().art(text)->anchor.h, 0) << "all or nothing: the text is not moved either";
    EXPECT_TRUE(host.document().art(text)->text.empty());
    EXPECT_FALSE(host.document().art(text)->chars.size.has_value());
    EXPECT_EQ(host.document().art(group)->name, "");

    for (auto release : {std::function<ASErr()>([&] { return range->Release(liveRange); }),
                         std::function<ASErr()>([&] { return chars->Release(liveChars); }),
                         std::function<ASErr()>([&] { return paras->Release(liveParas); }),
                         std::function<ASErr()>([&] { return ateFont->Release(liveFont); }),
                         std::function<ASErr()>([&] { return atePaint->Release(livePaint); }),
                         std::function<ASErr()>([&] { return ateFrame->Release(liveFrame); }),
                         std::function<ASErr()>([&] { return unicode->Destroy(liveString); })})
        EXPECT_EQ(release(), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
    EXPECT_EQ(host.textEngine().liveStrings(), 0u);
}

} // namespace
