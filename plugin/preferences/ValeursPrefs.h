// The defaults the preferences dialog edits, as tables: each value's key in the store, the
// selector of its field's commit, its provisional copy and its default, its field and icon
// button, and the tooltip they share.
#pragma once

#include "Prises.h"

#include <cstdint>

// Thicknesses and gutters, in the order the dialog loads and stores them: rows, columns,
// outer and inner frame thickness, then rows, columns and frame gutter.
struct ValeurPrefs {
    const char* cle;
    const char* validation;
    double* provisoire;
    double* defaut;
    const Prise<ns::ComboBox>& zone;
    const Prise<ns::View>& icone; // a BoutonIcone
    const char* bulle;
    bool gouttiere; // its commit asks for a redraw
};
extern const ValeurPrefs kValeursPrefs[7];

// The counts of rows and of columns.
struct NombrePrefs {
    const char* cle;
    const char* validation;
    int32_t* provisoire;
    int32_t* defaut;
    const Prise<ns::ComboBox>& zone;
    const Prise<ns::View>& icone; // a BoutonIcone
    const char* bulle;
};
extern const NombrePrefs kNombresPrefs[2];
