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
using testing_document::got;

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

// An operation on a handle: one with no pointer argument, or one given `true` to make its
// pointer argument null.
template <typename Handle>
struct Operation {
    Operation(const char* n, std::function<ASErr(Handle)> c)
        : name(n), call([c = std::move(c)](Handle h, bool) { return c(h); }), takesPointer(false)
    {
    }
    Operation(const char* n, std::function<ASErr(Handle, bool)> c) : name(n), call(std::move(c)) {}

    const char* name;
    std::function<ASErr(Handle, bool)> call;
    bool takesPointer = true;
};

template <typename Handle>
using Operations = std::vector<Operation<Handle>>;

// Every operation on every bad handle, refused as a bad handle; and on the live handle with
// a null pointer, refused as a bad parameter.
template <typename Handle>
void addEach(std::vector<Row>& rows, const std::vector<Bad<Handle>>& bads, const Operations<Handle>& operations,
             Handle live = {})
{
    for (const auto& o : operations) {
        for (const auto& bad : bads)
            rows.push_back({std::string(o.name) + " of " + bad.what, [c = o.call, h = bad.handle] { return c(h, false); },
                            kBadHandleErr});
        if (o.takesPointer && live != Handle{})
            rows.push_back({std::string(o.name) + " with a null pointer", [c = o.call, live] { return c(live, true); },
                            kBadParameterErr});
    }
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

    const AILayerHandle liveLayer = got<AILayerHandle>([&](auto* out) { return layer->GetCurrentLayer(out); });
    const AILayerHandle staleLayer = got<AILayerHandle>([&](auto* out) { return layer->InsertLayer(liveLayer, kPlaceAbove, out); });
    ASSERT_EQ(layer->DeleteLayer(staleLayer), kNoErr);
    const AIDocumentHandle documentHandle = got<AIDocumentHandle>([&](auto* out) { return document->GetDocument(out); });

    const TextRangeRef liveRange = got<TextRangeRef>([&](auto* out) { return textFrame->GetATETextRange(text, out); });
    const TextRangeRef staleRange = got<TextRangeRef>([&](auto* out) { return textFrame->GetATETextRange(text, out); });
    ASSERT_EQ(range->Release(staleRange), kNoErr);
    const CharFeaturesRef liveChars = got<CharFeaturesRef>([&](auto* out) { return chars->Initialize(out); });
    const CharFeaturesRef staleChars = got<CharFeaturesRef>([&](auto* out) { return chars->Initialize(out); });
    ASSERT_EQ(chars->Release(staleChars), kNoErr);
    const ParaFeaturesRef liveParas = got<ParaFeaturesRef>([&](auto* out) { return paras->Initialize(out); });
    const AIFontKey liveKey = got<AIFontKey>([&](auto* out) { return font->IndexUserFontList(0, out); });
    const FontRef liveFont = got<FontRef>([&](auto* out) { return font->FontFromFontKey(liveKey, out); });
    AIColor gray{};
    gray.kind = kGrayColor;
    gray.c.g.gray = 0.5f;
    const ApplicationPaintRef livePaint = got<ApplicationPaintRef>([&](auto* out) { return paint->CreateATEApplicationPaint(&gray, out); });
    host::doc::TextEngine::Object frameObject;
    frameObject.kind = host::doc::TextEngine::Kind::Frame;
    frameObject.frame = text;
    const auto liveFrame = static_cast<TextFrameRef>(host.textEngine().make(frameObject));
    const AIUnicodeStringRef liveString = got<AIUnicodeStringRef>([&](auto* out) { return unicode->Initialize(out, "abc", -1); });
    const AIUnicodeStringRef staleString = got<AIUnicodeStringRef>([&](auto* out) { return unicode->Initialize(out, "abc", -1); });
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
        {"NewArt inside", [&](AIArtHandle h, bool n) { return art->NewArt(kPathArt, kPlaceInsideOnTop, h, n ? nullptr : &outArt); }},
        {"NewArt above", [&](AIArtHandle h, bool n) { return art->NewArt(kGroupArt, kPlaceAbove, h, n ? nullptr : &outArt); }},
        {"DisposeArt", [&](AIArtHandle h) { return art->DisposeArt(h); }},
        {"GetArtType", [&](AIArtHandle h, bool n) { return art->GetArtType(h, n ? nullptr : &outType); }},
        {"GetArtParent", [&](AIArtHandle h, bool n) { return art->GetArtParent(h, n ? nullptr : &outArt); }},
        {"GetArtFirstChild", [&](AIArtHandle h, bool n) { return art->GetArtFirstChild(h, n ? nullptr : &outArt); }},
        {"GetArtSibling", [&](AIArtHandle h, bool n) { return art->GetArtSibling(h, n ? nullptr : &outArt); }},
        {"SetArtName", [&](AIArtHandle h, bool n) { return art->SetArtName(h, n ? nullptr : "x"); }},
        {"GetArtName", [&](AIArtHandle h, bool n) { return art->GetArtName(h, n ? nullptr : &outName); }},
        {"GetArtBounds", [&](AIArtHandle h, bool n) { return art->GetArtBounds(h, n ? nullptr : &outRect); }},
        {"TransformArt", [&](AIArtHandle h, bool n) { return transform->TransformArt(h, n ? nullptr : &identity, 0, kTransformObjects); }},
        {"NewPointText", [&](AIArtHandle h, bool n) { return textFrame->NewPointText(kPlaceInsideOnTop, h, 0, {0, 0}, n ? nullptr : &outArt); }},
    };
    const Operations<AIArtHandle> pathOperations = {
        {"GetPathSegmentCount", [&](AIArtHandle h, bool n) { return path->GetPathSegmentCount(h, n ? nullptr : &outCount); }},
        {"SetPathSegmentCount", [&](AIArtHandle h) { return path->SetPathSegmentCount(h, 1); }},
        {"GetPathSegments", [&](AIArtHandle h, bool n) { return path->GetPathSegments(h, 0, 1, n ? nullptr : segments); }},
        {"SetPathSegments", [&](AIArtHandle h, bool n) { return path->SetPathSegments(h, 0, 1, n ? nullptr : ends); }},
        {"GetPathClosed", [&](AIArtHandle h, bool n) { return path->GetPathClosed(h, n ? nullptr : &outFlag); }},
        {"SetPathClosed", [&](AIArtHandle h) { return path->SetPathClosed(h, true); }},
        {"SetPathCenterPointVisible", [&](AIArtHandle h) { return path->SetPathCenterPointVisible(h, true); }},
        {"GetPathStyle", [&](AIArtHandle h, bool n) { return pathStyle->GetPathStyle(h, n ? nullptr : &style); }},
        {"SetPathStyle", [&](AIArtHandle h, bool n) { return pathStyle->SetPathStyle(h, n ? nullptr : &style); }},
    };
    const Operations<AIArtHandle> textOperations = {
        {"GetATETextRange", [&](AIArtHandle h, bool n) { return textFrame->GetATETextRange(h, n ? nullptr : &outRange); }},
        {"GetPointTextAnchor", [&](AIArtHandle h, bool n) { return textFrame->GetPointTextAnchor(h, n ? nullptr : &outPoint); }},
    };
    addEach(rows, badArt, artOperations, group);
    addEach(rows, badArt, pathOperations, line);
    addEach(rows, badArt, textOperations, text);
    addEach<AIArtHandle>(rows, {{"a group", group}, {"point text", text}}, pathOperations);
    addEach<AIArtHandle>(rows, {{"a path", line}, {"a group", group}}, textOperations);

    // Layers that are not live.
    addEach<AILayerHandle>(rows,
        {{"null", nullptr}, {"deleted", staleLayer}, {"made up", as<AILayerHandle>(madeUp)}, {"art", as<AILayerHandle>(group)}},
        {{"SetCurrentLayer", [&](AILayerHandle h) { return layer->SetCurrentLayer(h); }},
         {"GetLayerTitle", [&](AILayerHandle h, bool n) { return layer->GetLayerTitle(h, n ? nullptr : title, sizeof title); }},
         {"SetLayerTitle", [&](AILayerHandle h, bool n) { return layer->SetLayerTitle(h, n ? nullptr : "x"); }},
         {"GetLayerEditable", [&](AILayerHandle h, bool n) { return layer->GetLayerEditable(h, n ? nullptr : &outFlag); }},
         {"SetLayerEditable", [&](AILayerHandle h) { return layer->SetLayerEditable(h, false); }},
         {"GetLayerVisible", [&](AILayerHandle h, bool n) { return layer->GetLayerVisible(h, n ? nullptr : &outFlag); }},
         {"SetLayerVisible", [&](AILayerHandle h) { return layer->SetLayerVisible(h, false); }},
         {"GetLayerColor", [&](AILayerHandle h, bool n) { return layer->GetLayerColor(h, n ? nullptr : &outRgb); }},
         {"InsertLayer above", [&](AILayerHandle h, bool n) { return layer->InsertLayer(h, kPlaceAbove, n ? nullptr : &outLayer); }},
         {"DeleteLayer", [&](AILayerHandle h) { return layer->DeleteLayer(h); }},
         {"GetFirstArtOfLayer", [&](AILayerHandle h, bool n) { return art->GetFirstArtOfLayer(h, n ? nullptr : &outArt); }}},
        liveLayer);

    // Text-engine references that are not live, or of another kind.
    addEach<TextRangeRef>(rows,
        {{"null", nullptr}, {"released", staleRange}, {"made up", as<TextRangeRef>(madeUp)},
         {"char features", as<TextRangeRef>(liveChars)}, {"art", as<TextRangeRef>(text)}},
        {{"range AddRef", [&](TextRangeRef h) { return range->AddRef(h); }},
         {"range Release", [&](TextRangeRef h) { return range->Release(h); }},
         {"GetSize", [&](TextRangeRef h, bool n) { return range->GetSize(h, n ? nullptr : &outInt); }},
         {"GetContents", [&](TextRangeRef h, bool n) { return range->GetContents(h, n ? nullptr : outUnits, 8, &outInt); }},
         {"Remove", [&](TextRangeRef h) { return range->Remove(h); }},
         {"InsertAfter", [&](TextRangeRef h, bool n) { return range->InsertAfter(h, n ? nullptr : someUnits, -1); }},
         {"SetLocalCharFeatures", [&](TextRangeRef h) { return range->SetLocalCharFeatures(h, liveChars); }},
         {"SetLocalParaFeatures", [&](TextRangeRef h) { return range->SetLocalParaFeatures(h, liveParas); }}},
        liveRange);
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
         {"GetAIColor", [&](ApplicationPaintRef h, bool n) { return paint->GetAIColor(h, n ? nullptr : &outColor); }},
         {"SetFillColor to", [&](ApplicationPaintRef h) { return chars->SetFillColor(liveChars, h); }}},
        livePaint);
    addEach<TextFrameRef>(rows,
        {{"null", nullptr}, {"made up", as<TextFrameRef>(madeUp)}, {"a range", as<TextFrameRef>(liveRange)}, {"art", as<TextFrameRef>(text)}},
        {{"frame AddRef", [&](TextFrameRef h) { return ateFrame->AddRef(h); }},
         {"frame Release", [&](TextFrameRef h) { return ateFrame->Release(h); }},
         {"frame GetTextRange", [&](TextFrameRef h, bool n) { return ateFrame->GetTextRange(h, n ? nullptr : &outRange); }}},
        liveFrame);
    addEach<AIUnicodeStringRef>(rows,
        {{"null", nullptr}, {"destroyed", staleString}, {"made up", as<AIUnicodeStringRef>(madeUp)},
         {"a range", as<AIUnicodeStringRef>(liveRange)}},
        {{"Destroy", [&](AIUnicodeStringRef h) { return unicode->Destroy(h); }},
         {"UTF16Buffer", [&](AIUnicodeStringRef h, bool n) { return unicode->UTF16Buffer(h, n ? nullptr : &outUtf16, &outInt); }},
         {"UTF8Buffer", [&](AIUnicodeStringRef h, bool n) { return unicode->UTF8Buffer(h, n ? nullptr : &outUtf8, &outInt); }},
         {"Length", [&](AIUnicodeStringRef h, bool n) { return unicode->Length(h, n ? nullptr : &outInt); }}},
        liveString);
    addEach<AIFontKey>(rows,
        {{"null", nullptr}, {"past the list", as<AIFontKey>(uintptr_t{4})}, {"made up", as<AIFontKey>(madeUp)}},
        {{"GetFontName", [&](AIFontKey h, bool n) { return font->GetFontName(h, n ? nullptr : title, sizeof title); }},
         {"FontFromFontKey", [&](AIFontKey h, bool n) { return font->FontFromFontKey(h, n ? nullptr : &outFont); }}},
        liveKey);

    // Live handles with an argument that is wrong: null out pointers, indices and counts
    // outside, numbers that are not finite, values outside their enumerations. (Bytes that
    // are not UTF-8 and paints of every kind are the text suites' tests.)
    const AIReal max = std::numeric_limits<AIReal>::max();
    const AIRealMatrix huge{max, 0, 0, 1, max, 0}; // finite, but not what it makes of the line
    AIColor nanGray = gray;
    nanGray.c.g.gray = nan;
    const std::vector<Row> parameters = {
        {"NewArt of type 42", [&] { return art->NewArt(42, kPlaceInsideOnTop, group, &outArt); }, kBadParameterErr},
        {"NewArt of order 0", [&] { return art->NewArt(kPathArt, 0, group, &outArt); }, kBadParameterErr},
        {"NewArt of point text", [&] { return art->NewArt(kTextFrameArt, kPlaceInsideOnTop, group, &outArt); }, kBadParameterErr},
        {"NewArt inside a path", [&] { return art->NewArt(kPathArt, kPlaceInsideOnTop, line, &outArt); }, kBadParameterErr},
        {"NewArt beside a layer's group", [&] { return art->NewArt(kPathArt, kPlaceBelow, layerGroup(), &outArt); }, kBadParameterErr},
        {"DisposeArt of a layer's group", [&] { return art->DisposeArt(layerGroup()); }, kBadParameterErr},
        {"SetPathSegmentCount -1", [&] { return path->SetPathSegmentCount(line, -1); }, kBadParameterErr},
        {"GetPathSegments past the end", [&] { return path->GetPathSegments(line, 1, 2, segments); }, kBadParameterErr},
        {"GetPathSegments from -1", [&] { return path->GetPathSegments(line, -1, 1, segments); }, kBadParameterErr},
        {"GetPathSegments of -1", [&] { return path->GetPathSegments(line, 0, -1, segments); }, kBadParameterErr},
        {"SetPathSegments past the end", [&] { return path->SetPathSegments(line, 0, 3, segments); }, kBadParameterErr},
        {"SetPathSegments from -1", [&] { return path->SetPathSegments(line, -1, 1, ends); }, kBadParameterErr},
        {"GetCurrentPathStyle to null", [&] { return pathStyle->GetCurrentPathStyle(nullptr); }, kBadParameterErr},
        {"TransformArt past a float", [&] { return transform->TransformArt(group, &huge, 0, kTransformObjects); }, kBadParameterErr},
        {"TransformArt of one path past a float", [&] { return transform->TransformArt(line, &huge, 0, kTransformObjects); }, kBadParameterErr},
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
        {"GetLayerTitle length 0", [&] { return layer->GetLayerTitle(liveLayer, title, 0); }, kBadParameterErr},
        {"GetLayerTitle length -5", [&] { return layer->GetLayerTitle(liveLayer, title, -5); }, kBadParameterErr},
        {"InsertLayer inside", [&] { return layer->InsertLayer(liveLayer, kPlaceInsideOnTop, &outLayer); }, kBadParameterErr},
        {"InsertLayer of order 42", [&] { return layer->InsertLayer(liveLayer, 42, &outLayer); }, kBadParameterErr},
        {"DeleteLayer the last one", [&] { return layer->DeleteLayer(liveLayer); }, kBadParameterErr},
        {"GetDocument to null", [&] { return document->GetDocument(nullptr); }, kBadParameterErr},
        {"GetDocumentModified to null", [&] { return document->GetDocumentModified(nullptr); }, kBadParameterErr},
        {"CountArtboards to null", [&] { return artboard->CountArtboards(nullptr); }, kBadParameterErr},
        {"GetArtboardBounds 1", [&] { return artboard->GetArtboardBounds(1, &outRect); }, kBadParameterErr},
        {"GetArtboardBounds -1", [&] { return artboard->GetArtboardBounds(-1, &outRect); }, kBadParameterErr},
        {"GetArtboardBounds to null", [&] { return artboard->GetArtboardBounds(0, nullptr); }, kBadParameterErr},
        {"NewPointText orientation 5", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, group, 5, {0, 0}, &outArt); }, kBadParameterErr},
        {"NewPointText at NaN", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, group, 0, {nan, 0}, &outArt); }, kBadParameterErr},
        {"NewPointText inside a path", [&] { return textFrame->NewPointText(kPlaceInsideOnTop, line, 0, {0, 0}, &outArt); }, kBadParameterErr},
        {"CreateATEApplicationPaint of null", [&] { return paint->CreateATEApplicationPaint(nullptr, &outPaint); }, kBadParameterErr},
        {"CreateATEApplicationPaint to null", [&] { return paint->CreateATEApplicationPaint(&gray, nullptr); }, kBadParameterErr},
        {"CreateATEApplicationPaint of NaN", [&] { return paint->CreateATEApplicationPaint(&nanGray, &outPaint); }, kBadParameterErr},
        {"Initialize to null", [&] { return unicode->Initialize(nullptr, "a", -1); }, kBadParameterErr},
        {"Initialize of null", [&] { return unicode->Initialize(&outString, nullptr, -1); }, kBadParameterErr},
        {"Initialize of length -2", [&] { return unicode->Initialize(&outString, "a", -2); }, kBadParameterErr},
        {"UTF16Buffer length to null", [&] { return unicode->UTF16Buffer(liveString, &outUtf16, nullptr); }, kBadParameterErr},
        {"CountFonts to null", [&] { return font->CountFonts(nullptr); }, kBadParameterErr},
        {"IndexUserFontList to null", [&] { return font->IndexUserFontList(0, nullptr); }, kBadParameterErr},
        {"IndexUserFontList -1", [&] { return font->IndexUserFontList(-1, &outKey); }, kBadParameterErr},
        {"IndexUserFontList past the list", [&] { return font->IndexUserFontList(3, &outKey); }, kBadParameterErr},
        {"GetFontKeyByNumber to null", [&] { return font->GetFontKeyByNumber(0, nullptr); }, kBadParameterErr},
        {"GetFontKeyByNumber no such", [&] { return font->GetFontKeyByNumber(3, &outKey); }, kNameNotFoundErr},
        {"GetFontName length 0", [&] { return font->GetFontName(liveKey, title, 0); }, kBadParameterErr},
        {"GetContents length to null", [&] { return range->GetContents(liveRange, outUnits, 8, nullptr); }, kBadParameterErr},
        {"GetContents capacity -1", [&] { return range->GetContents(liveRange, outUnits, -1, &outInt); }, kBadParameterErr},
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
    EXPECT_EQ(std::make_tuple(host.document().artCount(), host.document().layers().size(), host.textEngine().liveReferences(),
                              host.textEngine().liveStrings()),
              std::make_tuple(artBefore, size_t{1}, referencesBefore, size_t{1}));
    const host::doc::PathPart& kept = host.document().art(line)->path();
    ASSERT_EQ(kept.segments.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_TRUE(kept.segments[i].p.h == ends[i].p.h && kept.segments[i].p.v == ends[i].p.v &&
                    kept.segments[i].in.v == ends[i].in.v && kept.segments[i].out.h == ends[i].out.h) << i;
    EXPECT_EQ(std::tie(kept.style->stroke.width, kept.style->stroke.color.kind),
              std::tie(style.stroke.width, style.stroke.color.kind));
    const host::doc::Art& untouched = *host.document().art(text);
    EXPECT_EQ(untouched.pointText().anchor.h, 0) << "all or nothing: the text is not moved either";
    EXPECT_TRUE(untouched.pointText().text.empty() && !untouched.pointText().chars.size.has_value());
    EXPECT_EQ(host.document().art(group)->name, "");

    for (const ASErr released : {range->Release(liveRange), chars->Release(liveChars), paras->Release(liveParas),
                                 ateFont->Release(liveFont), atePaint->Release(livePaint), ateFrame->Release(liveFrame),
                                 unicode->Destroy(liveString)})
        EXPECT_EQ(released, kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
    EXPECT_EQ(host.textEngine().liveStrings(), 0u);
}

} // namespace
