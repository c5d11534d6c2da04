// The structural settings as one table of (current, provisional, default) triples, and the
// moments at which one copy is written into another.
#pragma once

#include <cstdint>
#include <optional>

template <typename T>
struct TripleReglage {
    const char* cle;       // preference key
    T* courant;
    T* prov;
    T* defaut;
    std::optional<T> usine; // factory value; none for the font index, which is never reset
};

constexpr int NombreReglagesEntiers = 3;
constexpr int NombreReglagesReels = 8;
// NombreDeLignes, NombreDeColonnes, NumeroPolice.
extern const TripleReglage<int32_t> kReglagesEntiers[NombreReglagesEntiers];
// The four thicknesses, the three gutters and Corps.
extern const TripleReglage<double> kReglagesReels[NombreReglagesReels];

// Calls `visite` with every triple, integers first.
template <typename Visite>
void PourChaqueReglage(Visite&& visite)
{
    for (const auto& reglage : kReglagesEntiers)
        visite(reglage);
    for (const auto& reglage : kReglagesReels)
        visite(reglage);
}

// Every current count, thickness, gutter, Corps and NumeroPolice := its default (panel
// initialisation and the panel's Varo button).
void CopieDefautsDansCourants();
// Every provisional value := its default, the font name, sound and tool group included
// (when the controller wakes, and on Cancel of the preferences dialog).
void CopieDefautsDansProvisoires();
// The provisional values := the factory values; the provisional font is kept ("By default").
void ValeursUsineDansProvisoires();
// Every default := its provisional value, the font name, sound and tool group included (OK).
void CopieProvisoiresDansDefauts();
