#include "FormatNombres.h"

#include "Reglages.h"

#include <cmath>
#include <cstdio>

std::string TexteNombre(double valeur)
{
    // A value that rounds to nothing is 0, not -0, from either side.
    if (std::fabs(valeur) < 0.005)
        valeur = 0;
    // As long as the value needs: a double may have 309 digits before its point.
    const int longueur = std::snprintf(nullptr, 0, "%.2f", valeur);
    std::string texte(static_cast<size_t>(longueur > 0 ? longueur : 0), '\0');
    std::snprintf(texte.data(), texte.size() + 1, "%.2f", valeur);
    if (texte.find('.') != std::string::npos) {
        while (texte.back() == '0')
            texte.pop_back();
        if (texte.back() == '.')
            texte.pop_back();
    }
    return AvecSeparateur(texte);
}

std::string AvecSeparateur(std::string texte)
{
    if (VirguleOuPoint == ',')
        for (char& c : texte)
            if (c == '.')
                c = ',';
    return texte;
}

std::string TexteMesure(double valeur, const Unite& unite)
{
    return TexteNombre(valeur) + " " + unite.nom;
}

std::string TexteMillimetres(double points)
{
    return TexteMesure(points / kPointsParMillimetre, kMillimetres);
}

void AfficheMillimetres(ns::TextField* zone, double points)
{
    if (zone != nullptr)
        zone->setStringValue(TexteMillimetres(points));
}

std::string TextePoints(double points)
{
    return TexteMesure(points, kPointsTypo);
}

void AffichePoints(ns::TextField* zone, double points)
{
    if (zone != nullptr)
        zone->setStringValue(TextePoints(points));
}

std::string TexteCompte(int32_t compte)
{
    return std::to_string(compte);
}

void AfficheCompte(ns::TextField* zone, int32_t compte)
{
    if (zone != nullptr)
        zone->setStringValue(TexteCompte(compte));
}
