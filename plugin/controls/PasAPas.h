// What the panel's and the preferences dialog's keyboards share: a cycle of fields that Tab
// and Shift-Tab go round, and fields whose value the up and down arrows step.
#pragma once

#include "LectureNombres.h"
#include "Prises.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <string_view>
#include <vector>

// --- Tab and Shift-Tab ---

// Moves the focus from `controle` to the next (or previous) field of the cycle that takes the
// focus, its text selected; from the last to the first when `boucle`. Nothing when the
// control is not in the cycle or the cycle has fewer than two fields.
void ChangeDeChamp(const std::vector<ns::TextField*>& cycle, bool boucle, const ns::Control& controle, bool enAvant);

// --- The arrows ---

// What a field the arrows step holds: how it reads its text and writes its value.
enum class GenrePas {
    Longueur, // millimetres, or the unit written; steps in the unit shown (its step buttons')
    Points,   // points, from the unit written; written " pt"
    Compte,   // a whole number
    Canal,    // a colour channel's plain number
};

constexpr double kSansLimite = std::numeric_limits<double>::quiet_NaN();

// A field the arrows step: its steps without and with Shift, in tenths (a length's come from
// the unit it shows), its limits (each tested only in the direction of the step, unless the
// limits hold always; kSansLimite for none), the value stored in the field's unit (a text
// that holds none steps from it), and what storing a value keeps of it.
struct ChampPasAPas {
    LitZone zone;
    GenrePas genre;
    int pasDixiemes, pasMajusculeDixiemes;
    double minimum, maximum;
    double (*lit)();
    double (*ecrit)(double valeur);
    // Both limits after every step (the preferences' bounds), not only in the step's direction.
    bool bornesToujours = false;
};

// A value made a whole count: truncated, and saturated at the ends of 32 bits.
int32_t EntierSature(double valeur);

// The readers and writers of a row's setting: a count, a length (millimetres in the field,
// points in the setting), a value in points. Each writer answers what the setting holds.
template <int32_t& Reglage>
double LitCompteStocke()
{
    return Reglage;
}
template <int32_t& Reglage>
double EcritCompte(double valeur)
{
    return Reglage = EntierSature(valeur);
}
template <double& Reglage>
double LitMillimetresStockes()
{
    return Reglage / kPointsParMillimetre;
}
template <double& Reglage>
double EcritMillimetres(double valeur)
{
    Reglage = valeur * kPointsParMillimetre;
    return valeur;
}
template <double& Reglage>
double LitPointsStockes()
{
    return Reglage;
}
template <double& Reglage>
double EcritPoints(double valeur)
{
    return Reglage = valeur;
}

// What both keyboards do with a field editor's command: Tab and Shift-Tab call `tab` (true for
// forward); the up and down arrows (with Shift, the larger step) step `controle` when it is
// the field of one of `champs`: up gives round(v / d + 1) × d, down round(v / d - 1) × d
// (halves away from zero), then the limit; the setting takes it and the field shows what it
// holds, as every field writes its number; a rebuild is asked for. Without the host's
// suites a step is not made (the plug-in is not running). All of these are taken (true),
// whatever the control; any other command is left to the field editor (false).
bool CommandeDeChamp(std::string_view commande, ns::Control& controle, const std::vector<ChampPasAPas>& champs,
                     const std::function<void(bool enAvant)>& tab);
