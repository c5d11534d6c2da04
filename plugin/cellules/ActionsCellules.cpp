#include "ActionsCellules.h"

#include "Csv.h"
#include "FichiersCellules.h"
#include "Reglages.h"
#include "RemplissageCellules.h"
#include "TableauSuites.h"
#include "TextesGardes.h"
#include "ValidationChamp.h"

#include <string>
#include <string_view>

namespace {

constexpr ai_int32 kLongueurChemin = 4096;
const char* const kSansTableau =
    "There is no table to fill: draw one with the Table Tool, or select one while the panel is shown.";

bool FinitPar(std::string_view texte, std::string_view fin)
{
    if (texte.size() < fin.size())
        return false;
    for (size_t i = 0; i < fin.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(texte[texte.size() - fin.size() + i])) != fin[i])
            return false;
    return true;
}

} // namespace

ASErr ImporteCellules()
{
    if (!TableauCourantRemplissable()) {
        PrevientUtilisateur(kSansTableau);
        return kNoErr;
    }
    char chemin[kLongueurChemin] = "";
    const ASErr dialogue = sAIUser->GetFileDialog("Import Cells", chemin, sizeof chemin);
    if (dialogue == kCanceledErr)
        return kNoErr;
    if (dialogue != kNoErr)
        return dialogue;

    std::string contenu;
    if (std::string refus = LitFichierCellules(chemin, kOctetsMaxFichierCellules, contenu); !refus.empty()) {
        PrevientUtilisateur("The cells cannot be imported: " + refus + ".");
        return kNoErr;
    }
    const char separateur = FinitPar(chemin, ".tsv") ? '\t' : DevineSeparateur(contenu);
    const LectureCsv lecture = LitCsv(contenu, separateur);
    if (!lecture.refus.empty()) {
        PrevientUtilisateur(std::string("The cells of ") + chemin + " cannot be imported: " + lecture.refus + ".");
        return kNoErr;
    }
    if (lecture.enregistrements.empty()) {
        PrevientUtilisateur(std::string(chemin) + " holds no cells.");
        return kNoErr;
    }
    // What was typed into the table so far is kept where the data does not go.
    RecolteTextes();
    const std::string refus = RemplitCellules(lecture.enregistrements, {AvecSansTitre ? 1 : 0, 0}, AvecSansTitre);
    if (!refus.empty()) {
        PrevientUtilisateur(refus);
        return kNoErr;
    }
    return ReconstruitAvecSesCellules();
}

ASErr ExporteCellules()
{
    if (!TableauCourantRemplissable()) {
        PrevientUtilisateur("There is no table to export: draw one with the Table Tool, or select one while the "
                            "panel is shown.");
        return kNoErr;
    }
    char chemin[kLongueurChemin] = "";
    const ASErr dialogue = sAIUser->PutFileDialog("Export Cells", "cells.csv", chemin, sizeof chemin);
    if (dialogue == kCanceledErr)
        return kNoErr;
    if (dialogue != kNoErr)
        return dialogue;
    RecolteTextes();
    const std::string csv = EcritCsv(CellulesDuTableau(), FinitPar(chemin, ".tsv") ? '\t' : ',');
    if (std::string refus = EcritFichierCellules(chemin, csv); !refus.empty())
        PrevientUtilisateur("The cells cannot be exported: " + refus + ".");
    return kNoErr;
}
