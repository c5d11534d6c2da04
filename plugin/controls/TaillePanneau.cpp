#include "TaillePanneau.h"

#include "PoigneesHote.h"
#include "TableauSuites.h"

void PoseTaillePanneau(AISize taille)
{
    sAIPanel->SetSize(PanneauRef, taille);
    // The item says what choosing it would do now.
    sAIPanelFlyoutMenu->SetItemText(MenuLocal, 3, taille.width == kLargeurPanneau ? kMontrerAide : kCacherAide);
}
