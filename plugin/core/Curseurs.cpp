#include "Curseurs.h"

#include "RectFill.h"

ns::Cursor CurseurPointille;
ns::Cursor CurseurGenerique;
ns::Cursor CurseurTableauObjet;

using ns::MakeRect;

const std::vector<DessinCurseur>& DessinsCurseurs()
{
    static const std::vector<DessinCurseur> dessins = {
        {"CurseurPointille",
         &CurseurPointille,
         {7, 8},
         {MakeRect(6, 1, 10, 3), MakeRect(6, 4, 3, 3), MakeRect(0, 7, 15, 3), MakeRect(6, 10, 3, 6)},
         {MakeRect(1, 8, 4, 1), MakeRect(7, 8, 1, 1), MakeRect(10, 8, 4, 1), MakeRect(7, 2, 1, 4), MakeRect(7, 11, 1, 4),
          MakeRect(10, 2, 1, 1), MakeRect(12, 2, 1, 1), MakeRect(14, 2, 1, 1)}},
        {"CurseurGenerique",
         &CurseurGenerique,
         {7, 8},
         {MakeRect(0, 7, 15, 3), MakeRect(6, 1, 3, 6), MakeRect(6, 10, 3, 6)},
         {MakeRect(1, 8, 4, 1), MakeRect(7, 8, 1, 1), MakeRect(10, 8, 4, 1), MakeRect(7, 2, 1, 4), MakeRect(7, 11, 1, 4)}},
        {"CurseurTableauObjet",
         &CurseurTableauObjet,
         {1, 1},
         {MakeRect(0, 6, 2, 10), MakeRect(2, 7, 1, 8), MakeRect(3, 8, 1, 6), MakeRect(4, 8, 1, 5), MakeRect(5, 8, 1, 4),
          MakeRect(6, 8, 1, 3), MakeRect(7, 9, 1, 1), MakeRect(8, 0, 7, 9), MakeRect(7, 1, 1, 7), MakeRect(15, 1, 1, 7)},
         {// the arrow
          MakeRect(1, 7, 1, 8), MakeRect(2, 8, 1, 6), MakeRect(3, 9, 1, 4), MakeRect(4, 9, 1, 3), MakeRect(5, 9, 1, 2),
          MakeRect(6, 9, 1, 1),
          // the table's outline, a row rule, a column rule
          MakeRect(8, 1, 1, 7), MakeRect(9, 1, 6, 1), MakeRect(14, 2, 1, 6), MakeRect(9, 7, 5, 1), MakeRect(9, 5, 5, 1),
          MakeRect(11, 2, 1, 3)}},
    };
    return dessins;
}

void CalculerCurseurs()
{
    for (const DessinCurseur& d : DessinsCurseurs()) {
        auto image = ns::Image::initWithSize({16, 16});
        image->lockFocus();
        ns::Color::whiteColor().set();
        ns::RectFillList(d.blancs.data(), static_cast<int>(d.blancs.size()));
        ns::Color::blackColor().set();
        ns::RectFillList(d.noirs.data(), static_cast<int>(d.noirs.size()));
        image->unlockFocus();
        *d.curseur = ns::Cursor::initWithImage(image, d.pointChaud);
    }
}
