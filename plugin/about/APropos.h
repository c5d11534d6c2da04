// The about box: its content, set once when the panel's controller wakes, and its OK.
#pragma once

#include "Object.h"

#include <string_view>

// What the about box says, and the maker's web page the panel's web button also opens.
extern const char* const kVersionVaroTable;
extern const char* const kAdresseSiteVaro;

void ABOinitDialogue();
void ABOok(ns::Object* expediteur);

// Whether `selecteur` is one of the about box's actions; runs it, false when it is none.
bool EstActionDeLAPropos(std::string_view selecteur);
bool ActionDeLAPropos(std::string_view selecteur, ns::Object* expediteur);
