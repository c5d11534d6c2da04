// The current table's texts: the title centred in the title row, the cell text centred in
// every other cell, each a point-text frame filled through the host's text engine.
#include "ATEClasses.h"
#include "GeometrieTableau.h"
#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "TableauTraces.h"
#include "TextesGardes.h"
#include "UnicodeString.h"

#include <cstring>
#include <limits>
#include <optional>
#include <new>
#include <span>
#include <string>
#include <string_view>

namespace {

std::string_view Texte(const char (&texte)[kOctetsMaxTexte + 1])
{
    return {texte, strnlen(texte, sizeof texte)};
}

// The text colour set as a host colour; nothing when the set holds no colour.
std::optional<AIColor> CouleurDuTexte()
{
    AIColor couleur{};
    if (!CouleurDuJeu(JeuxCouleurs[ElementTexte], couleur))
        return std::nullopt;
    return couleur;
}

// The text-engine paint of that colour; null when there is none or the host refuses it, and
// the text then keeps the engine's own fill.
ATE::IApplicationPaint PeintureDuTexte(const std::optional<AIColor>& couleur)
{
    ApplicationPaintRef peinture = nullptr;
    if (!couleur || sAIATEPaint->CreateATEApplicationPaint(&*couleur, &peinture) != kNoErr)
        return ATE::IApplicationPaint();
    return ATE::IApplicationPaint(peinture);
}

// The text-engine font of entry NumeroPolice + KPOLICE of the host's font list, the list the
// panel's font pop-up shows; null when there is no such entry.
ATE::IFont PoliceDuTexte()
{
    const int64_t numero = int64_t{NumeroPolice} + KPOLICE;
    AIFontKey cle = nullptr;
    FontRef police = nullptr;
    if (numero < 0 || numero > std::numeric_limits<ai_int32>::max() ||
        sAIFont->IndexUserFontList(static_cast<ai_int32>(numero), &cle) != kNoErr ||
        sAIFont->FontFromFontKey(cle, &police) != kNoErr)
        return ATE::IFont();
    return ATE::IFont(police);
}

// Empties the frame's text, gives it the table's character and paragraph features (its fill
// of `couleur`, the text colour set read once for all the frames of a build), then inserts
// `texte`.
ASErr Parametres(AIArtHandle& frame, const ai::UnicodeString& texte, const std::optional<AIColor>& couleur)
{
    try {
        ATE::IParaFeatures paragraphe;
        ATE::ICharFeatures caracteres;
        TextRangeRef reference = nullptr;
        if (ASErr status = sAITextFrame->GetATETextRange(frame, &reference))
            return status;
        ATE::ITextRange etendue(reference);
        etendue.Remove();

        const ATE::IApplicationPaint peinture = PeintureDuTexte(couleur);
        if (!peinture.IsNull())
            caracteres.SetFillColor(peinture);
        paragraphe.SetLeadingType(kRomanLeadingType);
        paragraphe.SetStartIndent(0);
        paragraphe.SetFirstLineIndent(0);
        caracteres.SetTracking(0);
        caracteres.SetFontSize(static_cast<AIReal>(Corps));
        paragraphe.SetJustification(kCenterJustify);
        const ATE::IFont police = PoliceDuTexte();
        if (!police.IsNull())
            caracteres.SetFont(police);

        etendue.SetLocalCharFeatures(caracteres);
        etendue.SetLocalParaFeatures(paragraphe);
        etendue.InsertAfter(texte.data(), -1);
        return kNoErr;
    } catch (const ATE::Exception& erreur) {
        return erreur.code();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    }
}

// A text in the engine's form, converted again only when the text is not the one converted
// last: each text group keeps one from a frame to the next and from one rebuild to the next.
class TexteUnicode {
public:
    // May throw std::bad_alloc, and then converts again at the next call.
    const ai::UnicodeString& de(std::string_view texte)
    {
        if (!unicode_ || texte != source_) {
            unicode_.reset();
            source_.assign(texte);
            unicode_.emplace(texte);
        }
        return *unicode_;
    }

private:
    std::string source_;
    std::optional<ai::UnicodeString> unicode_;
};

TexteUnicode gTitreUnicode;
TexteUnicode gCaseUnicode;
// The cells' anchors, kept with their room from one rebuild to the next as the rules' shapes are.
std::vector<Ancre> gAncres;

// The frames of one text group, each made at (0, 0) and moved to its anchor, frame i holding
// texte(i), put into the engine's form by `unicode`. A frame the host refuses to fill stays
// empty where it is put and the build goes on; the first failure is the answer.
template <typename Texte>
ASErr TraceGroupe(AIArtHandle& groupe, const char* nom, std::span<const Ancre> ancres, TexteUnicode& unicode,
                  Texte&& texte)
{
    ASErr status = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, AHGroupe, &groupe);
    if (status != kNoErr)
        return status;
    PremiereErreur premiere;
    premiere.garde(sAIArt->SetArtName(groupe, nom));
    const auto garde = [&premiere](ASErr resultat) { return premiere.garde(resultat); };
    const std::optional<AIColor> couleur = CouleurDuTexte();
    for (size_t i = 0; i < ancres.size(); ++i) {
        const Ancre& ancre = ancres[i];
        AIArtHandle frame = nullptr;
        if (garde(sAITextFrame->NewPointText(kPlaceInsideOnTop, groupe, kHorizontalTextOrientation, AIRealPoint{0, 0},
                                             &frame)) != kNoErr)
            continue;
        const ai::UnicodeString* ceTexte = nullptr;
        try {
            ceTexte = &unicode.de(texte(i));
        } catch (const std::bad_alloc&) {
            garde(kOutOfMemoryErr);
            continue;
        }
        garde(Parametres(frame, *ceTexte, couleur));
        AIRealMatrix translation;
        if (garde(sAIRealMath->AIRealMatrixSetTranslate(&translation, static_cast<AIReal>(ancre.x),
                                                        static_cast<AIReal>(ancre.y))) == kNoErr)
            garde(sAITransformArt->TransformArt(frame, &translation, 0, kTransformObjects));
    }
    return premiere.status();
}

