// Records of data into the current table's cells, from a cell on: the table grows to hold them,
// within what a table may hold, and each cell given a field keeps it as its own text.
#pragma once

#include "Csv.h"
#include "TextesGardes.h"

#include <string>

// Whether a table is current, live and carrying its settings (the only kind data may fill).
bool TableauCourantRemplissable();

// The records into the current table from `depart` on: record i into row depart.first + i, its
// field k into column depart.second + k. With `versLeTitre` the first record, its fields
// that are not empty joined by spaces, becomes the title and the others fill the rows under it from the first
// column. Rows and columns grow to hold every field (cell text switched on); the rest of the
// table keeps its texts. Empty when done; otherwise why nothing was changed.
std::string RemplitCellules(const Enregistrements& enregistrements, Cellule depart, bool versLeTitre);

// The current table built again with the cells given, and the panel showing its counts.
ASErr ReconstruitAvecSesCellules();

// The cells of the current table as records: with a title, a first record holding it alone;
// then every row of cells, each cell's text as the table holds it.
Enregistrements CellulesDuTableau();
