#include "FormatNombres.h"

#include "Reglages.h"

#include <cstdio>

std::string DeuxDecimales(double valeur)
{
    // As long as the value needs: a double may have 309 digits before its point.
    const int longueur = std::snprintf(nullptr, 0, "%.2f", valeur);
    std::string texte(static_cast<size_t>(longueur > 0 ? longueur : 0), '\0');
    std::snprintf(texte.data(), texte.size() + 1, "%.2f", valeur);
    while (!texte.empty() && texte.back() == '0')
        texte.pop_back();
    if (!texte.empty() && texte.back() == '.')
        texte.pop_back();
    return texte;
}

std::string AvecSeparateur(std::string texte)
{
    if (VirguleOuPoint == ',')
        for (char& c : texte)
            if (c == '.')
                c = ',';
    return texte;
}

std::string TexteAvecUnite(double valeur, const char* unite)
{
    return AvecSeparateur(DeuxDecimales(valeur) + unite);
}

std::string TexteMillimetres(double points)
{
    return TexteAvecUnite(points * 25.4 / 72, " mm");
}

void AfficheMillimetres(ns::TextField* zone, double points)
{
    if (zone != nullptr)
        zone->setStringValue(TexteMillimetres(points));
}

std::string TextePoints(double points)
{
    std::string texte = DeuxDecimales(points);
    if (!texte.empty() && texte.back() == ',')
        texte.pop_back();
    if (texte.find(" pt") == std::string::npos)
        texte += " pt";
    return AvecSeparateur(texte);
}

void AffichePoints(ns::TextField* zone, double points)
{
    if (zone != nullptr)
        zone->setStringValue(TextePoints(points));
}
