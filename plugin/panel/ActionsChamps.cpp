#include "ActionsChamps.h"

#include "FormatNombres.h"
#include "LectureNombres.h"
#include "ActiverZones.h"
#include "Prises.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"
#include "ValidationChamp.h"

#include "Cursor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The frame gutter also decides whether there is an inner frame to give a thickness to, and
// the swatch draws a double frame or a single one.
void ApresGouttiereCadre()
{
    ActiveSelonLesOptions(OutilSelectionne);
    if (auto* vue = PANdessinCouleursNSView())
        vue->display();
}

// A field's commit: its text read as its kind of field reads it into its setting, then what
// else the value decides.
struct Validation {
    const char* selecteur;
    LitZone zone;
    ChampNumerique champ;
    void (*ensuite)() = nullptr;
};

const Validation kValidations[] = {
    {"PANzonePositionXCBP:", Zone<PANzonePositionX>, {GenreChamp::Longueur, &PositionX}},
    {"PANzonePositionYCBP:", Zone<PANzonePositionY>, {GenreChamp::Longueur, &PositionY}},
    {"PANzoneLongueurTableauCBP:", Zone<PANzoneLongueurTableau>, {GenreChamp::Longueur, &LongueurTableau}},
    {"PANzoneHauteurTableauCBP:", Zone<PANzoneHauteurTableau>, {GenreChamp::Longueur, &HauteurTableau}},
    {"PANzoneNbrLignesCBP:", Zone<PANzoneNbrLignes>, {GenreChamp::Compte, nullptr, &NombreDeLignes}},
    {"PANzoneNbrColonnesCBP:", Zone<PANzoneNbrColonnes>, {GenreChamp::Compte, nullptr, &NombreDeColonnes}},
    {"PANzoneGouttiereLigneCBP:", Zone<PANzoneGouttiereLigne>, {GenreChamp::Points, &GouttiereLignes}},
    {"PANzoneGouttiereColonneCBP:", Zone<PANzoneGouttiereColonne>, {GenreChamp::Points, &GouttiereColonnes}},
    {"PANzoneGouttiereCadreCBP:",
     Zone<PANzoneGouttiereCadre>,
     {GenreChamp::Points, &GouttiereCadre},
     ApresGouttiereCadre},
    {"PANepaisseurLignesCBP:", Zone<PANzoneEpaisseurLignes>, {GenreChamp::Points, &EpaisseurLignes}},
    {"PANepaisseurColonnesCBP:", Zone<PANzoneEpaisseurColonnes>, {GenreChamp::Points, &EpaisseurColonnes}},
    {"PANepaisseurCadreCBP:", Zone<PANzoneEpaisseurCadre>, {GenreChamp::Points, &EpaisseurCadre}},
    {"PANepaisseurCadreDeuxCBP:", Zone<PANzoneEpaisseurCadreDeux>, {GenreChamp::Points, &EpaisseurCadreDeux}},
};

// A count's two step buttons, which never go below 1.
struct PasCompte {
    const char* moins;
    const char* plus;
    LitZone zone;
    int32_t* reglage;
};

const PasCompte kPasComptes[] = {
    {"PANstepMoinsNbrLignesCBP:", "PANstepPlusNbrLignesCBP:", Zone<PANzoneNbrLignes>, &NombreDeLignes},
    {"PANstepMoinsNbrColonnesCBP:", "PANstepPlusNbrColonnesCBP:", Zone<PANzoneNbrColonnes>, &NombreDeColonnes},
};

// A length's two step buttons.
struct PasLongueurs {
    const char* moins;
    const char* plus;
    LitZone zone;
    double* reglage;
};

const PasLongueurs kPasLongueurs[] = {
    {"PANstepMoinsPositionXCBP:", "PANstepPlusPositionXCBP:", Zone<PANzonePositionX>, &PositionX},
    {"PANstepMoinsPositionYCBP:", "PANstepPlusPositionYCBP:", Zone<PANzonePositionY>, &PositionY},
    {"PANstepMoinsLongueurTableauCBP:", "PANstepPlusLongueurTableauCBP:", Zone<PANzoneLongueurTableau>,
     &LongueurTableau},
    {"PANstepMoinsHauteurTableauCBP:", "PANstepPlusHauteurTableauCBP:", Zone<PANzoneHauteurTableau>, &HauteurTableau},
};

