// Any table edited again: a table selected while the panel is shown becomes the current table,
// its settings, colours and kept texts read from the settings it carries; after an undo or a
// redo, the current table's settings are read again from its group.
#include "Panneau.h"
#include "Reglages.h"
#include "ReglagesDuTableau.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"
#include "TextesGardes.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The table group that holds `art`, or is it: the nearest group up from it that carries
// settings. `ancien` is set when none does but a group named "Table" directly in a layer
// holds the art: a table made before tables carried their settings.
AIArtHandle TableauDe(AIArtHandle art, bool& ancien)
{
    ancien = false;
    for (AIArtHandle a = art; a != nullptr;) {
        if (PorteDesReglages(a))
            return a;
        AIArtHandle parent = nullptr;
        if (sAIArt->GetArtParent(a, &parent) != kNoErr || parent == nullptr)
            break;
        AIArtHandle grandParent = nullptr;
        const char* nom = nullptr;
        if (sAIArt->GetArtParent(parent, &grandParent) == kNoErr && grandParent == nullptr &&
            sAIArt->GetArtName(a, &nom) == kNoErr && nom != nullptr && std::strcmp(nom, "Table") == 0)
            ancien = true;
        a = parent;
    }
    return nullptr;
}

// The sub-group handles of the current table, found by their names in its group.
void RetrouveSousGroupes()
{
    OublieSousGroupes();
    const struct {
        const char* nom;
        AIArtHandle* handle;
    } sousGroupes[] = {
        {"Columns", &AHGroupeCO}, {"Lines", &AHGroupeLI}, {"Frame", &AHGroupeCadres},
        {"Title", &AHGroupeTI},   {"Text", &AHGroupeTC},
    };
    AIArtHandle enfant = nullptr;
    for (ASErr status = sAIArt->GetArtFirstChild(AHGroupe, &enfant); status == kNoErr && enfant != nullptr;
         status = sAIArt->GetArtSibling(enfant, &enfant)) {
        const char* nom = nullptr;
        if (sAIArt->GetArtName(enfant, &nom) != kNoErr || nom == nullptr)
            continue;
        for (const auto& s : sousGroupes)
            if (std::strcmp(nom, s.nom) == 0)
                *s.handle = enfant;
    }
}

// The settings the group carries become the current ones, shown in the panel.
void LitLeTableauCourant(bool muet)
{
    ReglagesTableau reglages = ReglagesCourants();
    if (LitReglagesDuTableau(AHGroupe, reglages, muet))
        AppliqueReglages(reglages);
    RetrouveSousGroupes();
}

} // namespace

ASErr TableauPlugIn::ChoisitTableauSelectionne()
{
    ASBoolean visible = false;
    ASErr status = sAIPanel->IsShown(PanneauRef, &visible);
    if (status != kNoErr || !visible)
        return status;
    std::vector<AIArtHandle> choisis;
    if ((status = ArtChoisi(choisis)) != kNoErr)
        return status;
    for (AIArtHandle art : choisis) {
        bool ancien = false;
        const AIArtHandle tableau = TableauDe(art, ancien);
        if (tableau == nullptr) {
            if (ancien)
                std::fprintf(stderr, "Varo-Table: the selected table was drawn before tables kept their settings: "
                                     "it is selected, not made the current table\n");
            continue;
        }
        if (tableau == AHGroupe && TableauCree)
            return kNoErr;
        // Another table: what was kept for the one before stays with it, in its frames.
        AHGroupe = tableau;
        GroupeCree = true;
        TableauCree = true;
        OKDrag = false;
        DoitRedessiner = false;
        OublieTextesGardes();
        LitLeTableauCourant(false);
        RecolteTextes();
        AfficheReglagesCourants();
        return kNoErr;
    }
    return kNoErr;
}

ASErr TableauPlugIn::RelitTableauCourant()
{
    if (!TableauCree || AHGroupe == nullptr || !sAIArt->ValidArt(AHGroupe, true) || !PorteDesReglages(AHGroupe))
        return kNoErr;
    LitLeTableauCourant(true);
    AfficheReglagesCourants();
    return kNoErr;
}
