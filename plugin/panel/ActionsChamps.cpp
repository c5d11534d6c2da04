#include "ActionsChamps.h"

#include "FormatNombres.h"
#include "LectureNombres.h"
#include "MiseAJourZones.h"
#include "Miroirs.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"

#include "Cursor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A decimal field's commit: its number into its setting, then its formatter.
struct ValidationDecimale {
    const char* selecteur;
    LitZone zone;
    double* reglage;
    void (*ensuite)();
};

// The frame gutter also decides whether there is an inner frame to give a thickness to, and
// the swatch draws a double frame or a single one.
void ApresGouttiereCadre()
{
    PANMiseAjourGouttiereCadre();
    if (GzoneEpaisseurCadreDeux != nullptr)
        GzoneEpaisseurCadreDeux->setEnabled(GouttiereCadre > 0);
    if (GdessinCouleursNSView != nullptr)
        GdessinCouleursNSView->display();
}

const ValidationDecimale kValidationsDecimales[] = {
    {"PANzonePositionXCBP:", Zone<GzonePositionX>, &PositionX, PANMiseAjourPositionX},
    {"PANzonePositionYCBP:", Zone<GzonePositionY>, &PositionY, PANMiseAjourPositionY},
    {"PANzoneLongueurTableauCBP:", Zone<GzoneLongueurTableau>, &LongueurTableau, PANMiseAjourLongueurTableau},
    {"PANzoneHauteurTableauCBP:", Zone<GzoneHauteurTableau>, &HauteurTableau, PANMiseAjourHauteurTableau},
    {"PANzoneGouttiereLigneCBP:", Zone<GzoneGouttiereLigne>, &GouttiereLignes, PANMiseAjourGouttiereLigne},
    {"PANzoneGouttiereColonneCBP:", Zone<GzoneGouttiereColonne>, &GouttiereColonnes, PANMiseAjourGouttiereColonne},
    {"PANzoneGouttiereCadreCBP:", Zone<GzoneGouttiereCadre>, &GouttiereCadre, ApresGouttiereCadre},
    {"PANepaisseurLignesCBP:", Zone<GzoneEpaisseurLignes>, &EpaisseurLignes, PANMiseAjourZoneEpaisseurLignes},
    {"PANepaisseurColonnesCBP:", Zone<GzoneEpaisseurColonnes>, &EpaisseurColonnes, PANMiseAjourZoneEpaisseurColonnes},
    {"PANepaisseurCadreCBP:", Zone<GzoneEpaisseurCadre>, &EpaisseurCadre, PANMiseAjourZoneEpaisseurCadre},
    {"PANepaisseurCadreDeuxCBP:", Zone<GzoneEpaisseurCadreDeux>, &EpaisseurCadreDeux, PANMiseAjourZoneEpaisseurCadreDeux},
};

// A count: its commit and its two step buttons, which never go below 1.
struct Compte {
    const char* validation;
    const char* moins;
    const char* plus;
    LitZone zone;
    int32_t* reglage;
};

const Compte kComptes[] = {
    {"PANzoneNbrLignesCBP:", "PANstepMoinsNbrLignesCBP:", "PANstepPlusNbrLignesCBP:", Zone<GzoneNbrLignes>, &NombreDeLignes},
    {"PANzoneNbrColonnesCBP:", "PANstepMoinsNbrColonnesCBP:", "PANstepPlusNbrColonnesCBP:", Zone<GzoneNbrColonnes>,
     &NombreDeColonnes},
};

// A length's two step buttons.
struct Longueur {
    const char* moins;
    const char* plus;
    LitZone zone;
    double* reglage;
};

const Longueur kLongueurs[] = {
    {"PANstepMoinsPositionXCBP:", "PANstepPlusPositionXCBP:", Zone<GzonePositionX>, &PositionX},
    {"PANstepMoinsPositionYCBP:", "PANstepPlusPositionYCBP:", Zone<GzonePositionY>, &PositionY},
    {"PANstepMoinsLongueurTableauCBP:", "PANstepPlusLongueurTableauCBP:", Zone<GzoneLongueurTableau>, &LongueurTableau},
    {"PANstepMoinsHauteurTableauCBP:", "PANstepPlusHauteurTableauCBP:", Zone<GzoneHauteurTableau>, &HauteurTableau},
};

