// The colour editor's first state, set while the panel is initialised: the three colour types,
// the tooltips, and the RGB and CMYK fields loaded with the rows' colour set.
#include "ControlesEditeur.h"
#include "FormatNombres.h"
#include "JeuxDeCouleurs.h"
#include "EditeurCouleurs.h"

void COUinitEditeur()
{
    if (auto* popup = COUpopUpTypeCouleur()) {
        popup->removeAllItems();
        int index = 0;
        for (const char* type : {"Gray", "RGB", "CMYK"})
            popup->insertItemWithTitle(type, index++);
        popup->setToolTip("Choice of color type.");
    }
    for (int canal = 0; canal < NombreCanaux; ++canal) {
        ns::TextField* zone = kControlesCanaux[canal].zone();
        if (zone == nullptr)
            continue;
        zone->setToolTip(kControlesCanaux[canal].bulle);
        // Gray keeps its field until a page shows it; the others show the rows' values.
        if (canal != 0)
            zone->setStringValue(TexteNombre(JeuxCouleurs[ElementLignes].*kCanaux[canal].champ));
    }
}
