// Files of cells on disk: read whole within a size, written whole or not at all.
#pragma once

#include <cstddef>
#include <string>

// The file's bytes into `contenu`: empty when read; otherwise why not (missing, a folder,
// larger than `octetsMax`, unreadable).
std::string LitFichierCellules(const std::string& chemin, size_t octetsMax, std::string& contenu);
// Writes `contenu` into a file beside the path, then puts it in the path's place: the file is
// the old one or the new one whole, never a part. Empty when written; otherwise why not.
std::string EcritFichierCellules(const std::string& chemin, const std::string& contenu);
