#include "EcritLitPrefs.h"

#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "SourceDeReglages.h"
#include "TableauSuites.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The reals and integers read into their Defaut variable when present, left as they were
// when not; written by EcritPrefs with their factory value.
struct ReelStocke {
    const char* cle;
    double* variable;
    double usine;
};
const ReelStocke kReels[] = {
    {"EpaisseurLignes", &EpaisseurLignesDefaut, 1},     {"EpaisseurColonnes", &EpaisseurColonnesDefaut, 1},
    {"EpaisseurCadre", &EpaisseurCadreDefaut, 4},       {"EpaisseurCadreDeux", &EpaisseurCadreDeuxDefaut, 1},
    {"GouttiereLignes", &GouttiereLignesDefaut, 0},     {"GouttiereColonnes", &GouttiereColonnesDefaut, 0},
    {"GouttiereCadre", &GouttiereCadreDefaut, 3.2},
};

// The stored integers, each with the bounds within which the plug-in can use it: a count of
// rows or columns from 1 to kNombreMaxRangs, a font index and its offset small enough that
// their sum is an item of the font pop-up. A value outside was not written by the plug-in
// (the file was edited, or damaged): its factory value takes its place, and the plug-in says so.
struct EntierStocke {
    const char* cle;
    int32_t* variable;
    int32_t usine;
    int32_t minimum, maximum;
};
const EntierStocke kEntiers[] = {
    {"NombreLignes", &NombreDeLignesDefaut, 3, 1, kNombreMaxRangs},
    {"NombreColonnes", &NombreDeColonnesDefaut, 4, 1, kNombreMaxRangs},
};
const EntierStocke kNumPolice{"NumPolice", &NumeroPoliceDefaut, 0, 0, kNumeroMaxPolice};
const EntierStocke kVariablePolice{"VariablePolice", &KPOLICE, 0, -kNumeroMaxPolice, kNumeroMaxPolice};

// Reads the integer into its variable when present; one out of bounds becomes the factory
// value. False when the key is missing (the variable is then unchanged).
bool LitEntierBorne(const EntierStocke& e)
{
    return ::LitEntierBorne(SourcePreferences(), e.cle, *e.variable, e.usine, e.minimum, e.maximum);
}

// A colour's type and components and the type size, read as the stored integers are: a value
// the plug-in could not have written (a type other than gray, RGB or CMYK, a component outside
// its range, a size no text can be drawn at) gives way to the factory value.
void LitReelBorne(const std::string& cle, double& variable, double minimum, double maximum, double usine)
{
    ::LitReelBorne(SourcePreferences(), cle.c_str(), variable, usine, minimum, maximum);
}

std::string CleCouleur(const char* nom, Element element)
{
    return std::string(nom) + kElements[element].suffixe;
}

void LitReel(const char* cle, double& variable)
{
    sAIPreference->GetRealPreference(kPrefixePrefs, cle, &variable);
}

void LitBooleen(const char* cle, bool& variable)
{
    ASBoolean valeur = variable;
    if (sAIPreference->GetBooleanPreference(kPrefixePrefs, cle, &valeur) == kNoErr)
        variable = valeur != 0;
}

// The "TypeCouleurs" key of an element.
std::string CleType(Element element)
{
    return CleCouleur("TypeCouleurs", element);
}

} // namespace

void EcritBooleen(const char* cle, bool& variable, bool valeur)
{
    variable = valeur;
    sAIPreference->PutBooleanPreference(kPrefixePrefs, cle, valeur);
}

void EcritReel(const char* cle, double& variable, double valeur)
{
    variable = valeur;
    sAIPreference->PutRealPreference(kPrefixePrefs, cle, valeur);
}

void EcritEntier(const char* cle, int32_t& variable, int32_t valeur)
{
    variable = valeur;
    sAIPreference->PutIntegerPreference(kPrefixePrefs, cle, valeur);
}

double ReelUsine(std::string_view cle)
{
    for (const ReelStocke& r : kReels)
        if (cle == r.cle)
            return r.usine;
    return 0;
}

int32_t EntierUsine(std::string_view cle)
{
    for (const EntierStocke& e : kEntiers)
        if (cle == e.cle)
            return e.usine;
    return 0;
}

