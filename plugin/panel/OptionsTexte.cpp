// The frame, title and text pages' options: the three switches, the title and the cell text,
// the font and the type size.
#include "OptionsTexte.h"

#include "ActiverZones.h"
#include "ControlesEditeur.h"
#include "DessinCouleurs.h"
#include "MiseAJourZones.h"
#include "Panneau.h"
#include "SimuleAppuiTouche.h"
#include "TableauSuites.h"
#include "TextesGardes.h"
#include "UnicodeString.h"
#include "ValidationChamp.h"

#include <cstring>

size_t NombreDeCaracteres(std::string_view texte)
{
    return ai::UnicodeString(texte).length();
}

bool CopieTexteTableau(char (&reglage)[kOctetsMaxTexte + 1], std::string_view texte)
{
    if (NombreDeCaracteres(texte) > kLongueurMaxTexte)
        return false;
    // Eighty characters of four bytes at most fill the setting exactly.
    const size_t octets = std::min(texte.size(), sizeof reglage - 1);
    std::memcpy(reglage, texte.data(), octets);
    reglage[octets] = '\0';
    return true;
}

namespace {

// The title's and the cell text's switches and fields: the same rules, with their roles
// exchanged.
struct TexteOptionnel {
    bool* avecSans;
    const bool* avecSansAutre;
    const Prise<ns::Button>& caseACocher;
    const Prise<ns::TextField>& libelle;
    const Prise<ns::TextField>& nom;
    const Prise<ns::TextField>& nomAutre;
    const char* avec;
    const char* sans;
    // Switched off while the other is on, the focus goes to the other's field.
    bool focusVersLAutre;
    char (*reglage)[kOctetsMaxTexte + 1];
    const char* alerte;
};

const TexteOptionnel kTitre = {&AvecSansTitre,
                               &AvecSansTexte,
                               PANavecSansTitre,
                               PANavecSansTitreTexte,
                               PANnomTitre,
                               PANnomTexte,
                               "With title",
                               "Without title",
                               true,
                               &TitreTableau,
                               "The title of the table is too long\r (up to 80 characters)."};
const TexteOptionnel kTexte = {&AvecSansTexte,
                               &AvecSansTitre,
                               PANavecSansTexte,
                               PANavecSansTexteTexte,
                               PANnomTexte,
                               PANnomTitre,
                               "With Text",
                               "Without Text",
                               false,
                               &TexteCase,
                               "The text is too long\r (up to 80 characters)."};

void Active(ns::Control* controle, bool active)
{
    if (controle != nullptr)
        controle->setEnabled(active);
}

void Focus(ns::TextField* zone)
{
    if (zone != nullptr)
        zone->selectText(nullptr);
}

void BasculeTexte(const TexteOptionnel& t)
{
    *t.avecSans = !*t.avecSans;
    Active(t.nom(), *t.avecSans);
    if (ns::TextField* libelle = t.libelle())
        libelle->setStringValue(*t.avecSans ? t.avec : t.sans);
    // The font and the size serve while there is a title or a cell text.
    ActiveSelonLesOptions(OutilSelectionne);
    if (*t.avecSans) {
        Focus(t.nom());
    } else if (*t.avecSansAutre) {
        if (t.focusVersLAutre)
            Focus(t.nomAutre());
    } else if (const int32_t type = JeuxCouleurs[ElementTexte].TypeCouleur; type >= TypeGris && type <= TypeCMJN) {
        Focus(kControlesCanaux[kDispositions[type].premierCanal].zone());
    }
    SimuleAppuiToucheFn();
}

void ValideTexte(const TexteOptionnel& t)
{
    ns::TextField* zone = t.nom();
    if (zone == nullptr)
        return;
    // A title typed in the panel replaces the one typed into the table; the field committed
    // as it was leaves that one.
    const std::string texte = zone->stringValue();
    const bool autreTitre = t.reglage == &TitreTableau && texte != *t.reglage;
    if (!CopieTexteTableau(*t.reglage, texte)) {
        // The field never keeps a text the table does not have.
        zone->setStringValue(*t.reglage);
        PrevientUtilisateur(t.alerte);
        return;
    }
    if (autreTitre)
        OublieTitreGarde();
    SimuleAppuiToucheFn();
}

} // namespace

void PANavecSansCadreCBP(ns::Object*)
{
    AvecSansCadre = !AvecSansCadre;
    if (auto* zone = PANavecSansCadreTexte())
        zone->setStringValue(AvecSansCadre ? "With frame" : "Without frame");
    // Its fields, and its colour's, serve while there is a frame.
    ActiveSelonLesOptions(OutilSelectionne);
    if (auto* vue = PANdessinCouleursNSView())
        vue->display();
    SimuleAppuiToucheFn();
}

void PANavecSansTitreCBP(ns::Object*)
{
    BasculeTexte(kTitre);
}

void PANavecSansTexteCBP(ns::Object*)
{
    BasculeTexte(kTexte);
}

void PANnomTitreCBP(ns::Object*)
{
    ValideTexte(kTitre);
}

void PANnomTexteCBP(ns::Object*)
{
    ValideTexte(kTexte);
}

void PANnomsPolicesCBP(ns::Object* expediteur)
{
    auto* liste = PANlistePolices.envoyeur(expediteur);
    if (liste != nullptr)
        NumeroPolice = liste->indexOfSelectedItem() - KPOLICE;
    SimuleAppuiToucheFn();
}

void PANcorpsCBP(ns::Object* expediteur)
{
    auto* zone = PANzoneCorps.envoyeur(expediteur);
    // A size of 0 or less, or none, is refused: the texts would have nothing to be drawn at.
    if (ValideChamp(zone, {GenreChamp::TailleTexte, &Corps}))
        SimuleAppuiToucheFn();
}
