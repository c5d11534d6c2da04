// The colour editor's first state, set while the panel is initialised: the three colour types,
// the tooltips, and the RGB and CMYK fields loaded with the rows' colour set.
#include "Flottants.h"
#include "JeuxDeCouleurs.h"
#include "Miroirs.h"
#include "TableauDialogue.h"

namespace {

// In the order of kCanaux.
struct ZoneCanal {
    ns::TextField* TableauDialogue::*zone;
    const char* bulle;
};

const ZoneCanal kZonesCanaux[NombreCanaux] = {
    {&TableauDialogue::COUzoneGris, "Gray level (from 0% to 100%)."},
    {&TableauDialogue::COUzoneRouge, "Red level (from 0 to 255)."},
    {&TableauDialogue::COUzoneVert, "Green level (from 0 to 255)."},
    {&TableauDialogue::COUzoneBleu, "Blue level (from 0 to 255)."},
    {&TableauDialogue::COUzoneCyan, "Percentage for cyan (from 0% to 100%)."},
    {&TableauDialogue::COUzoneMagenta, "Percentage for magenta (from 0% to 100%)."},
    {&TableauDialogue::COUzoneJaune, "Percentage for yellow (from 0% to 100%)."},
    {&TableauDialogue::COUzoneNoir, "Percentage for black (from 0% to 100%)."},
};

} // namespace

void TableauDialogue::COUinitEditeur()
{
    if (COUpopUpTypeCouleur != nullptr) {
        COUpopUpTypeCouleur->removeAllItems();
        int index = 0;
        for (const char* type : {"Gray", "RGB", "CMYK"})
            COUpopUpTypeCouleur->insertItemWithTitle(type, index++);
        COUpopUpTypeCouleur->setToolTip("Choice of color type.");
    }
    for (int canal = 0; canal < NombreCanaux; ++canal) {
        ns::TextField* zone = this->*kZonesCanaux[canal].zone;
        if (zone == nullptr)
            continue;
        zone->setToolTip(kZonesCanaux[canal].bulle);
        // Gray keeps its field until a page shows it; the others show the rows' values.
        if (canal != 0)
            zone->setDoubleValue(EnFlottant(JeuxCouleurs[ElementLignes].*kCanaux[canal].champ));
    }
}
