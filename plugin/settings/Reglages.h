// The table's settings and the state of the table being edited: process-wide variables read
// and written directly by the tool, the construction, the panel, the colour editor, the
// preferences dialog and the preference storage. All of them start at zero.
//
// Lengths are points (1/72 inch) in artwork coordinates, y upward; (PositionX, PositionY) is
// the table's top-left corner. Most structural settings come three times: the current value
// (drawn and shown), `...Prov` (edited in the preferences dialog) and `...Defaut` (the stored
// default).
#pragma once

#include "sdk/AIPathStyle.h"

#include <cstdint>

// Geometry.
extern double PositionX;
extern double PositionY;
extern double LongueurTableau;
extern double HauteurTableau;

// Structure: current, provisional, default.
extern int32_t NombreDeLignes, NombreDeLignesProv, NombreDeLignesDefaut;
extern int32_t NombreDeColonnes, NombreDeColonnesProv, NombreDeColonnesDefaut;
extern double EpaisseurLignes, EpaisseurLignesProv, EpaisseurLignesDefaut;
extern double EpaisseurColonnes, EpaisseurColonnesProv, EpaisseurColonnesDefaut;
extern double EpaisseurCadre, EpaisseurCadreProv, EpaisseurCadreDefaut;
extern double EpaisseurCadreDeux, EpaisseurCadreDeuxProv, EpaisseurCadreDeuxDefaut;
extern double GouttiereLignes, GouttiereLignesProv, GouttiereLignesDefaut;
extern double GouttiereColonnes, GouttiereColonnesProv, GouttiereColonnesDefaut;
extern double GouttiereCadre, GouttiereCadreProv, GouttiereCadreDefaut;
extern double Corps, CorpsProv, CorpsDefaut;
extern int32_t NumeroPolice, NumeroPoliceProv, NumeroPoliceDefaut;

// The most rows or columns a stored count may give; a table of more could not be drawn (the
// construction makes at most 100,000 objects an element).
constexpr int32_t kNombreMaxRangs = 100000;
// The type sizes a text can be drawn at, in points: the arrows stop there, a field refuses a
// size outside, and a stored one outside is read as the factory size.
constexpr double kCorpsMinimum = 0.1;
constexpr double kCorpsMaximum = 1296;
// The largest font index, and offset, a stored value may give.
constexpr int32_t kNumeroMaxPolice = 1000000;

// Font names (NUL-terminated) and the offset from a font index to a font pop-up item.
constexpr int kLongueurNomPolice = 256;
extern char NomPoliceDefaut[kLongueurNomPolice];
extern char NomPoliceProv[kLongueurNomPolice];
extern char NomPolice[kLongueurNomPolice];
extern int32_t KPOLICE;

// Switches and texts. Each text holds at most 80 characters of UTF-8 (four bytes at most
// each) and its terminator.
constexpr int kLongueurMaxTexte = 80;
constexpr int kOctetsMaxTexte = 4 * kLongueurMaxTexte;
extern bool AvecSansCadre;
extern bool AvecSansTitre;
extern bool AvecSansTexte;
extern char TitreTableau[kOctetsMaxTexte + 1];
extern char TexteCase[kOctetsMaxTexte + 1];

// Options.
extern bool SonDefaut, SonProv;
extern bool OutilsGroupe, OutilsGroupeProv;
// Written once with the factory preferences; nothing reads it.
extern bool PanneauVisible;
extern char VirguleOuPoint;

// State of the tool and of the current table.
extern bool TableauCree;
extern bool GroupeCree;
extern bool OKDrag;
extern bool DoitRedessiner;
extern bool OutilSelectionne;
extern AIRealPoint PositionCurseur;
extern AIRealPoint PosTexteAnno;
// The panel's page: 0 position and size, 1 rows, 2 columns, 3 frame, 4 text. Pages 1 to 4
// also choose the colour set the colour editor edits.
extern int32_t IndexPopup;

// The current table's art. A handle keeps the last art made for it and is never cleared:
// every use first asks the host whether it is still valid art.
extern AIArtHandle AHGroupe;       // "Table"
extern AIArtHandle AHGroupeCadres; // "Frame"
extern AIArtHandle AHGroupeLI;     // "Lines"
extern AIArtHandle AHGroupeCO;     // "Columns"
extern AIArtHandle AHGroupeTI;     // "Title"
extern AIArtHandle AHGroupeTC;     // "Text"

// Path style records of rows, columns and frame; the text has none.
extern AIPathStyle StyleLignes;
extern AIPathStyle StyleColonnes;
extern AIPathStyle StyleCadre;

// The sub-group handles of a table that has none of its parts yet: a new table's.
void OublieSousGroupes();
// Every variable above back to zero, as when the plug-in's code is loaded: a plug-in started
// again in the same process starts from nothing of the run before.
void RemetLesReglagesAZero();
