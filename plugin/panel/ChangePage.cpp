// The page pop-up: "Position & size", "Rows", "Columns", "Frame", "Text". Each page shows its
// own controls in the same view; pages 1 to 4 show the colour editor for their element, and
// the panel takes the height of what the page shows.
#include "ActiverZones.h"
#include "BoutonIcone.h"
#include "ControlesEditeur.h"
#include "DessinCorpsTableau.h"
#include "EditeurCouleurs.h"
#include "Panneau.h"
#include "PoigneesHote.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "TaillePanneau.h"
#include "Visibilite.h"

#include <vector>

namespace {

void CacheEditeur()
{
    for (const ControlesCanal& c : kControlesCanaux) {
        MontreEtActive({c.zone(), c.glissiere()}, false, false);
        Montre(c.piste(), false);
    }
    for (const ControlesRangee& r : kControlesRangees) {
        Montre(r.label(), false);
        MontreEtActive({r.lettre(), r.pourCent()}, false, false);
    }
    Montre(COUtoutesGlissieresNSView(), false);
}

void AffichePage(int32_t page)
{
    struct Groupe {
        std::vector<ns::Control*> controles;
        bool montre;
        bool active;
    };
    // In the order of the page table: shown on their page, enabled there when `active`.
    const Groupe groupes[] = {
        {{PANzonePositionX(), PANstepPlusPositionX(), PANstepMoinsPositionX(), PANzonePositionY(),
          PANstepPlusPositionY(), PANstepMoinsPositionY(), PANzoneLongueurTableau(), PANstepPlusLongueurTableau(),
          PANstepMoinsLongueurTableau(), PANzoneHauteurTableau(), PANstepPlusHauteurTableau(),
          PANstepMoinsHauteurTableau()},
         page == 0,
         true},
        {{PANzoneNbrLignes(), PANstepPlusNbrLignes(), PANstepMoinsNbrLignes(), PANzoneEpaisseurLignes(),
          PANzoneGouttiereLigne()},
         page == 1,
         true},
        {{PANzoneNbrColonnes(), PANstepPlusNbrColonnes(), PANstepMoinsNbrColonnes(), PANzoneEpaisseurColonnes(),
          PANzoneGouttiereColonne()},
         page == 2,
         true},
        {{PANavecSansCadre(), PANavecSansCadreTexte(), PANzoneEpaisseurCadre(), PANzoneGouttiereCadre(),
          PANzoneEpaisseurCadreDeux()},
         page == 3,
         true},
        {{PANlistePolices(), PANzoneCorps(), PANavecSansTitre(), PANavecSansTitreTexte(), PANavecSansTexte(),
          PANavecSansTexteTexte()},
         page == 4,
         true},
        {{PANnomTitre()}, page == 4, AvecSansTitre},
        {{PANnomTexte()}, page == 4, AvecSansTexte},
        {{COUpopUpTypeCouleur()}, page != 0, true},
    };
    for (const Groupe& g : groupes)
        MontreEtActive(g.controles, g.montre, g.montre && g.active);
    // The frame's and the text's fields as the switches decide; the frame's colour fields
    // too, once laid out below.
    const auto options = [] { ActiveSelonLesOptions(OutilSelectionne); };

    if (page == 0) {
        CacheEditeur();
        // The host's answers are not examined: a failure leaves the panel as it was.
        AISize taille{0, 0};
        if (sAIPanel != nullptr) {
            sAIPanel->GetSize(PanneauRef, &taille);
            PoseTaillePanneau(AISize{kLargeurPanneau, kHauteurPagePosition});
        }
        return;
    }

    // Sliders, tracks and fields by row; on the text page, one row lower under the text's own
    // third row.
    const double bas = page == 4 ? kEcartRangees : 0;
    for (const ControlesCanal& c : kControlesCanaux) {
        const double y = -(c.rangee - 1) * kEcartRangees - bas;
        Place(c.glissiere(), -1, 219 + y, 186, 21);
        Place(c.piste(), 1, 232 + y, 174, 12);
        Place(c.zone(), 191, 226 + y, 32, 19);
    }
    switch (JeuxCouleurs[page - 1].TypeCouleur) {
    case TypeCMJN:
        COUactiverZonesCMJN();
        break;
    case TypeRVB:
        COUactiverZonesRVB();
        break;
    case TypeGris:
        COUactiverZonesGris();
        break;
    default:
        // A type the editor does not know: its controls stay as they were.
        break;
    }
    options();
}

ns::TextField* PremierChamp(int32_t page)
{
    switch (page) {
    case 0:
        return PANzonePositionX();
    case 1:
        return PANzoneNbrLignes();
    case 2:
        return PANzoneNbrColonnes();
    case 3:
        return PANzoneEpaisseurCadre();
    case 4:
        return AvecSansTitre ? PANnomTitre() : AvecSansTexte ? PANnomTexte() : PANzoneCorps();
    default:
        return nullptr;
    }
}

} // namespace

void PANpopupPosLigColCadTexCBP(ns::Object* expediteur)
{
    auto* popup = PANpopupPosLigColCad.envoyeur(expediteur);
    if (popup != nullptr)
        IndexPopup = popup->indexOfSelectedItem();
    AffichePageCourante();
    if (IndexPopup >= 0 && IndexPopup <= 4)
        if (ns::TextField* premier = PremierChamp(IndexPopup))
            premier->selectText(nullptr);
}

void AffichePageCourante()
{
    if (IndexPopup >= 0 && IndexPopup <= 4)
        AffichePage(IndexPopup);
    // They draw, and say what they stand for, by the page.
    for (const PriseVue<BoutonIcone>* icone : {&PANPosXNbrLigNbrColNSView, &PANHauteurCadreDeuxNSView,
                                               &PANgouttiereLigColCadNSView, &PANEpaisseurLigColCadNSView})
        if (auto* bouton = icone->en())
            bouton->suitLaPage();
    if (auto* vue = PANdessinCorpsTableauNSView())
        vue->display();
}
