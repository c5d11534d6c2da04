// Cells as text: comma- (or semicolon-) separated values and tab-separated values, as
// spreadsheets write them: UTF-8, records ended by CR LF, LF or CR, fields in double quotes
// when they hold the separator, a quote (written twice) or a line break.
//
// Reading is bounded: every limit below stops it at once with a reason, so that a file of any
// size or shape is read in time and memory proportional to what the table can hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using Enregistrements = std::vector<std::vector<std::string>>;

struct LimitesCsv {
    size_t octetsParChamp = 65536;
    size_t enregistrements = 100000;
    size_t champsParEnregistrement = 100000;
    size_t champs = 100000; // in all
};

struct LectureCsv {
    Enregistrements enregistrements; // none when refused
    std::string refus;               // why the text was refused, with its line; empty when read
};

// The separator the text most likely uses: of tab, semicolon and comma, the one found most
// often outside quotes in the first record; a comma when it holds none.
char DevineSeparateur(std::string_view texte);

// Reads the records. A UTF-8 byte-order mark is skipped; empty records at the end are dropped;
// records may have different numbers of fields. Refused: text that is not UTF-8, a NUL
// character, a quoted field that never ends, anything but a separator or a line end after a
// closing quote, and anything past the limits.
LectureCsv LitCsv(std::string_view texte, char separateur, const LimitesCsv& limites = {});

// The records written back, each ended by CR LF; a field is quoted when it must be, or when it
// begins or ends with a blank, or begins with a byte-order mark.
std::string EcritCsv(const Enregistrements& enregistrements, char separateur);
