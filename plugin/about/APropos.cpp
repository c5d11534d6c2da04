// The about box: its content, set once when the panel's controller wakes, and its OK.
#include "APropos.h"

#include "TableauDialogue.h"

#include "Application.h"

const char* const kVersionVaroTable = "Varo-Table (CS6) 2.0 (August 2015)";
const char* const kAdresseSiteVaro = "https://www.varo-tools.fr";

void TableauDialogue::ABOinitDialogue()
{
    if (ABOdialogue != nullptr) {
        ABOdialogue->center();
        ABOdialogue->setTitle("About Varo-Table");
    }
    if (ABOversion != nullptr)
        ABOversion->setStringValue(kVersionVaroTable);
    if (ABOadresse != nullptr)
        ABOadresse->setTitle(kAdresseSiteVaro);
    if (ABOokBT != nullptr)
        ABOokBT->setTitle("OK");
}

void TableauDialogue::ABOok(ns::Object*)
{
    if (ABOdialogue != nullptr)
        ABOdialogue->orderOut(nullptr);
    ns::Application::sharedApplication().activateIgnoringOtherApps(true);
}
