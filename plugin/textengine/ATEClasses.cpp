#include "ATEClasses.h"

#include <algorithm>

namespace ATE {

ICharFeatures::ICharFeatures()
{
    Check(sCharFeatures->Initialize(&ref_));
}

void ICharFeatures::SetFillColor(const IApplicationPaint& paint)
{
    Check(sCharFeatures->SetFillColor(ref_, paint.GetRef()));
}

void ICharFeatures::SetTracking(ai_int32 tracking)
{
    Check(sCharFeatures->SetTracking(ref_, tracking));
}

void ICharFeatures::SetFontSize(AIReal size)
{
    Check(sCharFeatures->SetFontSize(ref_, size));
}

void ICharFeatures::SetFont(const IFont& font)
{
    Check(sCharFeatures->SetFont(ref_, font.GetRef()));
}

IParaFeatures::IParaFeatures()
{
    Check(sParaFeatures->Initialize(&ref_));
}

void IParaFeatures::SetLeadingType(ATELeadingType type)
{
    Check(sParaFeatures->SetLeadingType(ref_, type));
}

void IParaFeatures::SetStartIndent(AIReal indent)
{
    Check(sParaFeatures->SetStartIndent(ref_, indent));
}

void IParaFeatures::SetFirstLineIndent(AIReal indent)
{
    Check(sParaFeatures->SetFirstLineIndent(ref_, indent));
}

void IParaFeatures::SetJustification(ATEParagraphJustification justification)
{
    Check(sParaFeatures->SetJustification(ref_, justification));
}

void ITextRange::Remove()
{
    Check(sTextRange->Remove(ref_));
}

void ITextRange::SetLocalCharFeatures(const ICharFeatures& features)
{
    Check(sTextRange->SetLocalCharFeatures(ref_, features.GetRef()));
}

void ITextRange::SetLocalParaFeatures(const IParaFeatures& features)
{
    Check(sTextRange->SetLocalParaFeatures(ref_, features.GetRef()));
}

void ITextRange::InsertAfter(const ASUnicode* text, ai_int32 length)
{
    Check(sTextRange->InsertAfter(ref_, text, length));
}

std::u16string ITextRange::GetContents() const
{
    ai_int32 taille = 0;
    Check(sTextRange->GetSize(ref_, &taille));
    std::u16string texte(static_cast<size_t>(std::max<ai_int32>(taille, 0)), u'\0');
    ai_int32 copies = 0;
    Check(sTextRange->GetContents(ref_, reinterpret_cast<ASUnicode*>(texte.data()), taille, &copies));
    texte.resize(static_cast<size_t>(std::clamp<ai_int32>(copies, 0, taille)));
    return texte;
}

} // namespace ATE
