#include "PasAPas.h"

#include "FormatNombres.h"
#include "LectureNombres.h"
#include "SimuleAppuiTouche.h"
#include "TableauSuites.h"

#include <cmath>
#include <string>

void ChangeDeChamp(const std::vector<ns::TextField*>& cycle, bool boucle, const ns::Control& controle, bool enAvant)
{
    const auto n = static_cast<int>(cycle.size());
    if (n < 2)
        return;
    for (int i = 0; i < n; ++i) {
        if (cycle[i] != &controle)
            continue;
        // A field that takes no focus (disabled) is passed over, in the same direction.
        int suivant = i;
        for (int pas = 1; pas < n; ++pas) {
            suivant += enAvant ? 1 : -1;
            if (suivant < 0 || suivant >= n) {
                if (!boucle)
                    return;
                suivant = (suivant + n) % n;
            }
            if (cycle[suivant] != nullptr && cycle[suivant]->acceptsFirstResponder()) {
                cycle[suivant]->selectText(nullptr);
                return;
            }
        }
        return;
    }
}

int32_t EntierSature(double valeur)
{
    constexpr double plusPetit = std::numeric_limits<int32_t>::min(), plusGrand = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(std::fmax(plusPetit, std::fmin(plusGrand, valeur))));
}

namespace {

bool EstFleche(std::string_view commande, int& sens, bool& majuscule)
{
    struct Fleche {
        std::string_view commande;
        int sens;
        bool majuscule;
    };
    constexpr Fleche kFleches[] = {{"moveUp:", 1, false},
                                   {"moveDown:", -1, false},
                                   {"moveUpAndModifySelection:", 1, true},
                                   {"moveDownAndModifySelection:", -1, true}};
    for (const Fleche& f : kFleches)
        if (commande == f.commande) {
            sens = f.sens;
            majuscule = f.majuscule;
            return true;
        }
    return false;
}

// The value the field shows, in its unit (a length's: the unit written), or the one stored
// when its text holds none.
double ValeurLue(const ChampPasAPas& champ, const std::string& texte, const Unite*& unite)
{
    unite = nullptr;
    if (champ.genre == GenrePas::Longueur || champ.genre == GenrePas::Points) {
        const Unite& propre = champ.genre == GenrePas::Longueur ? kMillimetres : kPointsTypo;
        const Lecture lu = LitMesure(texte, propre);
        // A length steps in the unit written; a refused text has none and steps from the stored value.
        unite = champ.genre == GenrePas::Longueur && lu.unite != nullptr ? lu.unite : &propre;
        return lu.valeur ? lu.points / unite->points : champ.lit();
    }
    const NombreEcrit lu = LitNombre(texte);
    return lu.present ? lu.valeur : champ.lit();
}

void PasAPas(const std::vector<ChampPasAPas>& champs, ns::Control& controle, std::string_view commande, int sens,
             bool majuscule)
{
    for (const ChampPasAPas& champ : champs) {
        ns::TextField* zone = champ.zone();
        if (zone != &controle)
            continue;
        // A step writes settings and rebuilds: without the host's suites it does nothing.
        if (IgnoreSansSuites(std::string(commande).c_str()))
            return;
        const Unite* unite = nullptr;
        const double v = ValeurLue(champ, zone->stringValue(), unite);
        int dixiemes = majuscule ? champ.pasMajusculeDixiemes : champ.pasDixiemes;
        if (champ.genre == GenrePas::Longueur)
            dixiemes = majuscule ? unite->pasMajusculeDixiemes : unite->pasDixiemes;
        // Counted in tenths, each step lands on the decimal it names.
        double x = std::round(v * 10 / dixiemes + sens) * dixiemes / 10;
        if ((sens < 0 || champ.bornesToujours) && x < champ.minimum)
            x = champ.minimum;
        if ((sens > 0 || champ.bornesToujours) && x > champ.maximum)
            x = champ.maximum;
        // A step past the largest number there is does nothing.
        if (!std::isfinite(x) || (unite != nullptr && !std::isfinite(x * unite->points)))
            return;
        switch (champ.genre) {
        case GenrePas::Longueur:
            // In the unit shown: the setting in millimetres, the field in its unit.
            champ.ecrit(x * unite->points / kPointsParMillimetre);
            zone->setStringValue(TexteMesure(x, *unite));
            break;
        case GenrePas::Points:
            zone->setStringValue(TextePoints(champ.ecrit(x)));
            break;
        case GenrePas::Compte:
            zone->setStringValue(TexteCompte(static_cast<int32_t>(champ.ecrit(x))));
            break;
        case GenrePas::Canal:
            zone->setStringValue(TexteNombre(champ.ecrit(x)));
            break;
        }
        SimuleAppuiToucheFn();
        return;
    }
}

} // namespace

bool CommandeDeChamp(std::string_view commande, ns::Control& controle, const std::vector<ChampPasAPas>& champs,
                     const std::function<void(bool enAvant)>& tab)
{
    if (commande == "insertTab:" || commande == "insertBacktab:") {
        // Tab leaves the field, even where there is no other to go to: what was typed goes.
        if (auto* zone = dynamic_cast<ns::TextField*>(&controle))
            zone->commitEditing();
        tab(commande == "insertTab:");
        return true;
    }
    int sens = 0;
    bool majuscule = false;
    if (!EstFleche(commande, sens, majuscule))
        return false;
    PasAPas(champs, controle, commande, sens, majuscule);
    return true;
}
