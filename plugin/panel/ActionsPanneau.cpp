// The panel's actions by their selectors in the interface file.
#include "Panneau.h"

#include "ActionsChamps.h"
#include "Actions.h"

#include "Application.h"

namespace {

const Action kActions[] = {
    {"PANpopupPosLigColCadTexCBP:", PANpopupPosLigColCadTexCBP},
    {"PANavecSansCadreCBP:", PANavecSansCadreCBP},
    {"PANavecSansTitreCBP:", PANavecSansTitreCBP},
    {"PANavecSansTexteCBP:", PANavecSansTexteCBP},
    {"PANnomTitreCBP:", PANnomTitreCBP},
    {"PANnomTexteCBP:", PANnomTexteCBP},
    {"PANnomsPolicesCBP:", PANnomsPolicesCBP},
    {"PANcorpsCBP:", PANcorpsCBP},
    {"PANaideApres:", PANaideApres},
    {"PANaideAvant:", PANaideAvant},
    {"PANvaroCBP:", PANvaroCBP},
    {"PANurlCBP:", PANurlCBP},
};

} // namespace

bool EstActionDuPanneau(std::string_view selecteur)
{
    return TrouveAction(kActions, selecteur) != nullptr || EstActionDeChamp(selecteur);
}

bool ActionDuPanneau(std::string_view selecteur, ns::Object* expediteur)
{
    if (Execute(kActions, selecteur, expediteur))
        return true;
    // The length step buttons take their larger steps with Shift.
    const bool majuscule = (ns::Application::sharedApplication().modifierFlags() & ns::ShiftKeyMask) != 0;
    return ActionDeChamp(selecteur, expediteur, majuscule);
}
