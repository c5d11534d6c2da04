#include "FormatMillimetres.h"

#include "Reglages.h"

#include <cstdio>

std::string TexteMillimetres(double points)
{
    char nombre[64];
    std::snprintf(nombre, sizeof nombre, "%.2f", points * 25.4 / 72);
    std::string texte = nombre;
    while (!texte.empty() && texte.back() == '0')
        texte.pop_back();
    if (!texte.empty() && texte.back() == '.')
        texte.pop_back();
    texte += " mm";
    if (VirguleOuPoint == ',')
        for (char& c : texte)
            if (c == '.')
                c = ',';
    return texte;
}

void AfficheMillimetres(ns::TextField* zone, double points)
{
    if (zone != nullptr)
        zone->setStringValue(TexteMillimetres(points));
}
