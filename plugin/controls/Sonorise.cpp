#include "Sonorise.h"

#include "Ressources.h"

#include "Bundle.h"
#include "Sound.h"

namespace {

const char* FichierDuSon(uint16_t code)
{
    switch (code) {
    case 9000:
        return "Pop";
    case 9002:
        return "Bruit";
    default:
        return "Tink";
    }
}

} // namespace

void Sonorise(uint16_t code)
{
    const ns::Bundle* bundle = ns::Bundle::bundleWithIdentifier(kIdentifiantBundle);
    if (bundle == nullptr)
        return;
    const auto chemin = bundle->pathForResource(FichierDuSon(code), "aiff");
    if (chemin.empty())
        return;
    if (const auto son = ns::Sound::initWithContentsOfFile(chemin, true))
        son->play();
}
