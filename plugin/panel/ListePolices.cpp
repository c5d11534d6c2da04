#include "ListePolices.h"

#include "TableauSuites.h"

#include <cstring>

void RemplitListePolices(ns::PopUpButton* liste)
{
    if (liste == nullptr)
        return;
    liste->removeAllItems();
    ai_int32 nombre = 0;
    if (sAIFont == nullptr || sAIFont->CountFonts(&nombre) != kNoErr)
        return;
    char nom[1024];
    for (ai_int32 i = 0; i < nombre; ++i) {
        std::memset(nom, 0, sizeof nom);
        AIFontKey cle = nullptr;
        ASErr erreur = sAIFont->IndexUserFontList(i, &cle);
        if (erreur == kNoErr)
            erreur = sAIFont->GetFontName(cle, nom, sizeof nom);
        // The name may fill the buffer without its terminator.
        liste->addItemWithTitle(std::string(nom, strnlen(nom, sizeof nom)));
        if (erreur != kNoErr)
            return;
    }
}
