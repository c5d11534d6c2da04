#include "EcritLitPrefs.h"

#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "TableauSuites.h"

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

struct EntierStocke {
    const char* cle;
    int32_t* variable;
    int32_t usine;
};
const EntierStocke kEntiers[] = {
    {"NombreLignes", &NombreDeLignesDefaut, 3},
    {"NombreColonnes", &NombreDeColonnesDefaut, 4},
};

std::string CleCouleur(const char* nom, Element element)
{
    return std::string(nom) + kElements[element].suffixe;
}

void LitReel(const char* cle, double& variable)
{
    sAIPreference->GetRealPreference(kPrefixePrefs, cle, &variable);
}

void LitEntier(const char* cle, int32_t& variable)
{
    sAIPreference->GetIntegerPreference(kPrefixePrefs, cle, &variable);
}

void LitBooleen(const char* cle, bool& variable)
{
    ASBoolean valeur = variable;
    if (sAIPreference->GetBooleanPreference(kPrefixePrefs, cle, &valeur) == kNoErr)
        variable = valeur != 0;
}

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

// The "TypeCouleurs" key of an element.
std::string CleType(Element element)
{
    return CleCouleur("TypeCouleurs", element);
}

} // namespace

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
        LitEntier(e.cle, *e.variable);
    sAIPreference->GetStringPreference(kPrefixePrefs, "Police", NomPolice, kLongueurNomPolice);
    NomPolice[kLongueurNomPolice - 1] = '\0';
    CopieNomPolice(NomPoliceDefaut, NomPolice);
    if (sAIPreference->GetIntegerPreference(kPrefixePrefs, "NumPolice", &NumeroPoliceDefaut) != kNoErr)
        NumeroPoliceDefaut = 0;
    LitReel("Corps", CorpsDefaut);
    if (sAIPreference->GetIntegerPreference(kPrefixePrefs, "VariablePolice", &KPOLICE) != kNoErr)
        KPOLICE = 0;
    for (int e = 0; e < NombreElements; ++e) {
        const Element element = static_cast<Element>(e);
        JeuCouleurs& jeu = JeuxCouleurs[element];
        jeu.TypeCouleur = 0;
        LitEntier(CleType(element).c_str(), jeu.TypeCouleur);
        for (const Canal& canal : kCanaux) {
            jeu.*canal.champ = 0;
            LitReel(CleCouleur(canal.nom, element).c_str(), jeu.*canal.champ);
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

    EcritReel("Corps", CorpsDefaut, 12);
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
