#include "ElementLie.h"

#include <memory>
#include <new>
#include <vector>

ElementLie* PtrPremierLigneLiee;
ElementLie* PtrPremierColonneLiee;
ElementLie* PtrPremierCadreLie;

namespace {

// Records come from blocks that live as long as the plug-in; freed records go back to the
// front of the free list and are the next ones handed out. A rebuild frees and takes as many
// records as the element has paths, so this keeps them together in memory and off the
// allocator.
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
    if (tete->suivant == nullptr)
        return true;
    // The records before the tail go back to the free list whole, in their order: the next
    // build takes them again one after the other, as they lie in memory.
    ElementLie* avantLaQueue = tete;
    while (avantLaQueue->suivant->suivant != nullptr)
        avantLaQueue = avantLaQueue->suivant;
    ElementLie* queue = avantLaQueue->suivant;
    avantLaQueue->suivant = gLibres;
    gLibres = tete;
    tete = queue;
    return true;
}

ElementLie* SuivantOuNouveau(ElementLie* courant)
{
    if (courant->suivant == nullptr)
        courant->suivant = NouvelElementLie();
    return courant->suivant;
}
