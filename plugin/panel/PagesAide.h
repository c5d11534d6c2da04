// The panel's help: ten fixed pages shown one at a time in the help text view, with the page
// label "N/10".
#pragma once

#include "Button.h"
#include "TextField.h"
#include "TextView.h"

#include <cstdint>

extern int16_t PageAide; // the page shown, 1 to NbrPages
extern int16_t NbrPages;

constexpr int kNombrePagesAide = 10;
// Page N's text is kPagesAide[N - 1]; \r ends its paragraphs.
extern const char* const kPagesAide[kNombrePagesAide];

// The next page (sens +1) or the previous one (-1), never past the last or the first: the
// button toward the end reached is disabled with its tooltip saying so, the other enabled.
// Then the page is shown.
struct BoutonsAide {
    ns::Button* avant;
    ns::Button* apres;
    ns::TextView* aide;
    ns::TextField* numero;
};
void TourneLaPageDAide(int sens, const BoutonsAide& boutons);

// Shows page PageAide (a page outside 1 to 10 keeps the text), scrolled to its start, and
// writes the page label.
void TexteAide(ns::TextView* aide, ns::TextField* numero);
