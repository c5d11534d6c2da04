#include "ListePolices.h"

#include "Reglages.h"
#include "TableauSuites.h"

#include <cstring>
#include <limits>

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

void SelectionnePolice(ns::PopUpButton* liste, int32_t numero)
{
    if (liste == nullptr)
        return;
    // In 64 bits: a stored index and offset may each be anything a 32-bit integer holds.
    const int64_t article = int64_t{numero} + KPOLICE;
    const bool representable = article >= 0 && article <= std::numeric_limits<int>::max();
    liste->selectItemAtIndex(representable ? static_cast<int>(article) : -1);
}
