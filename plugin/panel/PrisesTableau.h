// The controller's outlets as one table: each row names an outlet, the member the
// interface file connects it to and, for the outlets plain code reads, its mirror.
#pragma once

#include "Object.h"

#include <span>
#include <string_view>

class TableauDialogue;

struct PriseTableau {
    const char* nom;
    // Connects the object to the outlet; with a null controller only checks its class.
    bool (*relie)(TableauDialogue* dialogue, ns::Object& objet);
    // Copies the outlet into its mirror, or clears the mirror for a null controller; null
    // for an outlet that has none.
    void (*publie)(const TableauDialogue* dialogue);
    // What the mirror holds; null for an outlet that has none.
    ns::Object* (*miroir)();
};

// Every outlet, in the controller's order.
std::span<const PriseTableau> PrisesTableau();

// Null for a name that is no outlet.
const PriseTableau* TrouvePrise(std::string_view nom);
// Every mirror from the controller's outlets.
void PublieMiroirs(const TableauDialogue& dialogue);
