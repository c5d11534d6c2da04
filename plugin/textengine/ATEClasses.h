// The text-engine objects the table's text is made with: a text range, character and
// paragraph features, a font and an application paint. Each holds one counted reference
// and throws ATE::Exception when the host refuses a call.
#pragma once

#include "CountedRef.h"
#include "TableauSuites.h"

#include <string>

namespace ATE {

struct FontTraits {
    static const ATEFontSuite* suite() { return sFont; }
};
struct PaintTraits {
    static const ATEApplicationPaintSuite* suite() { return sApplicationPaint; }
};
struct CharFeaturesTraits {
    static const ATECharFeaturesSuite* suite() { return sCharFeatures; }
};
struct ParaFeaturesTraits {
    static const ATEParaFeaturesSuite* suite() { return sParaFeatures; }
};
struct TextRangeTraits {
    static const ATETextRangeSuite* suite() { return sTextRange; }
};

class IFont : public CountedRef<FontRef, FontTraits> {
public:
    using CountedRef::CountedRef;
};

class IApplicationPaint : public CountedRef<ApplicationPaintRef, PaintTraits> {
public:
    using CountedRef::CountedRef;
};

class ICharFeatures : public CountedRef<CharFeaturesRef, CharFeaturesTraits> {
public:
    // An empty set: every feature unassigned.
    ICharFeatures();
    void SetFillColor(const IApplicationPaint& paint);
    void SetTracking(ai_int32 tracking);
    void SetFontSize(AIReal size);
    void SetFont(const IFont& font);
};

class IParaFeatures : public CountedRef<ParaFeaturesRef, ParaFeaturesTraits> {
public:
    // An empty set: every feature unassigned.
    IParaFeatures();
    void SetLeadingType(ATELeadingType type);
    void SetStartIndent(AIReal indent);
    void SetFirstLineIndent(AIReal indent);
    void SetJustification(ATEParagraphJustification justification);
};

class ITextRange : public CountedRef<TextRangeRef, TextRangeTraits> {
public:
    using CountedRef::CountedRef;
    void Remove();
    void SetLocalCharFeatures(const ICharFeatures& features);
    void SetLocalParaFeatures(const IParaFeatures& features);
    // `length` -1: up to the 0 that ends the text.
    void InsertAfter(const ASUnicode* text, ai_int32 length = -1);
    // The range's text.
    std::u16string GetContents() const;
};

} // namespace ATE
