// The host interface's theme as the panel draws with it: four colours read at every
// brightness change, and whether the interface is dark.
#pragma once

#include "sdk/ASTypes.h"

extern float RougeTheme, VertTheme, BleuTheme, AlphaTheme;                         // (1, 0) the wake button
extern float RougeTexteTheme, VertTexteTheme, BleuTexteTheme, AlphaTexteTheme;     // (1, 1) labels
extern float RougeFondTheme, VertFondTheme, BleuFondTheme, AlphaFondTheme;         // (1, 4) field backgrounds
extern float RougeTexteEditTheme, VertTexteEditTheme, BleuTexteEditTheme, AlphaTexteEditTheme; // (1, 3) field text
extern bool InterfaceSombre;

// Asks the host whether its interface is dark and reads the four colours, in the order
// (1, 0), (1, 1), (1, 4), (1, 3), into their variables; a failing query leaves its colour
// as the query before left the record. The result of the last query.
ASErr LitCouleursTheme();