void EcritTypeCouleur(Element element)
{
    sAIPreference->PutIntegerPreference(kPrefixePrefs, CleType(element).c_str(), JeuxCouleurs[element].TypeCouleur);
}

void EcritCanal(Element element, int canal)
{
    sAIPreference->PutRealPreference(kPrefixePrefs, CleCouleur(kCanaux[canal].nom, element).c_str(),
                                     JeuxCouleurs[element].*kCanaux[canal].champ);
}

void CopieNomPolice(char (&destination)[kLongueurNomPolice], const char* source)
{
    size_t longueur = strnlen(source, sizeof destination);
    if (longueur == sizeof destination) {
        longueur = sizeof destination - 1;
        // Back to the start of the character the cut falls in.
        while (longueur > 0 && (static_cast<unsigned char>(source[longueur]) & 0xC0) == 0x80)
            --longueur;
    }
    std::memcpy(destination, source, longueur);
    destination[longueur] = '\0';
}

void LitPrefs()
{
    ASBoolean son = false;
    if (sAIPreference->GetBooleanPreference(kPrefixePrefs, "Son", &son) != kNoErr) {
        EcritPrefs(); // never run before: the factory set
        return;
    }
    SonDefaut = son != 0;
    for (const ReelStocke& r : kReels)
        LitReel(r.cle, *r.variable);
    for (const EntierStocke& e : kEntiers)
        LitEntierBorne(e);
    sAIPreference->GetStringPreference(kPrefixePrefs, "Police", NomPolice, kLongueurNomPolice);
    NomPolice[kLongueurNomPolice - 1] = '\0';
    CopieNomPolice(NomPoliceDefaut, NomPolice);
    if (!LitEntierBorne(kNumPolice))
        NumeroPoliceDefaut = 0;
    LitReelBorne("Corps", CorpsDefaut, kCorpsMinimum, kCorpsMaximum, kCorpsUsine);
    if (!LitEntierBorne(kVariablePolice))
        KPOLICE = 0;
    for (int e = 0; e < NombreElements; ++e) {
        const Element element = static_cast<Element>(e);
        JeuCouleurs& jeu = JeuxCouleurs[element];
        jeu.TypeCouleur = 0;
        const std::string cleType = CleType(element);
        LitEntierBorne({cleType.c_str(), &jeu.TypeCouleur, TypeGris, TypeGris, TypeCMJN});
        for (const Canal& canal : kCanaux) {
            jeu.*canal.champ = 0;
            LitReelBorne(CleCouleur(canal.nom, element), jeu.*canal.champ, 0, canal.maximum, canal.usine);
        }
    }
    OutilsGroupe = false;
    LitBooleen("OutilsGroupe", OutilsGroupe);
}

void EcritPrefs()
{
    EcritBooleen("PanneauVisible", PanneauVisible, true);
    for (const ReelStocke& r : kReels)
        EcritReel(r.cle, *r.variable, r.usine);
    for (const EntierStocke& e : kEntiers)
        EcritEntier(e.cle, *e.variable, e.usine);

    // The host's font of number 0; with none the default name stays empty.
    char nom[1024] = "";
    AIFontKey cle = nullptr;
    if (sAIFont->GetFontKeyByNumber(0, &cle) == kNoErr && cle != nullptr)
        sAIFont->GetFontName(cle, nom, sizeof nom);
    nom[sizeof nom - 1] = '\0';
    CopieNomPolice(NomPoliceDefaut, nom);
    sAIPreference->PutStringPreference(kPrefixePrefs, "Police", NomPoliceDefaut);

    EcritReel("Corps", CorpsDefaut, kCorpsUsine);
    EcritEntier("VariablePolice", KPOLICE, 0);
    EcritBooleen("OutilsGroupe", OutilsGroupe, false);
    EcritBooleen("Son", SonDefaut, true);
    for (int e = 0; e < NombreElements; ++e) {
        const Element element = static_cast<Element>(e);
        JeuCouleurs& jeu = JeuxCouleurs[element];
        EcritEntier(CleType(element).c_str(), jeu.TypeCouleur, 0);
        for (const Canal& canal : kCanaux)
            EcritReel(CleCouleur(canal.nom, element).c_str(), jeu.*canal.champ, canal.usine);
    }
    sAIPreference->PutBooleanPreference(kPrefixePrefs, "kADM_DPVisibleStr", true);
}
