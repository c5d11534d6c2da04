#include "ElementLie.h"

#include <memory>
#include <new>
#include <vector>

ElementLie* PtrPremierLigneLiee;
ElementLie* PtrPremierColonneLiee;
ElementLie* PtrPremierCadreLie;

namespace {

// Records come from blocks that live as long as the plug-in; a freed record goes back to
// the free list and is the next one handed out. A rebuild frees and takes as many records
// as the element has paths, so this keeps them together in memory and off the allocator.
constexpr size_t kRecordsParBloc = 1024;
std::vector<std::unique_ptr<ElementLie[]>> gBlocs;
ElementLie* gLibres = nullptr;

bool AjouteUnBloc()
{
    std::unique_ptr<ElementLie[]> bloc(new (std::nothrow) ElementLie[kRecordsParBloc]);
    if (!bloc)
        return false;
    try {
        gBlocs.push_back(std::move(bloc));
    } catch (const std::bad_alloc&) {
        return false;
    }
    ElementLie* records = gBlocs.back().get();
    for (size_t i = kRecordsParBloc; i-- > 0;) {
        records[i].suivant = gLibres;
        gLibres = &records[i];
    }
    return true;
}

void Libere(ElementLie* record)
{
    record->suivant = gLibres;
    gLibres = record;
}

} // namespace

ElementLie* NouvelElementLie()
{
    if (gLibres == nullptr && !AjouteUnBloc())
        return nullptr;
    ElementLie* record = gLibres;
    gLibres = record->suivant;
    *record = ElementLie{nullptr, nullptr};
    return record;
}

bool RameneAQueue(ElementLie*& tete)
{
    if (tete == nullptr) {
        tete = NouvelElementLie();
        return tete != nullptr;
    }
    while (tete->suivant != nullptr) {
        ElementLie* suivant = tete->suivant;
        Libere(tete);
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
