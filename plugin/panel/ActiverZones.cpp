#include "ActiverZones.h"

#include "ControlesEditeur.h"
#include "JeuxDeCouleurs.h"
#include "Prises.h"
#include "Reglages.h"
#include "Visibilite.h"

#include <initializer_list>
#include <vector>

namespace {

using Controles = std::vector<ns::Control*>;

// One page's column of a group's row: shown and enabled as `active` on its page, hidden and
// disabled on the others.
void SurSaPage(const Controles& controles, bool saPage, bool active)
{
    MontreEtActive(controles, saPage, saPage && active);
}

// A colour type's field and slider pairs.
Controles ChampsDuType(int32_t type)
{
    if (type < TypeGris || type > TypeCMJN)
        return {};
    const DispositionType& d = kDispositions[type];
    Controles controles;
    for (int canal = d.premierCanal; canal < d.premierCanal + d.nombreCanaux; ++canal) {
        controles.push_back(kControlesCanaux[canal].zone());
        controles.push_back(kControlesCanaux[canal].glissiere());
    }
    return controles;
}

// The colour type of the element a page edits: pages 1 to 4 are rows, columns, frame, text.
int32_t TypeDeLaPage(int32_t page)
{
    return JeuxCouleurs[page - 1].TypeCouleur;
}

void AppliquePage(int32_t page, bool actif)
{
    SurSaPage({PANstepPlusPositionX(), PANstepMoinsPositionX(), PANzonePositionX(), PANstepPlusPositionY(),
               PANstepMoinsPositionY(), PANzonePositionY(), PANstepPlusLongueurTableau(), PANstepMoinsLongueurTableau(),
               PANzoneLongueurTableau(), PANstepPlusHauteurTableau(), PANstepMoinsHauteurTableau(),
               PANzoneHauteurTableau()},
              page == 0, actif);
    SurSaPage({PANstepPlusNbrLignes(), PANstepMoinsNbrLignes(), PANzoneNbrLignes(), PANzoneGouttiereLigne(),
               PANzoneEpaisseurLignes()},
              page == 1, true);
    SurSaPage({PANstepPlusNbrColonnes(), PANstepMoinsNbrColonnes(), PANzoneNbrColonnes(), PANzoneGouttiereColonne(),
               PANzoneEpaisseurColonnes()},
              page == 2, true);
    SurSaPage({PANavecSansCadre(), PANavecSansCadreTexte()}, page == 3, true);
    SurSaPage({PANzoneGouttiereCadre(), PANzoneEpaisseurCadre(), PANzoneEpaisseurCadreDeux()}, page == 3, true);
    SurSaPage({PANavecSansTitre(), PANavecSansTitreTexte(), PANavecSansTexte(), PANavecSansTexteTexte()}, page == 4,
              true);
    SurSaPage({PANlistePolices(), PANzoneCorps()}, page == 4, true);
    SurSaPage({PANnomTitre()}, page == 4, actif && AvecSansTitre);
    SurSaPage({PANnomTexte()}, page == 4, actif && AvecSansTexte);

    if (page == 0) {
        MontreEtActive({COUpopUpTypeCouleur()}, false, false);
        for (int32_t type : {TypeGris, TypeRVB, TypeCMJN})
            MontreEtActive(ChampsDuType(type), false, false);
        for (const ControlesRangee& r : kControlesRangees)
            if (ns::TextField* etiquette = r.pourCent())
                etiquette->setHidden(true);
        return;
    }
    MontreEtActive({COUpopUpTypeCouleur()}, true, actif);
    const int32_t type = TypeDeLaPage(page);
    if (type != TypeGris && type != TypeRVB && type != TypeCMJN)
        return;
    for (int32_t autre : {TypeGris, TypeRVB, TypeCMJN})
        if (autre != type)
            MontreEtActive(ChampsDuType(autre), false, false);
    MontreEtActive(ChampsDuType(type), true, actif);
}

void Active(std::initializer_list<ns::Control*> controles, bool active)
{
    for (ns::Control* c : controles)
        if (c != nullptr)
            c->setEnabled(active);
}

} // namespace

void ActiveSelonLesOptions(bool actif)
{
    if (IndexPopup == 3) {
        Active({PANzoneEpaisseurCadre(), PANzoneGouttiereCadre()}, AvecSansCadre);
        // The inner frame has a thickness only in a double frame.
        Active({PANzoneEpaisseurCadreDeux()}, AvecSansCadre && GouttiereCadre > 0 && actif);
        // A frame that is off has no colour to edit.
        const int32_t type = TypeDeLaPage(3);
        if (type == TypeGris || type == TypeRVB || type == TypeCMJN)
            for (ns::Control* c : ChampsDuType(type))
                if (c != nullptr)
                    c->setEnabled(AvecSansCadre && actif);
    } else if (IndexPopup == 4) {
        // The font and the size serve while there is a title or a cell text.
        Active({PANlistePolices(), PANzoneCorps()}, AvecSansTitre || AvecSansTexte);
    }
}

int32_t ActiverZones(uint8_t actif)
{
    for (ns::Control* c : Controles{PANvaroBT(), PANurlBT(), PANpopupPosLigColCad()})
        if (c != nullptr)
            c->setEnabled(actif != 0);
    if (IndexPopup >= 0 && IndexPopup <= 4) {
        AppliquePage(IndexPopup, actif != 0);
        ActiveSelonLesOptions(actif != 0);
    }
    for (ns::View* vue : {PANEpaisseurLigColCadNSView(), PANPosXNbrLigNbrColNSView(), PANHauteurCadreDeuxNSView(),
                          PANgouttiereLigColCadNSView(), PANdessinCorpsTableauNSView()})
        if (vue != nullptr)
            vue->display();
    return 0;
}
