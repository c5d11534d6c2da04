#include "PagesAide.h"

#include "Panneau.h"
#include "Prises.h"

#include <cstdio>

int16_t PageAide = 0;
int16_t NbrPages = 0;

const char* const kPagesAide[kNombrePagesAide] = {
    "Varo-Table is used to easily create simple tables.\r\rEach table consists of rows (single or double), "
    "columns (single or double), an optional frame (single or double) and text (optional).\r\r",

    "When the application is opened, the panel shows the values chosen in the preferences dialog.\r\r",

    "ALT-CLICK\r\rALT-click on the workspace to show or hide the panel.\r\rPressing the Return key while the tool "
    "is selected shows the preferences dialog.\r",

    "POSITION & SIZE\r\rTo set the horizontal and vertical position of the top left corner of the table and the "
    "length and height of the table.\r\r",

    "ROWS\r\rChoose the number of rows and the thickness of the lines. The lines are simple when the gutter "
    "between the lines is 0, double when it is greater than 0. The colour of the lines is changed in the "
    "panel. The values are saved automatically.\r\r",

    "COLONNES\r\rChoose the number of columns and the thickness of the columns. The columns are simple when the "
    "gutter between the columns is 0, double when it is greater than 0. The colour of the columns is changed "
    "in the panel. The values are saved automatically.\r\r",

    "FRAME\r\rWith or without a frame. The frame is simple when the frame gutter is 0, double when it is "
    "greater than 0. In a double frame the thickness of the inner frame is chosen apart from the outer "
    "frame's. The colour of the frame is changed in the panel. The values are saved automatically.\r\r",

    "TEXT\r\rWith or without a title; with or without a predefined text in the cells. Choose the font and "
    "the size of the text. The colour of the text is changed in the panel. The values are saved "
    "automatically.\r\r",

    "VARO BUTTON\r\rClick the VARO button to recover the default values settings defined in the preferences "
    "dialog.\r\r",

    "PREFERENCES\r\rThe preferences dialog chooses the number of rows, the thickness of the lines and the row "
    "gutter; the number of columns, their thickness and gutter; the thicknesses of the outer and inner "
    "frames and the frame gutter; the preferred font and size. Its values are applied after a click on the "
    "panel's Varo button or at the next launch of the application.\r\r",
};

void TexteAide(ns::TextView* aide, ns::TextField* numero)
{
    if (aide != nullptr) {
        if (PageAide - 1 >= 0 && PageAide - 1 < kNombrePagesAide)
            aide->setString(kPagesAide[PageAide - 1]);
        aide->scrollRangeToVisible({0, 0});
    }
    if (numero != nullptr) {
        char texte[32];
        std::snprintf(texte, sizeof texte, "%d/%d", PageAide, NbrPages);
        numero->setStringValue(texte);
    }
}

namespace {

void Regle(ns::Button* bouton, const char* bulle, bool active)
{
    if (bouton != nullptr) {
        bouton->setToolTip(bulle);
        bouton->setEnabled(active);
    }
}

} // namespace

void TourneLaPageDAide(int sens, const BoutonsAide& boutons)
{
    // The button that leads on, and the one that leads back.
    ns::Button* devant = sens > 0 ? boutons.apres : boutons.avant;
    ns::Button* derriere = sens > 0 ? boutons.avant : boutons.apres;
    const int16_t bout = sens > 0 ? NbrPages : 1;
    PageAide = static_cast<int16_t>(PageAide + sens);
    if (sens > 0 ? PageAide < bout : PageAide > bout) {
        Regle(devant, sens > 0 ? "Help next page." : "Help previous page.", true);
    } else {
        Regle(devant, sens > 0 ? "Help last page." : "Help first page.", false);
        PageAide = bout;
    }
    Regle(derriere, sens > 0 ? "Help previous page." : "Help next page.", true);
    TexteAide(boutons.aide, boutons.numero);
}

void PANaideApres(ns::Object*)
{
    TourneLaPageDAide(1, {PANaidePageAvant(), PANaidePageApres(), PANaide(), PANnumeroPage()});
}

void PANaideAvant(ns::Object*)
{
    TourneLaPageDAide(-1, {PANaidePageAvant(), PANaidePageApres(), PANaide(), PANnumeroPage()});
}
