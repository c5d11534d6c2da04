// The frame, title and text pages' options: the three switches, the title and the cell text,
// the font and the type size.
#include "OptionsTexte.h"

#include "ActiverZones.h"
#include "ControlesEditeur.h"
#include "DessinCouleurs.h"
#include "MiseAJourZones.h"
#include "SimuleAppuiTouche.h"
#include "TableauDialogue.h"
#include "TableauSuites.h"
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

// The title's and the cell text's switches and fields: the same rules, with their roles
// exchanged.
struct TexteOptionnel {
    bool* avecSans;
    const bool* avecSansAutre;
    ns::Button* TableauDialogue::*caseACocher;
    ns::TextField* TableauDialogue::*libelle;
    ns::TextField* TableauDialogue::*nom;
    ns::TextField* TableauDialogue::*nomAutre;
    const char* avec;
    const char* sans;
    // Switched off while the other is on, the focus goes to the other's field.
    bool focusVersLAutre;
    char (*reglage)[kOctetsMaxTexte + 1];
    const char* alerte;
};

namespace {

const TexteOptionnel kTitre = {&AvecSansTitre, &AvecSansTexte, &TableauDialogue::PANavecSansTitre,
                               &TableauDialogue::PANavecSansTitreTexte, &TableauDialogue::PANnomTitre,
                               &TableauDialogue::PANnomTexte, "With title", "Without title", true, &TitreTableau,
                               "The title of the table is too long\r (up to 80 characters)."};
const TexteOptionnel kTexte = {&AvecSansTexte, &AvecSansTitre, &TableauDialogue::PANavecSansTexte,
                               &TableauDialogue::PANavecSansTexteTexte, &TableauDialogue::PANnomTexte,
                               &TableauDialogue::PANnomTitre, "With Text", "Without Text", false, &TexteCase,
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

} // namespace

void TableauDialogue::PANavecSansCadreCBP(ns::Object*)
{
    AvecSansCadre = !AvecSansCadre;
    if (PANavecSansCadreTexte != nullptr)
        PANavecSansCadreTexte->setStringValue(AvecSansCadre ? "With frame" : "Without frame");
    // Its fields, and its colour's, serve while there is a frame.
    ActiveSelonLesOptions(OutilSelectionne);
    if (PANdessinCouleursNSView != nullptr)
        PANdessinCouleursNSView->display();
    SimuleAppuiToucheFn();
}

void TableauDialogue::BasculeTexte(const TexteOptionnel& t)
{
    *t.avecSans = !*t.avecSans;
    Active(this->*t.nom, *t.avecSans);
    if (ns::TextField* libelle = this->*t.libelle)
        libelle->setStringValue(*t.avecSans ? t.avec : t.sans);
    // The font and the size serve while there is a title or a cell text.
    ActiveSelonLesOptions(OutilSelectionne);
    if (*t.avecSans) {
        Focus(this->*t.nom);
    } else if (*t.avecSansAutre) {
        if (t.focusVersLAutre)
            Focus(this->*t.nomAutre);
    } else if (TypeCouleurTexte >= TypeGris && TypeCouleurTexte <= TypeCMJN) {
        Focus(this->*kControlesCanaux[kDispositions[TypeCouleurTexte].premierCanal].zone);
    }
    SimuleAppuiToucheFn();
}

void TableauDialogue::PANavecSansTitreCBP(ns::Object*)
{
    BasculeTexte(kTitre);
}

void TableauDialogue::PANavecSansTexteCBP(ns::Object*)
{
    BasculeTexte(kTexte);
}

void TableauDialogue::ValideTexte(const TexteOptionnel& t)
{
    ns::TextField* zone = this->*t.nom;
    if (zone == nullptr)
        return;
    if (!CopieTexteTableau(*t.reglage, zone->stringValue())) {
        // The field never keeps a text the table does not have.
        zone->setStringValue(*t.reglage);
        PrevientUtilisateur(t.alerte);
        return;
    }
    SimuleAppuiToucheFn();
}

void TableauDialogue::PANnomTitreCBP(ns::Object*)
{
    ValideTexte(kTitre);
}

void TableauDialogue::PANnomTexteCBP(ns::Object*)
{
    ValideTexte(kTexte);
}

void TableauDialogue::PANnomsPolicesCBP(ns::Object*)
{
    if (PANlistePolices != nullptr)
        NumeroPolice = PANlistePolices->indexOfSelectedItem() - KPOLICE;
    SimuleAppuiToucheFn();
}

void TableauDialogue::PANcorpsCBP(ns::Object*)
{
    // A size of 0 or less, or none, is refused: the texts would have nothing to be drawn at.
    if (ValideChamp(PANzoneCorps, {GenreChamp::TailleTexte, &Corps}))
        SimuleAppuiToucheFn();
}
