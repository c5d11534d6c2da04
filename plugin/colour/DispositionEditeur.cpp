// The colour type pop-up, and the colour editor laid out for one colour type of the page's
// element: the panel's height, the type's fields and sliders loaded and shown, the other
// types' hidden, the rows' labels, letters and "%" placed, the cover over the rows shown, the
// focus in the type's first field.
#include "ControlesEditeur.h"
#include "EcritLitPrefs.h"
#include "FormatNombres.h"
#include "EditeurCouleurs.h"
#include "PoigneesHote.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "TaillePanneau.h"
#include "Visibilite.h"

namespace {

void COUactiverZones(int32_t type);

} // namespace

void COUpopUpTypeCouleurCBP(ns::Object* expediteur)
{
    auto* popup = COUpopUpTypeCouleur.envoyeur(expediteur);
    if (IndexPopup < 1 || IndexPopup > 4 || popup == nullptr)
        return;
    const auto element = static_cast<Element>(IndexPopup - 1);
    // The values stay as they are: switching back shows them again. The path style takes the
    // new type at the element's next change or its next construction.
    switch (popup->indexOfSelectedItem()) {
    case TypeCMJN:
        JeuxCouleurs[element].TypeCouleur = TypeCMJN;
        COUactiverZonesCMJN();
        break;
    case TypeRVB:
        JeuxCouleurs[element].TypeCouleur = TypeRVB;
        COUactiverZonesRVB();
        break;
    case TypeGris:
        JeuxCouleurs[element].TypeCouleur = TypeGris;
        COUactiverZonesGris();
        break;
    default:
        return;
    }
    EcritTypeCouleur(element);
}

void COUactiverZonesGris()
{
    COUactiverZones(TypeGris);
}

void COUactiverZonesRVB()
{
    COUactiverZones(TypeRVB);
}

void COUactiverZonesCMJN()
{
    COUactiverZones(TypeCMJN);
}

namespace {

void COUactiverZones(int32_t type)
{
    const DispositionType& disposition = kDispositions[type];
    const auto estDuType = [&](int canal) {
        return canal >= disposition.premierCanal && canal < disposition.premierCanal + disposition.nombreCanaux;
    };

    // The host's answers are not examined: a failure leaves the panel as it was.
    AISize taille{0, 0};
    if (sAIPanel != nullptr)
        sAIPanel->GetSize(PanneauRef, &taille);
    taille.width = kLargeurPanneau;
    if (auto* popup = COUpopUpTypeCouleur())
        popup->selectItemAtIndex(type);

    if (IndexPopup >= 1 && IndexPopup <= 4) {
        const bool pageTexte = IndexPopup == 4;
        taille.height = pageTexte ? disposition.hauteurTexte : disposition.hauteur;
        const JeuCouleurs& jeu = JeuxCouleurs[IndexPopup - 1];
        // A frame that is off has no colour to edit.
        const bool actifs = IndexPopup != 3 || AvecSansCadre;
        for (int canal = 0; canal < NombreCanaux; ++canal) {
            if (!estDuType(canal))
                continue;
            const double valeur = jeu.*kCanaux[canal].champ;
            if (ns::TextField* zone = kControlesCanaux[canal].zone()) {
                zone->setStringValue(TexteNombre(valeur));
                zone->setEnabled(actifs);
            }
            if (ns::Slider* glissiere = kControlesCanaux[canal].glissiere()) {
                glissiere->setDoubleValue(valeur);
                glissiere->setEnabled(actifs);
            }
        }
        const double bas = pageTexte ? kEcartRangees : 0;
        for (int rangee = 0; rangee < kNombreRangees; ++rangee) {
            const double y = -rangee * kEcartRangees - bas;
            Place(kControlesRangees[rangee].label(), 174, 226 + y, 17, 19);
            Place(kControlesRangees[rangee].lettre(), 175, 224 + y, 19, 19);
            Place(kControlesRangees[rangee].pourCent(), 222, 228 + y, 19, 14);
        }
        const double rangeesEnPlus = (disposition.nombreCanaux - 1) * kEcartRangees;
        Place(COUtoutesGlissieresNSView(), 0, 219 - rangeesEnPlus - bas, 177, 26 + rangeesEnPlus);
    }

    for (int canal = 0; canal < NombreCanaux; ++canal) {
        const bool montre = estDuType(canal);
        ns::TextField* zone = kControlesCanaux[canal].zone();
        ns::Slider* glissiere = kControlesCanaux[canal].glissiere();
        if (montre) {
            Montre(zone, true);
            Montre(glissiere, true);
        } else {
            MontreEtActive({zone, glissiere}, false, false);
        }
        // The track lies under its slider: it goes with it.
        Montre(kControlesCanaux[canal].piste(), montre);
    }
    for (int rangee = 0; rangee < kNombreRangees; ++rangee) {
        const bool utilisee = rangee < disposition.nombreCanaux;
        const ControlesRangee& r = kControlesRangees[rangee];
        // The letters and "%" only label their row: shown, they read as enabled.
        MontreEtActive({r.pourCent()}, utilisee && disposition.pourCent, true);
        Montre(r.label(), utilisee);
        if (ns::TextField* lettre = r.lettre()) {
            lettre->setStringValue(disposition.lettres[rangee]);
            MontreEtActive({lettre}, utilisee, true);
        }
    }
    Montre(COUtoutesGlissieresNSView(), true);

    if (ns::TextField* premier = kControlesCanaux[disposition.premierCanal].zone())
        premier->selectText(nullptr);
    if (sAIPanel != nullptr)
        PoseTaillePanneau(taille);
}

} // namespace
