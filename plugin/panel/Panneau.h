// The panel "Table 2.0": its five pages, its fields, switches and texts, its help, and the
// buttons of its top bar. Its controls are the registry's PAN rows.
#pragma once

#include "Object.h"

#include <string_view>

// The panel's controls and the current settings, from the stored defaults.
void PANinit();

// The page pop-up: the page's controls shown, the colour editor laid out for the page's
// element, the panel resized, the focus in the page's first field.
void PANpopupPosLigColCadTexCBP(ns::Object* expediteur);
// The page IndexPopup shown as the pop-up shows it, the focus left where it is.
void AffichePageCourante();
// Every control showing the current settings: position and size, counts, thicknesses and
// gutters, font and size, switches, title and cell text, the page's colours. The title field
// shows the title the table holds: one typed into the table's title is kept there.
void AfficheReglagesCourants();

// The frame, title and text switches; the title and the cell text (80 characters at most); the
// font; the type size.
void PANavecSansCadreCBP(ns::Object* expediteur);
void PANavecSansTitreCBP(ns::Object* expediteur);
void PANavecSansTexteCBP(ns::Object* expediteur);
void PANnomTitreCBP(ns::Object* expediteur);
void PANnomTexteCBP(ns::Object* expediteur);
void PANnomsPolicesCBP(ns::Object* expediteur);
void PANcorpsCBP(ns::Object* expediteur);

// The help's pages; the Varo button (the stored defaults back); the web button.
void PANaideApres(ns::Object* expediteur);
void PANaideAvant(ns::Object* expediteur);
void PANvaroCBP(ns::Object* expediteur);
void PANurlCBP(ns::Object* expediteur);

// Whether `selecteur` is one of the panel's actions: those above, and the numeric fields'
// commits and step buttons (ActionsChamps.h). Runs it: false when it is none.
bool EstActionDuPanneau(std::string_view selecteur);
bool ActionDuPanneau(std::string_view selecteur, ns::Object* expediteur);
