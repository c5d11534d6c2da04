// The icon buttons beside the numeric fields: nine in the preferences dialog, one field each,
// and four in the panel, whose meaning follows the page. One class over the family's table;
// each member is made by its own class name and knows its row. Their pictograms come later.
#pragma once

#include "View.h"

#include <cstddef>

struct MembreIcone {
    const char* classe; // the name the interface file makes it by
};

// The family, the preferences' nine first.
extern const MembreIcone kFamilleIcones[13];

class BoutonIcone : public ns::View {
public:
    BoutonIcone(ns::Rect frame, std::size_t membre) : ns::View(frame), membre_(membre) {}
    const MembreIcone& membre() const { return kFamilleIcones[membre_]; }
    bool acceptsFirstResponder() const override { return true; }

private:
    std::size_t membre_;
};
