#include "ElementLie.h"

#include <new>

ElementLie* PtrPremierLigneLiee;
ElementLie* PtrPremierColonneLiee;
ElementLie* PtrPremierCadreLie;

ElementLie* NouvelElementLie()
{
    return new (std::nothrow) ElementLie{nullptr, nullptr};
}

bool RameneAQueue(ElementLie*& tete)
{
    if (tete == nullptr) {
        tete = NouvelElementLie();
        return tete != nullptr;
    }
    while (tete->suivant != nullptr) {
        ElementLie* suivant = tete->suivant;
        delete tete;
        tete = suivant;
    }
    return true;
}

ElementLie* SuivantOuNouveau(ElementLie* courant)
{
    if (courant->suivant == nullptr)
        courant->suivant = NouvelElementLie();
    return courant->suivant;
}
