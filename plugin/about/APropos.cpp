// The about box: its content, set once when the panel's controller wakes, and its OK.
#include "APropos.h"

#include "Actions.h"
#include "Prises.h"

#include "Application.h"

const char* const kVersionVaroTable = "Varo-Table (CS6) 2.0 (August 2015)";
const char* const kAdresseSiteVaro = "https://www.varo-tools.fr";

void ABOinitDialogue()
{
    if (auto* fenetre = ABOdialogue()) {
        fenetre->center();
        fenetre->setTitle("About Varo-Table");
    }
    if (auto* zone = ABOversion())
        zone->setStringValue(kVersionVaroTable);
    if (auto* bouton = ABOadresse())
        bouton->setTitle(kAdresseSiteVaro);
    if (auto* bouton = ABOokBT())
        bouton->setTitle("OK");
}

void ABOok(ns::Object*)
{
    if (auto* fenetre = ABOdialogue())
        fenetre->orderOut(nullptr);
    ns::Application::sharedApplication().activateIgnoringOtherApps(true);
}

namespace {

const Action kActions[] = {
    {"ABOok:", ABOok},
};

} // namespace

bool EstActionDeLAPropos(std::string_view selecteur)
{
    return TrouveAction(kActions, selecteur) != nullptr;
}

bool ActionDeLAPropos(std::string_view selecteur, ns::Object* expediteur)
{
    return Execute(kActions, selecteur, expediteur);
}
