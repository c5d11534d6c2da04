// Point text and the text engine, through their suites, as the table's text construction
// uses them; and the Unicode strings.
#include "DocumentSuites.h"
#include "document/Unicode.h"

#include <cmath>
#include <cstring>

namespace {

using TextSuites = testing_document::DocumentSuites;
using testing_document::got;
using testing_document::XY;
using testing_document::xy;

std::vector<ASUnicode> units(std::u16string_view text)
{
    std::vector<ASUnicode> out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

std::u16string contents(const ATETextRangeSuite* range, TextRangeRef whole)
{
    const ai_int32 size = got<ai_int32>([&](auto* n) { return range->GetSize(whole, n); }, -1);
    std::vector<ASUnicode> buffer(static_cast<size_t>(size) + 1);
    const ai_int32 length = got<ai_int32>([&](auto* n) { return range->GetContents(whole, buffer.data(), size, n); }, -1);
    EXPECT_EQ(length, size);
    return std::u16string(buffer.begin(), buffer.begin() + length);
}

// One run per frame: features set later hold for the whole text, and those the later set does
// not assign stay; the text is the document's, not the range's. (Every feature the title and
// the cells are given, through these suites, is the construction tests'.)
TEST_F(TextSuites, LaterFeaturesHoldForTheWholeTextAndEveryReferenceIsGivenBack)
{
    const AIArtHandle frame = pointText(make(kGroupArt, kPlaceInsideOnTop, layerGroup()));
    const TextRangeRef whole = got<TextRangeRef>([&](auto* r) { return textFrame->GetATETextRange(frame, r); });
    const CharFeaturesRef first = got<CharFeaturesRef>([&](auto* c) { return chars->Initialize(c); });
    const ParaFeaturesRef centred = got<ParaFeaturesRef>([&](auto* p) { return paras->Initialize(p); });
    const AIFontKey key = got<AIFontKey>([&](auto* k) { return font->IndexUserFontList(1, k); });
    const FontRef face = got<FontRef>([&](auto* f) { return font->FontFromFontKey(key, f); });
    ASSERT_EQ(chars->SetFont(first, face), kNoErr);
    ASSERT_EQ(chars->SetFontSize(first, 12), kNoErr);
    ASSERT_EQ(paras->SetJustification(centred, kCenterJustify), kNoErr);
    ASSERT_EQ(range->SetLocalCharFeatures(whole, first), kNoErr);
    ASSERT_EQ(range->SetLocalParaFeatures(whole, centred), kNoErr);
    const auto title = units(u"Title of the table");
    ASSERT_EQ(range->InsertAfter(whole, title.data(), -1), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 4);

    const CharFeaturesRef bigger = got<CharFeaturesRef>([&](auto* c) { return chars->Initialize(c); });
    ASSERT_EQ(chars->SetFontSize(bigger, 20), kNoErr);
    ASSERT_EQ(range->SetLocalCharFeatures(whole, bigger), kNoErr);
    const host::doc::PointText& text = host.document().art(frame)->pointText();
    EXPECT_EQ(std::make_tuple(text.chars.size, text.chars.font, text.paras.justification),
              std::make_tuple(20.0f, 1, kCenterJustify));
    EXPECT_EQ(contents(range, whole), u"Title of the table");

    for (CharFeaturesRef c : {first, bigger})
        EXPECT_EQ(chars->Release(c), kNoErr);
    EXPECT_EQ(ateFont->Release(face), kNoErr);
    EXPECT_EQ(paras->Release(centred), kNoErr);
    EXPECT_EQ(range->Release(whole), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
    EXPECT_EQ(host.textEngine().liveObjects(), 0u);
    EXPECT_EQ(text.text, u"Title of the table") << "the text is the document's, not the range's";
}

TEST_F(TextSuites, ReferencesAreCountedAndTheLastReleaseFreesThem)
{
    const AIArtHandle frame = pointText(layerGroup());
    const auto rangeOf = [&](AIArtHandle a) { return got<TextRangeRef>([&](auto* r) { return textFrame->GetATETextRange(a, r); }); };
    TextRangeRef whole = rangeOf(frame);
    ASSERT_EQ(range->AddRef(whole), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 2);
    EXPECT_EQ(host.textEngine().liveObjects(), 1u);
    ASSERT_EQ(range->Release(whole), kNoErr);
    ai_int32 size = -1;
    EXPECT_EQ(range->GetSize(whole, &size), kNoErr) << "one reference still holds it";
    ASSERT_EQ(range->Release(whole), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
    EXPECT_EQ(range->GetSize(whole, &size), kBadHandleErr) << "freed";

    // A range outlives its frame as a reference, but reaches nothing any more.
    whole = rangeOf(frame);
    ASSERT_EQ(art->DisposeArt(frame), kNoErr);
    EXPECT_EQ(range->GetSize(whole, &size), kBadHandleErr);
    const auto text = units(u"x");
    EXPECT_EQ(range->InsertAfter(whole, text.data(), -1), kBadHandleErr);
    EXPECT_EQ(range->Release(whole), kNoErr);

    // Frame references are the host's to make; the suite counts them like the others.
    const AIArtHandle other = pointText(layerGroup());
    host::doc::TextEngine::Object object;
    object.kind = host::doc::TextEngine::Kind::Frame;
    object.frame = other;
    const auto frameRef = static_cast<TextFrameRef>(host.textEngine().make(object));
    const TextRangeRef fromFrame = got<TextRangeRef>([&](auto* r) { return ateFrame->GetTextRange(frameRef, r); });
    ASSERT_EQ(range->InsertAfter(fromFrame, text.data(), 1), kNoErr);
    EXPECT_EQ(host.document().art(other)->pointText().text, u"x");
    EXPECT_EQ(ateFrame->AddRef(frameRef), kNoErr);
    EXPECT_EQ(ateFrame->Release(frameRef), kNoErr);
    EXPECT_EQ(ateFrame->Release(frameRef), kNoErr);
    EXPECT_EQ(range->Release(fromFrame), kNoErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
}

// A plug-in that never gives its references back runs out of them: an error, not a crash, and
// those it gives back make room again.
TEST_F(TextSuites, ReferencesRunOutWithAnErrorAndComeBackWhenGivenBack)
{
    host::doc::TextEngine::Object object;
    object.kind = host::doc::TextEngine::Kind::CharFeatures;
    void* last = nullptr;
    while (void* made = host.textEngine().make(object))
        last = made;
    ASSERT_NE(last, nullptr);
    CharFeaturesRef features = reinterpret_cast<CharFeaturesRef>(&object);
    EXPECT_EQ(chars->Initialize(&features), kOutOfMemoryErr);
    EXPECT_EQ(features, nullptr);
    const AIFontKey key = got<AIFontKey>([&](auto* k) { return font->IndexUserFontList(0, k); });
    FontRef face = reinterpret_cast<FontRef>(&object);
    EXPECT_EQ(font->FontFromFontKey(key, &face), kOutOfMemoryErr);
    EXPECT_EQ(face, nullptr);

    ASSERT_EQ(chars->Release(static_cast<CharFeaturesRef>(last)), kNoErr);
    EXPECT_EQ(chars->Initialize(&features), kNoErr);
    EXPECT_NE(features, nullptr);
}

TEST_F(TextSuites, ARangeCoversTheWholeTextOfItsFrame)
{
    const AIArtHandle frame = pointText(layerGroup(), {36.75f, -48.96f});
    const TextRangeRef whole = got<TextRangeRef>([&](auto* r) { return textFrame->GetATETextRange(frame, r); });
    EXPECT_EQ(contents(range, whole), u"");

    const auto text = units(u"Text and more");
    ASSERT_EQ(range->InsertAfter(whole, text.data(), 4), kNoErr) << "four units, no terminator needed";
    ASSERT_EQ(range->InsertAfter(whole, text.data() + 4, -1), kNoErr);
    EXPECT_EQ(contents(range, whole), u"Text and more");
    ASSERT_EQ(range->InsertAfter(whole, nullptr, 0), kNoErr) << "nothing to insert";

    ASUnicode small[4] = {};
    EXPECT_EQ(got<ai_int32>([&](auto* n) { return range->GetContents(whole, small, 4, n); }, -1), 4) << "cut to the capacity";
    EXPECT_EQ(small[3], u't');

    ASSERT_EQ(range->Remove(whole), kNoErr);
    EXPECT_EQ(got<ai_int32>([&](auto* n) { return range->GetSize(whole, n); }, -1), 0);
    EXPECT_EQ(xy(got<AIRealPoint>([&](auto* a) { return textFrame->GetPointTextAnchor(frame, a); })), (XY{36.75f, -48.96f}));
    EXPECT_EQ(range->Release(whole), kNoErr);
}

TEST_F(TextSuites, CharactersBeyondTheBasicPlaneRoundTripAsSurrogatePairs)
{
    // "A", U+1F600, "é", U+4E2D, U+10FFFF.
    const char* utf8 = "A\xF0\x9F\x98\x80\xC3\xA9\xE4\xB8\xAD\xF4\x8F\xBF\xBF";
    const AIUnicodeStringRef string = got<AIUnicodeStringRef>([&](auto* s) { return unicode->Initialize(s, utf8, -1); });
    const ASUnicode* buffer = nullptr;
    ai_int32 length = 0;
    ASSERT_EQ(unicode->UTF16Buffer(string, &buffer, &length), kNoErr);
    ASSERT_EQ(length, 7);
    EXPECT_EQ(std::vector<ASUnicode>(buffer, buffer + length + 1),
              (std::vector<ASUnicode>{0x41, 0xD83D, 0xDE00, 0xE9, 0x4E2D, 0xDBFF, 0xDFFF, 0}));
    const auto characters = [&](AIUnicodeStringRef s) { return got<ai_int32>([&](auto* n) { return unicode->Length(s, n); }); };
    EXPECT_EQ(characters(string), 5);
    const char* back = nullptr;
    ASSERT_EQ(unicode->UTF8Buffer(string, &back, &length), kNoErr);
    EXPECT_EQ(length, static_cast<ai_int32>(std::strlen(utf8)));
    EXPECT_STREQ(back, utf8);
    // (Pairs through a range into a frame are the construction tests'; out again in an
    // export, the well-formedness test's.)

    // An explicit byte length may hold a 0 byte, and stops where it says.
    const AIUnicodeStringRef cut = got<AIUnicodeStringRef>([&](auto* s) { return unicode->Initialize(s, "ab\0cd", 4); });
    EXPECT_EQ(characters(cut), 4);

    EXPECT_EQ(host.textEngine().liveStrings(), 2u);
    EXPECT_EQ(unicode->Destroy(string), kNoErr);
    EXPECT_EQ(unicode->Destroy(cut), kNoErr);
    EXPECT_EQ(host.textEngine().liveStrings(), 0u);

    // A broken pair that reached the document exports as U+FFFD.
    EXPECT_EQ(host::doc::utf16ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
}

TEST_F(TextSuites, BytesThatAreNotUtf8AreRefused)
{
    const char* const refused[] = {
        "\x80",                 // a continuation byte with no lead
        "a\xFF" "b",            // a byte UTF-8 never uses
        "\xC0\xAF",             // an overlong "/"
        "\xE0\x80\xAF",         // an overlong "/" in three bytes
        "\xF0\x80\x80\xAF",     // and in four
        "\xED\xA0\x80",         // an encoded high surrogate
        "\xED\xBF\xBF",         // an encoded low surrogate
        "\xF4\x90\x80\x80",     // beyond U+10FFFF
        "\xF8\x88\x80\x80\x80", // five bytes
        "\xE2\x82",             // cut short
        "\xC3",                 // cut short at the end
        "\xC3" "A",             // a lead followed by no continuation
    };
    for (const char* bytes : refused) {
        AIUnicodeStringRef string = reinterpret_cast<AIUnicodeStringRef>(0x1);
        EXPECT_EQ(unicode->Initialize(&string, bytes, -1), kBadParameterErr) << testing::PrintToString(bytes);
    }
    EXPECT_EQ(host.textEngine().liveStrings(), 0u);

    // The longest of each length is fine.
    EXPECT_EQ(unicode->Destroy(got<AIUnicodeStringRef>(
                  [&](auto* s) { return unicode->Initialize(s, "\x7F\xDF\xBF\xEF\xBF\xBF\xF4\x8F\xBF\xBF", -1); })),
              kNoErr);
}

TEST_F(TextSuites, APaintHoldsAColourTheDocumentCanHold)
{
    AIColor cmyk{};
    cmyk.kind = kFourColor;
    cmyk.c.f = {0.1f, 0.2f, 0.3f, 0.4f};
    ApplicationPaintRef made = got<ApplicationPaintRef>([&](auto* p) { return paint->CreateATEApplicationPaint(&cmyk, p); });
    const AIColor back = got<AIColor>([&](auto* c) { return paint->GetAIColor(made, c); });
    EXPECT_EQ(back.kind, kFourColor);
    EXPECT_EQ(back.c.f.magenta, 0.2f);
    EXPECT_EQ(atePaint->Release(made), kNoErr);

    for (AIColorTag kind : std::vector<AIColorTag>{kPattern, kCustomColor, kGradient, kNoneColor, 42, -1}) {
        AIColor odd{};
        odd.kind = kind;
        EXPECT_EQ(paint->CreateATEApplicationPaint(&odd, &made), kBadParameterErr) << kind;
    }
    AIColor rgb{};
    rgb.kind = kThreeColor;
    rgb.c.rgb = {0, HUGE_VALF, 0};
    EXPECT_EQ(paint->CreateATEApplicationPaint(&rgb, &made), kBadParameterErr);
    EXPECT_EQ(host.textEngine().liveReferences(), 0);
}

} // namespace
