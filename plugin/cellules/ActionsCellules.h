// The menu items that fill the current table's cells from data, or write them out: File >
// "Import Cells…", File > "Export Cells…" and Edit > "Paste Cells" (Ctrl+V). Each tells the
// person through the host's alert why it did nothing; a refused file or paste leaves the table
// as it was.
#pragma once

#include "sdk/ASTypes.h"

inline constexpr const char* kTitreImporterCellules = "Import Cells…";
inline constexpr const char* kTitreExporterCellules = "Export Cells…";
inline constexpr const char* kTitreCollerCellules = "Paste Cells";

// The largest file of cells read, in bytes.
inline constexpr size_t kOctetsMaxFichierCellules = 16u << 20;

// A CSV or TSV file chosen in the host's dialog into the cells, from the first one: with a title,
// its first record becomes the title.
ASErr ImporteCellules();
// The cells into a CSV file (a TSV one when its name ends in ".tsv") chosen in the host's dialog.
ASErr ExporteCellules();
// Tab-separated text from the clipboard into the cells, from the selected cell on (a cell or
// the title selected with the Type tool; else the first cell).
ASErr ColleCellules();
