// What the panel's and the preferences dialog's keyboards share: a cycle of fields that Tab
// and Shift-Tab go round, and fields whose value the up and down arrows step.
#pragma once

#include "Miroirs.h"

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

// How a step reads the field: its leading number in single precision, or the decimal reader
// (a comma or a point, each side in single precision).
enum class Lecture { Flottante, Decimale };

struct Pas {
    double pas;
    Lecture lecture;
};

constexpr double kSansLimite = std::numeric_limits<double>::quiet_NaN();

// A field the arrows step: its steps without and with Shift, its limits (each tested only in
// the direction of the step, unless the floor holds always; kSansLimite for none), the unit
// written after "%g", and what the value then becomes.
struct ChampPasAPas {
    LitZone zone;
    Pas normal, majuscule;
    double minimum, maximum;
    const char* unite;
    void (*ecrit)(double valeur);
    // The lower limit after a step up too (the preferences' floors), not only after a step down.
    bool plancherToujours = false;
};

// A value made a whole count: truncated, and saturated at the ends of 32 bits.
int32_t EntierSature(double valeur);

// What both keyboards do with a field editor's command: Tab and Shift-Tab call `tab` (true for
// forward); the up and down arrows (with Shift, the larger step) step `controle` when it is
// the field of one of `champs`: up gives round(v / d + 1) × d, down round(v / d - 1) × d
// (halves away from zero), then the limit; the field shows the value with "%g", its unit and
// the user's separator; the setting takes it; a rebuild is asked for. Without the host's
// suites a step is not made (the plug-in is not running). All of these are taken (true),
// whatever the control; any other command is left to the field editor (false).
bool CommandeDeChamp(std::string_view commande, ns::Control& controle, const std::vector<ChampPasAPas>& champs,
                     const std::function<void(bool enAvant)>& tab);
