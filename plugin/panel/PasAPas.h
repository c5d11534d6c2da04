// What the panel's and the preferences dialog's keyboards share: a cycle of fields that Tab
// and Shift-Tab go round, and fields whose value the up and down arrows step.
#pragma once

#include "Miroirs.h"

#include <cstdint>
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

// The sense of an arrow command ("moveUp:" 1, "moveDownAndModifySelection:" -1 with Shift);
// false for any other command.
bool EstFleche(std::string_view commande, int& sens, bool& majuscule);

// Steps `controle` when it is the field of one of `champs`: up gives round(v / d + 1) × d,
// down round(v / d - 1) × d (halves away from zero), then the limit in the step's direction;
// the field shows the value with "%g", its unit and the user's separator; the setting takes
// it; a rebuild is asked for. Nothing for another control. Without the host's suites the
// step is not made (the plug-in is not running).
void PasAPas(const std::vector<ChampPasAPas>& champs, ns::Control& controle, std::string_view commande, int sens,
             bool majuscule);