std::string TexteDe(const ns::TextField* zone)
{
    return zone != nullptr ? zone->stringValue() : std::string();
}

int Sens(std::string_view selecteur, const char* moins, const char* plus)
{
    return selecteur == moins ? -1 : selecteur == plus ? 1 : 0;
}

// Finds the action and, when `execute`, performs it: false when it asks for no rebuild (a
// refused text).
bool Traite(std::string_view selecteur, ns::Object* expediteur, bool majuscule, bool execute, bool& trouvee)
{
    trouvee = true;
    for (const Validation& v : kValidations)
        if (selecteur == v.selecteur) {
            if (!execute)
                return true;
            // The field that sent its commit; the row's own when the commit came from elsewhere.
            auto* zone = dynamic_cast<ns::TextField*>(expediteur);
            if (!ValideChamp(zone != nullptr ? zone : v.zone(), v.champ))
                return false;
            if (v.ensuite != nullptr)
                v.ensuite();
            return true;
        }
    for (const PasCompte& c : kPasComptes)
        if (const int sens = Sens(selecteur, c.moins, c.plus); sens != 0) {
            if (!execute)
                return true;
            // A text that holds no count steps from the count stored.
            const Lecture lu = LitCompte(TexteDe(c.zone()));
            const int32_t n = lu.valeur ? static_cast<int32_t>(*lu.valeur) : *c.reglage;
            *c.reglage = sens < 0 ? std::max(n, 2) - 1 : (n == std::numeric_limits<int32_t>::max() ? n : n + 1);
            AfficheCompte(c.zone(), *c.reglage);
            return true;
        }
    for (const PasLongueurs& l : kPasLongueurs)
        if (const int sens = Sens(selecteur, l.moins, l.plus); sens != 0) {
            if (!execute)
                return true;
            ns::Cursor::arrowCursor().set();
            // A text that holds no length steps from the length stored, in millimetres.
            std::string texte = TexteDe(l.zone());
            if (!LitMesure(texte, kMillimetres).valeur)
                texte = TexteMillimetres(*l.reglage);
            const PasLongueur pas = PasDeLongueur(texte, sens, majuscule);
            // A step past the largest number there is does nothing.
            if (!std::isfinite(pas.points))
                return false;
            *l.reglage = pas.points;
            if (ns::TextField* zone = l.zone())
                zone->setStringValue(pas.texte);
            return true;
        }
    trouvee = false;
    return false;
}

} // namespace

double PasMultiple(double v, int sens, int dixiemes)
{
    const double d = dixiemes / 10.0;
    // The value in steps, taken as the whole number it is meant to be when it lies within
    // rounding of one: 0.7 is 7 steps of 0.1, though 0.7 / 0.1 is 6.999999999999999.
    double q = v / d;
    if (const double entier = std::round(q);
        std::fabs(q - entier) <= 64 * std::numeric_limits<double>::epsilon() * std::fmax(1, std::fabs(q)))
        q = entier;
    const double k = sens < 0 ? std::ceil(q - 1) : std::floor(q) + 1;
    // Counted in tenths, each step lands on the decimal it names.
    return k * dixiemes / 10 + 0.0;
}

PasLongueur PasDeLongueur(std::string_view texte, int sens, bool majuscule)
{
    const Lecture lu = LitMesure(texte, kMillimetres);
    const Unite& unite = lu.unite != nullptr ? *lu.unite : kMillimetres;
    const double v = lu.valeur ? lu.points / unite.points : 0;
    const double x = PasMultiple(v, sens, majuscule ? unite.pasMajusculeDixiemes : unite.pasDixiemes);
    return {TexteMesure(x, unite), x * unite.points};
}

bool EstActionDeChamp(std::string_view selecteur)
{
    bool trouvee = false;
    Traite(selecteur, nullptr, false, false, trouvee);
    return trouvee;
}

bool ActionDeChamp(std::string_view selecteur, ns::Object* expediteur, bool majuscule)
{
    bool trouvee = false;
    if (Traite(selecteur, expediteur, majuscule, true, trouvee))
        SimuleAppuiToucheFn();
    return trouvee;
}