void RetireDuTableauCourant(AIArtHandle& groupe)
{
    if (TableauCree && !DoitRedessiner)
        DetruitTrace(groupe); // only while it is still valid art
}

} // namespace

namespace {

ASErr ParametresDuTexte(AIArtHandle& frame, std::string_view texte)
{
    try {
        return Parametres(frame, ai::UnicodeString(texte), CouleurDuTexte());
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    }
}

} // namespace

ASErr ParametresTexteTitreTableau(AIArtHandle& frame)
{
    return ParametresDuTexte(frame, Texte(TitreTableau));
}

ASErr ParametresTexteCasesTableau(AIArtHandle& frame)
{
    return ParametresDuTexte(frame, Texte(TexteCase));
}

ASErr TraceTextes()
{
    if (!sAIArt->ValidArt(AHGroupe, true))
        return kNoErr;
    const DimensionsTableau t = LitDimensions();
    PremiereErreur premiere;

    RetireDuTableauCourant(AHGroupeTI);
    if (AvecSansTitre)
        if (const auto ancre = AncreTitre(t, Corps)) {
            const std::optional<std::string>& garde = TitreGarde();
            const std::string_view titre = garde ? std::string_view(*garde) : Texte(TitreTableau);
            premiere.garde(TraceGroupe(AHGroupeTI, "Title", std::span(&*ancre, 1), gTitreUnicode,
                                       [titre](size_t) { return titre; }));
        }

    RetireDuTableauCourant(AHGroupeTC);
    if (AvecSansTexte)
        if (std::vector<Ancre>& ancres = gAncres; AncresCases(t, Corps, ancres)) {
            // Row by row from the first row under the title, as AncresCases gives them.
            const int32_t premiereLigne = t.titre ? 1 : 0;
            const std::string_view texteCase = Texte(TexteCase);
            const bool avecGardes = !TextesGardes().empty();
            const auto texte = [&](size_t i) {
                if (!avecGardes)
                    return texteCase;
                const Cellule cellule{premiereLigne + static_cast<int32_t>(i / static_cast<size_t>(t.nC)),
                                      static_cast<int32_t>(i % static_cast<size_t>(t.nC))};
                const std::string* garde = TexteGarde(cellule);
                return garde != nullptr ? std::string_view(*garde) : texteCase;
            };
            premiere.garde(TraceGroupe(AHGroupeTC, "Text", ancres, gCaseUnicode, texte));
        }
    return premiere.status();
}
