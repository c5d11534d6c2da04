#include "PasAPas.h"

#include "FormatNombres.h"
#include "LectureNombres.h"
#include "SimuleAppuiTouche.h"
#include "TableauSuites.h"

#include <cmath>
#include <cstdio>
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
        const Pas& pas = majuscule ? champ.majuscule : champ.normal;
        const double v = pas.lecture == Lecture::Decimale ? RecupereValeurDecimale(zone)
                                                          : ValeurFlottante(zone->stringValue());
        double x = std::round(v / pas.pas + sens) * pas.pas;
        if ((sens < 0 || champ.plancherToujours) && x < champ.minimum)
            x = champ.minimum;
        if (sens > 0 && x > champ.maximum)
            x = champ.maximum;
        // A step that lands on zero from below shows 0, not -0.
        x += 0.0;
        char texte[64];
        std::snprintf(texte, sizeof texte, "%g%s", x, champ.unite);
        zone->setStringValue(AvecSeparateur(texte));
        champ.ecrit(x);
        SimuleAppuiToucheFn();
        return;
    }
}

} // namespace

bool CommandeDeChamp(std::string_view commande, ns::Control& controle, const std::vector<ChampPasAPas>& champs,
                     const std::function<void(bool enAvant)>& tab)
{
    if (commande == "insertTab:" || commande == "insertBacktab:") {
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
