#include "TextesGardes.h"

#include "ATEClasses.h"
#include "Reglages.h"
#include "ReglagesDuTableau.h"
#include "TableauSuites.h"
#include "UnicodeString.h"

#include <algorithm>
#include <new>

namespace {

std::map<Cellule, std::string> Cellules;
std::optional<std::string> Titre;
// The panel gave the title since the table was last read: what its frame holds is no longer
// what the person wants.
bool TitreRemplace = false;

// The text of a text frame; none when the host cannot give it.
std::optional<std::string> TexteDuCadre(AIArtHandle cadre)
{
    try {
        TextRangeRef reference = nullptr;
        if (sAITextFrame->GetATETextRange(cadre, &reference) != kNoErr)
            return std::nullopt;
        const ATE::ITextRange etendue(reference);
        return ai::UnicodeString(etendue.GetContents()).as_UTF8();
    } catch (const ATE::Exception&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// A text the build gave is no longer kept; any other is.
template <typename Garde>
void Compare(AIArtHandle cadre, const std::string& construit, Garde&& garde)
{
    if (std::optional<std::string> texte = TexteDuCadre(cadre))
        garde(*texte == construit ? std::nullopt : std::move(texte));
}

bool GroupeValide(AIArtHandle groupe)
{
    return groupe != nullptr && sAIArt->ValidArt(groupe, true);
}

} // namespace

void OublieTextesGardes()
{
    Cellules.clear();
    Titre.reset();
    TitreRemplace = false;
}

void RecolteTextes()
{
    ReglagesTableau construit;
    if (!TableauCree || !GroupeValide(AHGroupe) || !LitReglagesDuTableau(AHGroupe, construit, true))
        return;
    if (std::exchange(TitreRemplace, false))
        Titre.reset();
    else if (construit.AvecSansTitre && GroupeValide(AHGroupeTI)) {
        AIArtHandle cadre = nullptr;
        if (sAIArt->GetArtFirstChild(AHGroupeTI, &cadre) == kNoErr && cadre != nullptr)
            Compare(cadre, construit.Titre, [](std::optional<std::string> texte) { Titre = std::move(texte); });
    }
    if (!construit.AvecSansTexte || !GroupeValide(AHGroupeTC))
        return;
    // The frames were made row by row from the first row under the title, left to right.
    const int32_t colonnes = construit.NombreDeColonnes;
    Cellule cellule{construit.AvecSansTitre ? 1 : 0, 0};
    for (AIArtHandle cadre : EnfantsDansLOrdre(AHGroupeTC)) {
        if (cellule.first >= construit.NombreDeLignes)
            break;
        Compare(cadre, construit.Texte, [&cellule](std::optional<std::string> texte) {
            if (texte)
                Cellules[cellule] = std::move(*texte);
            else
                Cellules.erase(cellule);
        });
        if (++cellule.second == colonnes)
            cellule = {cellule.first + 1, 0};
    }
}

std::vector<AIArtHandle> EnfantsDansLOrdre(AIArtHandle groupe)
{
    // The host names the top one first, then each one under it.
    std::vector<AIArtHandle> enfants;
    AIArtHandle enfant = nullptr;
    for (ASErr status = sAIArt->GetArtFirstChild(groupe, &enfant); status == kNoErr && enfant != nullptr;
         status = sAIArt->GetArtSibling(enfant, &enfant))
        enfants.push_back(enfant);
    return {enfants.rbegin(), enfants.rend()};
}

const std::string* TexteGarde(Cellule cellule)
{
    const auto trouve = Cellules.find(cellule);
    return trouve != Cellules.end() ? &trouve->second : nullptr;
}

const std::optional<std::string>& TitreGarde()
{
    return Titre;
}

void GardeTexte(Cellule cellule, std::string texte)
{
    Cellules[cellule] = std::move(texte);
}

void GardeTitre(std::string texte)
{
    Titre = std::move(texte);
}

void OublieTitreGarde()
{
    Titre.reset();
    TitreRemplace = true;
}

ASErr ArtChoisi(std::vector<AIArtHandle>& choisis)
{
    ai_int32 nombre = 0;
    choisis.assign(8, nullptr);
    const ASErr status =
        sAIMatchingArt->GetSelectedArt(choisis.data(), static_cast<ai_int32>(choisis.size()), &nombre);
    choisis.resize(status != kNoErr ? 0 : static_cast<size_t>(std::clamp<ai_int32>(nombre, 0, 8)));
    return status;
}

const std::map<Cellule, std::string>& TextesGardes()
{
    return Cellules;
}