// The units a length field may show, looked for in this order: the step (with Shift), the
// suffix written back, and points = value × facteur × multiple.
struct Unite {
    const char* nom;
    double pas, pasMajuscule;
    const char* suffixe;
    double facteur, multiple;
};

const Unite kUnites[] = {
    {"mm", 1, 5, " mm", kPointsParMillimetre, 1},
    {"cm", 0.1, 0.5, " cm", kPointsParMillimetre, 10},
    {"in", 0.1, 0.5, " in", 72, 1},
    {"pt", 1, 5, " pt", 1, 1},
    {"pi", 0.1, 0.5, " pi", 12, 1},
};
// A field that names no unit holds millimetres.
const Unite kSansUnite = {"", 1, 5, " mm", kPointsParMillimetre, 1};

const Unite& UniteDe(std::string_view texte)
{
    for (const Unite& unite : kUnites)
        if (texte.find(unite.nom) != std::string_view::npos)
            return unite;
    return kSansUnite;
}

// Minus: the largest multiple of d not below v - d; plus: the next multiple of d above
// floor(v / d) × d.
double Pas(double v, double d, int sens)
{
    if (sens > 0)
        return std::floor(v / d) * d + d;
    double x = v - d;
    if (!(std::fmod(x, d) == 0))
        x = std::ceil(x / d) * d;
    return x;
}

void AfficheEntier(ns::TextField* zone, int32_t valeur)
{
    if (zone != nullptr)
        zone->setStringValue(std::to_string(valeur));
}

std::string TexteDe(const ns::TextField* zone)
{
    return zone != nullptr ? zone->stringValue() : std::string();
}

// Finds the action and, when `execute`, performs it.
bool Traite(std::string_view selecteur, bool majuscule, bool execute)
{
    for (const ValidationDecimale& v : kValidationsDecimales)
        if (selecteur == v.selecteur) {
            if (execute) {
                *v.reglage = RecupereValeurDecimale(v.zone());
                v.ensuite();
            }
            return true;
        }
    for (const Compte& c : kComptes) {
        const int sens = selecteur == c.moins ? -1 : selecteur == c.plus ? 1 : 0;
        if (sens == 0 && selecteur != c.validation)
            continue;
        if (execute) {
            const int32_t n = ValeurEntiere(TexteDe(c.zone()));
            if (sens == 0) {
                *c.reglage = n;
            } else {
                *c.reglage = sens < 0 ? std::max(n, 2) - 1 : (n == std::numeric_limits<int32_t>::max() ? n : n + 1);
                AfficheEntier(c.zone(), *c.reglage);
            }
        }
        return true;
    }
    for (const Longueur& l : kLongueurs) {
        const int sens = selecteur == l.moins ? -1 : selecteur == l.plus ? 1 : 0;
        if (sens == 0)
            continue;
        if (execute) {
            ns::Cursor::arrowCursor().set();
            const PasLongueur pas = PasDeLongueur(TexteDe(l.zone()), sens, majuscule);
            *l.reglage = pas.points;
            if (ns::TextField* zone = l.zone())
                zone->setStringValue(pas.texte);
        }
        return true;
    }
    return false;
}

} // namespace

PasLongueur PasDeLongueur(std::string_view texte, int sens, bool majuscule)
{
    const Unite& unite = UniteDe(texte);
    const double x = Pas(ValeurFlottante(texte), majuscule ? unite.pasMajuscule : unite.pas, sens);
    return {TexteAvecUnite(x, unite.suffixe), x * unite.facteur * unite.multiple};
}

bool EstActionDeChamp(std::string_view selecteur)
{
    return Traite(selecteur, false, false);
}

bool ActionDeChamp(std::string_view selecteur, bool majuscule)
{
    if (!Traite(selecteur, majuscule, true))
        return false;
    SimuleAppuiToucheFn();
    return true;
}
