#include "ActiverZones.h"

#include "JeuxDeCouleurs.h"
#include "Miroirs.h"
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
    switch (type) {
    case TypeGris:
        return {GzoneGris, GglisGris};
    case TypeRVB:
        return {GzoneRouge, GzoneVert, GzoneBleu, GglisRouge, GglisVert, GglisBleu};
    default:
        return {GzoneCyan, GzoneMagenta, GzoneJaune, GzoneNoir, GglisCyan, GglisMagenta, GglisJaune, GglisNoir};
    }
}

// The colour type of the element a page edits: pages 1 to 4 are rows, columns, frame, text.
int32_t TypeDeLaPage(int32_t page)
{
    return JeuxCouleurs[page - 1].TypeCouleur;
}

void AppliquePage(int32_t page, bool actif)
{
    SurSaPage({GstepPlusPositionX, GstepMoinsPositionX, GzonePositionX, GstepPlusPositionY, GstepMoinsPositionY,
               GzonePositionY, GstepPlusLongueurTableau, GstepMoinsLongueurTableau, GzoneLongueurTableau,
               GstepPlusHauteurTableau, GstepMoinsHauteurTableau, GzoneHauteurTableau},
              page == 0, actif);
    SurSaPage({GstepPlusNbrLignes, GstepMoinsNbrLignes, GzoneNbrLignes, GzoneGouttiereLigne, GzoneEpaisseurLignes},
              page == 1, true);
    SurSaPage({GstepPlusNbrColonnes, GstepMoinsNbrColonnes, GzoneNbrColonnes, GzoneGouttiereColonne,
               GzoneEpaisseurColonnes},
              page == 2, true);
    SurSaPage({GavecSansCadre, GavecSansCadreTexte}, page == 3, true);
    SurSaPage({GzoneGouttiereCadre, GzoneEpaisseurCadre, GzoneEpaisseurCadreDeux}, page == 3, true);
    SurSaPage({GavecSansTitre, GavecSansTitreTexte, GavecSansTexte, GavecSansTexteTexte}, page == 4, true);
    SurSaPage({GlistePolices, GzoneCorps}, page == 4, true);
    SurSaPage({GnomTitre}, page == 4, actif && AvecSansTitre);
    SurSaPage({GnomTexte}, page == 4, actif && AvecSansTexte);

    if (page == 0) {
        MontreEtActive({GpopUpTypeCouleur}, false, false);
        for (int32_t type : {TypeGris, TypeRVB, TypeCMJN})
            MontreEtActive(ChampsDuType(type), false, false);
        for (ns::TextField* etiquette : {GpourCentGrisCyan, GpourCentMagenta, GpourCentJaune, GpourCentNoir})
            if (etiquette != nullptr)
                etiquette->setHidden(true);
        return;
    }
    MontreEtActive({GpopUpTypeCouleur}, true, actif);
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
        Active({GzoneEpaisseurCadre, GzoneGouttiereCadre}, AvecSansCadre);
        // The inner frame has a thickness only in a double frame.
        Active({GzoneEpaisseurCadreDeux}, AvecSansCadre && GouttiereCadre > 0 && actif);
        // A frame that is off has no colour to edit.
        const int32_t type = TypeDeLaPage(3);
        if (type == TypeGris || type == TypeRVB || type == TypeCMJN)
            for (ns::Control* c : ChampsDuType(type))
                if (c != nullptr)
                    c->setEnabled(AvecSansCadre && actif);
    } else if (IndexPopup == 4) {
        // The font and the size serve while there is a title or a cell text.
        Active({GlistePolices, GzoneCorps}, AvecSansTitre || AvecSansTexte);
    }
}

int32_t ActiverZones(uint8_t actif)
{
    for (ns::Control* c : Controles{GvaroBT, GurlBT, GpopupPosLigColCad})
        if (c != nullptr)
            c->setEnabled(actif != 0);
    if (IndexPopup >= 0 && IndexPopup <= 4) {
        AppliquePage(IndexPopup, actif != 0);
        ActiveSelonLesOptions(actif != 0);
    }
    for (ns::View* vue : {GepaisseurLigColCadNSView, GPosXNbrLigNbrColNSView, GHauteurCadreDeuxNSView,
                          GgouttiereLigColCadNSView, GdessinCorpsTableauNSView})
        if (vue != nullptr)
            vue->display();
    return 0;
}
