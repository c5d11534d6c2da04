// Fuzz target: any bytes as a file of cells, read with each separator. The reader refuses them
// with a reason and no records, or gives records within its limits; and what is written of
// those records reads back as the same records.
#include "Csv.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view texte(reinterpret_cast<const char*>(data), size);
    const LimitesCsv limites{64, 50, 20, 400};
    for (char separateur : {',', ';', '\t', DevineSeparateur(texte)}) {
        const LectureCsv lecture = LitCsv(texte, separateur, limites);
        if (!lecture.refus.empty()) {
            if (!lecture.enregistrements.empty())
                std::abort();
            continue;
        }
        size_t champs = 0;
        if (lecture.enregistrements.size() > limites.enregistrements)
            std::abort();
        for (const auto& enregistrement : lecture.enregistrements) {
            if (enregistrement.empty() || enregistrement.size() > limites.champsParEnregistrement)
                std::abort();
            champs += enregistrement.size();
            for (const std::string& champ : enregistrement)
                if (champ.size() > limites.octetsParChamp)
                    std::abort();
        }
        if (champs > limites.champs)
            std::abort();
        const LectureCsv relue = LitCsv(EcritCsv(lecture.enregistrements, separateur), separateur, limites);
        if (!relue.refus.empty() || relue.enregistrements != lecture.enregistrements)
            std::abort();
    }
    return 0;
}
