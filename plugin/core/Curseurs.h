// The Table Tool's three cursors, drawn in code: black strokes on a white outline, 16 x 16.
#pragma once

#include "Cursor.h"

#include <vector>

// The crosshair with three dots (Option held), the crosshair (the tool selected), and the
// arrow with a small table (tracking). Kept for the life of the plug-in.
extern ns::Cursor CurseurPointille;
extern ns::Cursor CurseurGenerique;
extern ns::Cursor CurseurTableauObjet;

// Draws the three images and makes them the cursors; again makes three new ones.
void CalculerCurseurs();

// What each cursor is drawn from, for the tests and the drawing alike.
struct DessinCurseur {
    const char* nom;
    ns::Cursor* curseur;
    ns::Point pointChaud; // counted from the image's top-left corner
    std::vector<ns::Rect> blancs;
    std::vector<ns::Rect> noirs;
};
const std::vector<DessinCurseur>& DessinsCurseurs();
