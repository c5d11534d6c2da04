#include "FormatNombres.h"

#include "Reglages.h"

#include <cstdio>

namespace {

// "%.2f" without its trailing zeros, then without a trailing point.
std::string DeuxDecimales(double valeur)
{
    char nombre[64];
    std::snprintf(nombre, sizeof nombre, "%.2f", valeur);
    std::string texte = nombre;
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

} // namespace

std::string TexteMillimetres(double points)
{
    return AvecSeparateur(DeuxDecimales(points * 25.4 / 72) + " mm");
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
