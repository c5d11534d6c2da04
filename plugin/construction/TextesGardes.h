// The texts a person gave the current table: typed into its cells or its title with the host's
// Type tool, imported or pasted. They are kept through every rebuild while the table is current:
// a cell keeps its text while the table has that cell, a cell that a smaller count removes is
// remembered and comes back when the count grows again, and the panel's cell text goes only
// to the cells never given one. Another table made or made current forgets them.
#pragma once

#include "sdk/ASTypes.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A cell: its row (0 is the top row, the title row when the table has a title) and column.
using Cellule = std::pair<int32_t, int32_t>;

// Nothing kept: for a new table, or another one made current.
void OublieTextesGardes();
// Reads the texts the current table's frames hold now against the settings the table was built
// with (carried on its group): a text other than the one the build gave is kept, one equal to
// it is no longer. Cells and a title the table does not have now are left as they were kept.
// Without a current table, or one without settings, nothing changes.
void RecolteTextes();

// The text kept for a cell, or for the title; null when none is.
const std::string* TexteGarde(Cellule cellule);
const std::optional<std::string>& TitreGarde();
// Keeps a text for a cell, or for the title (an import, a paste).
void GardeTexte(Cellule cellule, std::string texte);
void GardeTitre(std::string texte);
// The title no longer kept, nor read from the table at the next rebuild: the panel's title
// then holds again.
void OublieTitreGarde();
// The art in a group in the order it was made (the bottom of its stacking order first): a
// text group's frames, row by row.
std::vector<AIArtHandle> EnfantsDansLOrdre(AIArtHandle groupe);

// The selected art, in the order it was selected (the first few): what a table or a cell is
// chosen by. The host's status, the list then empty when it failed.
ASErr ArtChoisi(std::vector<AIArtHandle>& choisis);

// Every cell kept, in row then column order.
const std::map<Cellule, std::string>& TextesGardes();
