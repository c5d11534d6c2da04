#include "RemplissageCellules.h"

#include "GeometrieTableau.h"
#include "Panneau.h"
#include "Reglages.h"
#include "ReglagesDuTableau.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

#include <algorithm>
#include <cstring>

bool TableauCourantRemplissable()
{
    return TableauCree && AHGroupe != nullptr && sAIArt->ValidArt(AHGroupe, true) && PorteDesReglages(AHGroupe);
}

std::string RemplitCellules(const Enregistrements& enregistrements, Cellule depart, bool versLeTitre)
{
    if (enregistrements.empty())
        return "There are no cells to fill.";
    const size_t premier = versLeTitre ? 1 : 0;
    const Cellule debut = versLeTitre ? Cellule{1, 0} : depart;
    size_t champs = 0;
    for (size_t i = premier; i < enregistrements.size(); ++i)
        champs = std::max(champs, enregistrements[i].size());
    const int64_t lignes = std::max<int64_t>(NombreDeLignes, debut.first + int64_t(enregistrements.size() - premier));
    const int64_t colonnes = std::max<int64_t>(NombreDeColonnes, debut.second + int64_t(champs));
    if (lignes > kNombreMaxRangs || colonnes > kNombreMaxRangs ||
        !DansLaLimiteDObjets(Dimensions(PositionX, PositionY, LongueurTableau, HauteurTableau,
                                        static_cast<int32_t>(lignes), static_cast<int32_t>(colonnes),
                                        GouttiereLignes, GouttiereColonnes, GouttiereCadre, AvecSansTitre)))
        return "The cells would need a table of " + std::to_string(lignes) + " rows and " + std::to_string(colonnes) +
               " columns, more than a table may hold (" + std::to_string(kMaxObjetsParElement) +
               " cells or rules).";

    NombreDeLignes = static_cast<int32_t>(lignes);
    NombreDeColonnes = static_cast<int32_t>(colonnes);
    if (versLeTitre) {
        std::string titre;
        for (const std::string& champ : enregistrements.front())
            if (!champ.empty())
                titre += (titre.empty() ? "" : " ") + champ;
        GardeTitre(std::move(titre));
    }
    if (enregistrements.size() > premier)
        AvecSansTexte = true;
    for (size_t i = premier; i < enregistrements.size(); ++i)
        for (size_t k = 0; k < enregistrements[i].size(); ++k)
            GardeTexte({debut.first + static_cast<int32_t>(i - premier), debut.second + static_cast<int32_t>(k)},
                       enregistrements[i][k]);
    return {};
}

ASErr ReconstruitAvecSesCellules()
{
    const ASErr status = TraceTableau();
    AfficheReglagesCourants();
    return status;
}

Enregistrements CellulesDuTableau()
{
    Enregistrements enregistrements;
    if (AvecSansTitre) {
        const std::optional<std::string>& garde = TitreGarde();
        enregistrements.push_back(
            {garde ? *garde : std::string(TitreTableau, strnlen(TitreTableau, sizeof TitreTableau))});
    }
    const std::string texteCase(TexteCase, strnlen(TexteCase, sizeof TexteCase));
    for (int32_t ligne = AvecSansTitre ? 1 : 0; ligne < NombreDeLignes; ++ligne) {
        std::vector<std::string>& enregistrement = enregistrements.emplace_back();
        for (int32_t colonne = 0; colonne < NombreDeColonnes; ++colonne) {
            const std::string* garde = TexteGarde({ligne, colonne});
            enregistrement.push_back(garde != nullptr ? *garde : texteCase);
        }
    }
    return enregistrements;
}
