// AI Text Frame, AIATE Paint, AI Unicode String, and the text-engine suites that text
// construction uses: Text Frame, Text Range, Char Features, Para Features, Font and
// Application Paint. The other text-engine suites stay pending (PendingSuites.cpp).
//
// The stand-in's text engine keeps one run per point-text frame: a range of a frame covers
// its whole text, and the local features last applied to any range hold for the whole
// text. References are counted host objects (doc::TextEngine): each one handed out is the
// receiver's, given back with its suite's Release; the last Release frees it.
//
// kBadHandleErr for a reference or art that is null, freed, never given out, of another
// kind (a range where features are wanted, a group where a text frame is wanted), and for a
// range whose frame has been disposed of; kBadParameterErr for a null pointer, a length or
// capacity below what the operation allows, a number that is not finite, a value outside
// its enumeration, a colour the document cannot hold, or bytes that are not UTF-8. A
// refused call changes nothing.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "document/Unicode.h"
#include "sdk/AIATEPaint.h"
#include "sdk/AITextFrame.h"
#include "sdk/AIUnicodeString.h"
#include "sdk/ATESuites.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace host {

namespace {

// kATETextRangeSuite and the like: the names the text-engine suites are registered under,
// for fault injection.
#define ATE_SUITE_NAME(Identifier, name, version, Layout) [[maybe_unused]] constexpr char kATE##Identifier##Suite[] = name;
ATE_SUITES(ATE_SUITE_NAME)
#undef ATE_SUITE_NAME

using Kind = doc::TextEngine::Kind;
using Object = doc::TextEngine::Object;

doc::TextEngine& engine()
{
    return Host::get().textEngine();
}

const doc::Art* textArt(AIArtHandle handle)
{
    const doc::Art* art = document().art(handle);
    return art != nullptr && art->kind == doc::ArtKind::Text ? art : nullptr;
}

// The frame a frame or range reference reaches, while both the reference and the frame live.
const doc::Art* frameOf(const void* ref, Kind kind)
{
    const Object* object = engine().find(ref, kind);
    return object == nullptr ? nullptr : textArt(object->frame);
}

// The handle of the frame a live range reaches, to change it.
AIArtHandle frameHandleOf(TextRangeRef range)
{
    return engine().find(range, Kind::Range)->frame;
}

// A features setter: the suite's injected failure first, then the features looked up, the value
// checked, and kept.
template <typename Ref, typename Keep>
ASErr setFeature(const char* suite, const char* operation, Ref ref, Kind kind, bool valid, Keep keep)
{
    if (ASErr error = injected(suite, operation))
        return error;
    Object* set = engine().find(ref, kind);
    if (set == nullptr)
        return kBadHandleErr;
    if (!valid)
        return kBadParameterErr;
    keep(*set);
    return kNoErr;
}

// AddRef and Release of a counted kind: the suite's injected failure first, then the count.
template <typename Ref, Kind kind, const char* suite>
ASErr AddRefOf(Ref ref)
{
    if (ASErr error = injected(suite, "AddRef"))
        return error;
    return engine().addRef(ref, kind);
}

template <typename Ref, Kind kind, const char* suite>
ASErr ReleaseOf(Ref ref)
{
    if (ASErr error = injected(suite, "Release"))
        return error;
    return engine().release(ref, kind);
}

// A new reference in `made`; kOutOfMemoryErr, `made` null, when the engine has no room for it.
template <typename Ref>
ASErr makeRef(const Object& object, Ref* made)
{
    *made = static_cast<Ref>(engine().make(object));
    return *made != nullptr ? kNoErr : kOutOfMemoryErr;
}

Object rangeOf(AIArtHandle frame)
{
    Object range;
    range.kind = Kind::Range;
    range.frame = frame;
    return range;
}

int32_t clampedSize(size_t size)
{
    return static_cast<int32_t>(std::min<size_t>(size, std::numeric_limits<int32_t>::max()));
}

// AI Text Frame.

ASErr NewPointText(ai_int16 paintOrder, AIArtHandle prep, AITextOrientation orientation, AIRealPoint anchor,
                   AIArtHandle* newTextFrame)
{
    if (ASErr error = injected(kAITextFrameSuite, "NewPointText"))
        return error;
    if (newTextFrame == nullptr)
        return kBadParameterErr;
    *newTextFrame = nullptr;
    if ((orientation != kHorizontalTextOrientation && orientation != kVerticalTextOrientation) ||
        !finite(anchor.h) || !finite(anchor.v))
        return kBadParameterErr;
    AIArtHandle made = nullptr;
    if (ASErr error = document().newArt(doc::ArtKind::Text, paintOrder, prep, &made))
        return error;
    doc::Art* frame = document().edit(made);
    frame->pointText().anchor = anchor;
    frame->pointText().orientation = orientation;
    *newTextFrame = made;
    return kNoErr;
}

ASErr GetATETextRange(AIArtHandle textFrame, TextRangeRef* range)
{
    if (ASErr error = injected(kAITextFrameSuite, "GetATETextRange"))
        return error;
    if (textArt(textFrame) == nullptr)
        return kBadHandleErr;
    if (range == nullptr)
        return kBadParameterErr;
    return makeRef<TextRangeRef>(rangeOf(textFrame), range);
}

ASErr GetPointTextAnchor(AIArtHandle textFrame, AIRealPoint* anchor)
{
    if (ASErr error = injected(kAITextFrameSuite, "GetPointTextAnchor"))
        return error;
    const doc::Art* frame = textArt(textFrame);
    if (frame == nullptr)
        return kBadHandleErr;
    if (anchor == nullptr)
        return kBadParameterErr;
    *anchor = frame->pointText().anchor;
    return kNoErr;
}

// AIATE Paint.

ASErr CreateATEApplicationPaint(const AIColor* color, ApplicationPaintRef* paint)
{
    if (ASErr error = injected(kAIATEPaintSuite, "CreateATEApplicationPaint"))
        return error;
    if (color == nullptr || paint == nullptr || !validColor(*color))
        return kBadParameterErr;
    Object made;
    made.kind = Kind::Paint;
    made.color = *color;
    return makeRef<ApplicationPaintRef>(made, paint);
}

ASErr GetAIColor(ApplicationPaintRef paint, AIColor* color)
{
    if (ASErr error = injected(kAIATEPaintSuite, "GetAIColor"))
        return error;
    const Object* found = engine().find(paint, Kind::Paint);
    if (found == nullptr)
        return kBadHandleErr;
    if (color == nullptr)
        return kBadParameterErr;
    *color = found->color;
    return kNoErr;
}

// AI Unicode String.

ASErr Initialize(AIUnicodeStringRef* string, const char* utf8, ai_int32 byteLength)
{
    if (ASErr error = injected(kAIUnicodeStringSuite, "Initialize"))
        return error;
    if (string == nullptr || byteLength < -1 || (utf8 == nullptr && byteLength != 0))
        return kBadParameterErr;
    const std::string_view bytes =
        utf8 == nullptr ? std::string_view() : std::string_view(utf8, byteLength == -1 ? std::strlen(utf8) : static_cast<size_t>(byteLength));
    std::u16string units;
    if (!doc::utf8ToUtf16(bytes, &units))
        return kBadParameterErr;
    doc::TextEngine::UnicodeString made;
    made.utf16.assign(units.begin(), units.end());
    made.utf16.push_back(0);
    made.utf8 = std::string(bytes);
    made.characters = clampedSize(doc::codePointCount(units));
    *string = engine().makeString(std::move(made));
    return kNoErr;
}

ASErr Destroy(AIUnicodeStringRef string)
{
    if (ASErr error = injected(kAIUnicodeStringSuite, "Destroy"))
        return error;
    return engine().destroyString(string) ? kNoErr : kBadHandleErr;
}

ASErr UTF16Buffer(AIUnicodeStringRef string, const ASUnicode** buffer, ai_int32* length)
{
    if (ASErr error = injected(kAIUnicodeStringSuite, "UTF16Buffer"))
        return error;
    const doc::TextEngine::UnicodeString* found = engine().string(string);
    if (found == nullptr)
        return kBadHandleErr;
    if (buffer == nullptr || length == nullptr)
        return kBadParameterErr;
    *buffer = found->utf16.data();
    *length = clampedSize(found->utf16.size() - 1);
    return kNoErr;
}

ASErr UTF8Buffer(AIUnicodeStringRef string, const char** buffer, ai_int32* length)
{
    if (ASErr error = injected(kAIUnicodeStringSuite, "UTF8Buffer"))
        return error;
    const doc::TextEngine::UnicodeString* found = engine().string(string);
    if (found == nullptr)
        return kBadHandleErr;
    if (buffer == nullptr || length == nullptr)
        return kBadParameterErr;
    *buffer = found->utf8.c_str();
    *length = clampedSize(found->utf8.size());
    return kNoErr;
}

ASErr Length(AIUnicodeStringRef string, ai_int32* length)
{
    if (ASErr error = injected(kAIUnicodeStringSuite, "Length"))
        return error;
    const doc::TextEngine::UnicodeString* found = engine().string(string);
    if (found == nullptr)
        return kBadHandleErr;
    if (length == nullptr)
        return kBadParameterErr;
    *length = found->characters;
    return kNoErr;
}

// ATE Text Frame. No operation of the published interface hands out a frame reference yet;
// the host makes them (TextEngine::make with Kind::Frame) for whoever needs one.

ASErr FrameGetTextRange(TextFrameRef frame, TextRangeRef* range)
{
    if (ASErr error = injected(kATETextFrameSuite, "GetTextRange"))
        return error;
    if (frameOf(frame, Kind::Frame) == nullptr)
        return kBadHandleErr;
    if (range == nullptr)
        return kBadParameterErr;
    return makeRef<TextRangeRef>(rangeOf(engine().find(frame, Kind::Frame)->frame), range);
}

// ATE Text Range.

ASErr GetSize(TextRangeRef range, ai_int32* size)
{
    if (ASErr error = injected(kATETextRangeSuite, "GetSize"))
        return error;
    const doc::Art* frame = frameOf(range, Kind::Range);
    if (frame == nullptr)
        return kBadHandleErr;
    if (size == nullptr)
        return kBadParameterErr;
    *size = clampedSize(frame->pointText().text.size());
    return kNoErr;
}

ASErr GetContents(TextRangeRef range, ASUnicode* text, ai_int32 capacity, ai_int32* length)
{
    if (ASErr error = injected(kATETextRangeSuite, "GetContents"))
        return error;
    const doc::Art* frame = frameOf(range, Kind::Range);
    if (frame == nullptr)
        return kBadHandleErr;
    if (text == nullptr || length == nullptr || capacity < 0)
        return kBadParameterErr;
    const size_t count = std::min(frame->pointText().text.size(), static_cast<size_t>(capacity));
    std::copy_n(frame->pointText().text.begin(), count, text);
    *length = static_cast<ai_int32>(count);
    return kNoErr;
}

ASErr Remove(TextRangeRef range)
{
    if (ASErr error = injected(kATETextRangeSuite, "Remove"))
        return error;
    const doc::Art* frame = frameOf(range, Kind::Range);
    if (frame == nullptr)
        return kBadHandleErr;
    doc::Art* changed = document().edit(frameHandleOf(range));
    changed->pointText().text.clear();
    return kNoErr;
}

ASErr InsertAfter(TextRangeRef range, const ASUnicode* text, ai_int32 length)
{
    if (ASErr error = injected(kATETextRangeSuite, "InsertAfter"))
        return error;
    const doc::Art* frame = frameOf(range, Kind::Range);
    if (frame == nullptr)
        return kBadHandleErr;
    if (length < -1 || (text == nullptr && length != 0))
        return kBadParameterErr;
    size_t count = 0;
    if (length == -1)
        while (text[count] != 0)
            ++count;
    else
        count = static_cast<size_t>(length);
    doc::Art* changed = document().edit(frameHandleOf(range));
    changed->pointText().text.append(text, text + count);
    return kNoErr;
}

template <typename Value>
void assignSet(std::optional<Value>& target, const std::optional<Value>& source)
{
    if (source.has_value())
        target = source;
}

ASErr SetLocalCharFeatures(TextRangeRef range, CharFeaturesRef features)
{
    if (ASErr error = injected(kATETextRangeSuite, "SetLocalCharFeatures"))
        return error;
    const doc::Art* frame = frameOf(range, Kind::Range);
    const Object* set = engine().find(features, Kind::CharFeatures);
    if (frame == nullptr || set == nullptr)
        return kBadHandleErr;
    doc::PointText& changed = document().edit(frameHandleOf(range))->pointText();
    assignSet(changed.chars.fill, set->chars.fill);
    assignSet(changed.chars.font, set->chars.font);
    assignSet(changed.chars.size, set->chars.size);
    assignSet(changed.chars.tracking, set->chars.tracking);
    return kNoErr;
}

ASErr SetLocalParaFeatures(TextRangeRef range, ParaFeaturesRef features)
{
    if (ASErr error = injected(kATETextRangeSuite, "SetLocalParaFeatures"))
        return error;
    const doc::Art* frame = frameOf(range, Kind::Range);
    const Object* set = engine().find(features, Kind::ParaFeatures);
    if (frame == nullptr || set == nullptr)
        return kBadHandleErr;
    doc::PointText& changed = document().edit(frameHandleOf(range))->pointText();
    assignSet(changed.paras.leading, set->paras.leading);
    assignSet(changed.paras.startIndent, set->paras.startIndent);
    assignSet(changed.paras.firstLineIndent, set->paras.firstLineIndent);
    assignSet(changed.paras.justification, set->paras.justification);
    return kNoErr;
}

// ATE Char Features.

ASErr CharInitialize(CharFeaturesRef* features)
{
    if (ASErr error = injected(kATECharFeaturesSuite, "Initialize"))
        return error;
    if (features == nullptr)
        return kBadParameterErr;
    Object made;
    made.kind = Kind::CharFeatures;
    return makeRef<CharFeaturesRef>(made, features);
}

ASErr SetFont(CharFeaturesRef features, FontRef font)
{
    if (ASErr error = injected(kATECharFeaturesSuite, "SetFont"))
        return error;
    Object* set = engine().find(features, Kind::CharFeatures);
    const Object* face = engine().find(font, Kind::Font);
    if (set == nullptr || face == nullptr)
        return kBadHandleErr;
    set->chars.font = face->font;
    return kNoErr;
}

// Any positive finite size: the stand-in sets no upper limit.
ASErr SetFontSize(CharFeaturesRef features, AIReal size)
{
    return setFeature(kATECharFeaturesSuite, "SetFontSize", features, Kind::CharFeatures, finite(size) && size > 0,
                      [&](Object& set) { set.chars.size = size; });
}

ASErr SetTracking(CharFeaturesRef features, ai_int32 tracking)
{
    return setFeature(kATECharFeaturesSuite, "SetTracking", features, Kind::CharFeatures, true,
                      [&](Object& set) { set.chars.tracking = tracking; });
}

ASErr SetFillColor(CharFeaturesRef features, ApplicationPaintRef paint)
{
    if (ASErr error = injected(kATECharFeaturesSuite, "SetFillColor"))
        return error;
    Object* set = engine().find(features, Kind::CharFeatures);
    const Object* colour = engine().find(paint, Kind::Paint);
    if (set == nullptr || colour == nullptr)
        return kBadHandleErr;
    set->chars.fill = colour->color;
    return kNoErr;
}

// ATE Para Features.

ASErr ParaInitialize(ParaFeaturesRef* features)
{
    if (ASErr error = injected(kATEParaFeaturesSuite, "Initialize"))
        return error;
    if (features == nullptr)
        return kBadParameterErr;
    Object made;
    made.kind = Kind::ParaFeatures;
    return makeRef<ParaFeaturesRef>(made, features);
}

ASErr SetJustification(ParaFeaturesRef features, ATEParagraphJustification justification)
{
    const bool known = justification >= kLeftJustify && justification <= kFullJustifyLastLineFull;
    return setFeature(kATEParaFeaturesSuite, "SetJustification", features, Kind::ParaFeatures, known,
                      [&](Object& set) { set.paras.justification = justification; });
}

ASErr SetFirstLineIndent(ParaFeaturesRef features, AIReal indent)
{
    return setFeature(kATEParaFeaturesSuite, "SetFirstLineIndent", features, Kind::ParaFeatures, finite(indent),
                      [&](Object& set) { set.paras.firstLineIndent = indent; });
}

ASErr SetStartIndent(ParaFeaturesRef features, AIReal indent)
{
    return setFeature(kATEParaFeaturesSuite, "SetStartIndent", features, Kind::ParaFeatures, finite(indent),
                      [&](Object& set) { set.paras.startIndent = indent; });
}

ASErr SetLeadingType(ParaFeaturesRef features, ATELeadingType type)
{
    const bool known = type == kRomanLeadingType || type == kJapaneseLeadingType;
    return setFeature(kATEParaFeaturesSuite, "SetLeadingType", features, Kind::ParaFeatures, known,
                      [&](Object& set) { set.paras.leading = type; });
}

// ATE Font and ATE Application Paint: references only.

const AITextFrameSuite kTextFrame = {NewPointText, GetATETextRange, GetPointTextAnchor};
const AIATEPaintSuite kATEPaint = {CreateATEApplicationPaint, GetAIColor};
const AIUnicodeStringSuite kUnicodeString = {Initialize, Destroy, UTF16Buffer, UTF8Buffer, Length};

const ATETextFrameSuite kATETextFrame = {AddRefOf<TextFrameRef, Kind::Frame, kATETextFrameSuite>,
                                         ReleaseOf<TextFrameRef, Kind::Frame, kATETextFrameSuite>, FrameGetTextRange};
const ATETextRangeSuite kATETextRange = {AddRefOf<TextRangeRef, Kind::Range, kATETextRangeSuite>,
                                         ReleaseOf<TextRangeRef, Kind::Range, kATETextRangeSuite>,
                                         GetSize,
                                         GetContents,
                                         Remove,
                                         InsertAfter,
                                         SetLocalCharFeatures,
                                         SetLocalParaFeatures};
const ATECharFeaturesSuite kATECharFeatures = {CharInitialize,
                                               AddRefOf<CharFeaturesRef, Kind::CharFeatures, kATECharFeaturesSuite>,
                                               ReleaseOf<CharFeaturesRef, Kind::CharFeatures, kATECharFeaturesSuite>,
                                               SetFont,
                                               SetFontSize,
                                               SetTracking,
                                               SetFillColor};
const ATEParaFeaturesSuite kATEParaFeatures = {ParaInitialize,
                                               AddRefOf<ParaFeaturesRef, Kind::ParaFeatures, kATEParaFeaturesSuite>,
                                               ReleaseOf<ParaFeaturesRef, Kind::ParaFeatures, kATEParaFeaturesSuite>,
                                               SetJustification,
                                               SetFirstLineIndent,
                                               SetStartIndent,
                                               SetLeadingType};
const ATEFontSuite kATEFont = {AddRefOf<FontRef, Kind::Font, kATEFontSuite>,
                               ReleaseOf<FontRef, Kind::Font, kATEFontSuite>};
const ATEApplicationPaintSuite kATEApplicationPaint = {
    AddRefOf<ApplicationPaintRef, Kind::Paint, kATEApplicationPaintSuite>,
    ReleaseOf<ApplicationPaintRef, Kind::Paint, kATEApplicationPaintSuite>};

} // namespace

