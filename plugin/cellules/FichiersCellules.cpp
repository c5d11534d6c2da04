#include "FichiersCellules.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

std::string LitFichierCellules(const std::string& chemin, size_t octetsMax, std::string& contenu)
{
    std::error_code erreur;
    const fs::file_status etat = fs::status(chemin, erreur);
    if (erreur || !fs::exists(etat))
        return "there is no file " + chemin;
    if (!fs::is_regular_file(etat))
        return chemin + " is not a file";
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier)
        return chemin + " cannot be read: " + std::strerror(errno);
    contenu.clear();
    char tampon[65536];
    while (fichier) {
        fichier.read(tampon, sizeof tampon);
        contenu.append(tampon, static_cast<size_t>(fichier.gcount()));
        if (contenu.size() > octetsMax) {
            contenu.clear();
            return chemin + " is larger than " + std::to_string(octetsMax >> 20) + " MiB";
        }
    }
    if (fichier.bad()) {
        contenu.clear();
        return chemin + " cannot be read";
    }
    return {};
}

std::string EcritFichierCellules(const std::string& chemin, const std::string& contenu)
{
    const std::string provisoire = chemin + ".part";
    {
        std::ofstream fichier(provisoire, std::ios::binary | std::ios::trunc);
        if (!fichier)
            return chemin + " cannot be written: " + std::strerror(errno);
        fichier.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
        fichier.flush();
        if (!fichier) {
            fichier.close();
            std::remove(provisoire.c_str());
            return chemin + " cannot be written";
        }
    }
    std::error_code erreur;
    fs::rename(provisoire, chemin, erreur);
    if (erreur) {
        std::remove(provisoire.c_str());
        return chemin + " cannot be written: " + erreur.message();
    }
    return {};
}
