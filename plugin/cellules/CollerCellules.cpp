// Edit > "Paste Cells": tab-separated text from the clipboard, as spreadsheets copy cells,
// into the current table from the selected cell on.
#include "ActionsCellules.h"
#include "Csv.h"
#include "Pasteboard.h"
#include "Reglages.h"
#include "ReglagesDuTableau.h"
#include "RemplissageCellules.h"
#include "TableauSuites.h"
#include "TextesGardes.h"
#include "ValidationChamp.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// The cell a text frame of the current table stands for, by its place in the group of cells
// as the table was built; the title's frame stands for the title (nullopt with `titre` set).
std::optional<Cellule> CelluleDuCadre(AIArtHandle cadre, bool& titre)
{
    titre = false;
    AIArtHandle parent = nullptr;
    if (sAIArt->GetArtParent(cadre, &parent) != kNoErr || parent == nullptr)
        return std::nullopt;
    if (parent == AHGroupeTI && sAIArt->ValidArt(AHGroupeTI, true)) {
        titre = true;
        return std::nullopt;
    }
    ReglagesTableau construit;
    if (parent != AHGroupeTC || !sAIArt->ValidArt(AHGroupeTC, true) ||
        !LitReglagesDuTableau(AHGroupe, construit, true) || construit.NombreDeColonnes < 1)
        return std::nullopt;
    const std::vector<AIArtHandle> cadres = EnfantsDansLOrdre(AHGroupeTC);
    const auto trouve = std::find(cadres.begin(), cadres.end(), cadre);
    if (trouve != cadres.end()) {
        const int64_t rang = trouve - cadres.begin();
        return Cellule{static_cast<int32_t>((construit.AvecSansTitre ? 1 : 0) + rang / construit.NombreDeColonnes),
                       static_cast<int32_t>(rang % construit.NombreDeColonnes)};
    }
    return std::nullopt;
}

// Where the paste goes: the selected cell of the current table, else its first cell.
Cellule Depart(bool& titre)
{
    const Cellule premiere{AvecSansTitre ? 1 : 0, 0};
    titre = false;
    std::vector<AIArtHandle> choisis;
    ArtChoisi(choisis);
    for (AIArtHandle art : choisis) {
        if (std::optional<Cellule> cellule = CelluleDuCadre(art, titre))
            return *cellule;
        if (titre)
            return premiere;
    }
    return premiere;
}

} // namespace

ASErr ColleCellules()
{
    if (!TableauCourantRemplissable()) {
        PrevientUtilisateur("There is no table to paste into: draw one with the Table Tool, or select one while the "
                            "panel is shown.");
        return kNoErr;
    }
    const std::optional<std::string> texte = ns::Pasteboard::general().string();
    if (!texte || texte->empty()) {
        PrevientUtilisateur("The clipboard holds no text to paste into the cells.");
        return kNoErr;
    }
    const LectureCsv lecture = LitCsv(*texte, '\t');
    if (!lecture.refus.empty()) {
        PrevientUtilisateur("The clipboard's text cannot be pasted into the cells: " + lecture.refus + ".");
        return kNoErr;
    }
    RecolteTextes();
    bool titre = false;
    const Cellule depart = Depart(titre);
    if (std::string refus = RemplitCellules(lecture.enregistrements, depart, titre && AvecSansTitre); !refus.empty()) {
        PrevientUtilisateur(refus);
        return kNoErr;
    }
    return ReconstruitAvecSesCellules();
}