void installTextSuites(SuiteRegistry& registry)
{
    registry.add(kAITextFrameSuite, kAITextFrameSuiteVersion, &kTextFrame);
    registry.add(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &kATEPaint);
    registry.add(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &kUnicodeString);
    // The text-engine suites with layouts of their own are these; the ones of the shared
    // Object and Array layouts are pending.
#define REAL_ATE_Object(name, version)
#define REAL_ATE_Array(name, version)
#define REAL_ATE_TextFrame(name, version) registry.add(name, version, &kATETextFrame);
#define REAL_ATE_TextRange(name, version) registry.add(name, version, &kATETextRange);
#define REAL_ATE_CharFeatures(name, version) registry.add(name, version, &kATECharFeatures);
#define REAL_ATE_ParaFeatures(name, version) registry.add(name, version, &kATEParaFeatures);
#define REAL_ATE_Font(name, version) registry.add(name, version, &kATEFont);
#define REAL_ATE_ApplicationPaint(name, version) registry.add(name, version, &kATEApplicationPaint);
#define REAL_ATE(Identifier, name, version, Layout) REAL_ATE_##Layout(name, version)
    ATE_SUITES(REAL_ATE)
#undef REAL_ATE
#undef REAL_ATE_Object
#undef REAL_ATE_Array
#undef REAL_ATE_TextFrame
#undef REAL_ATE_TextRange
#undef REAL_ATE_CharFeatures
#undef REAL_ATE_ParaFeatures
#undef REAL_ATE_Font
#undef REAL_ATE_ApplicationPaint
}

} // namespace host
