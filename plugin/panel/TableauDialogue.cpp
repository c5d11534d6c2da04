#include "TableauDialogue.h"

#include "Curseurs.h"
#include "Miroirs.h"

const char* const kIdentifiantBundle = "fr.varo-tools.VaroTable";

namespace {

const ns::OutletTable<TableauDialogue> kPrises = {
    ns::OutletTable<TableauDialogue>::outlet("PANzonePositionX", &TableauDialogue::PANzonePositionX),
    ns::OutletTable<TableauDialogue>::outlet("PANzonePositionY", &TableauDialogue::PANzonePositionY),
    ns::OutletTable<TableauDialogue>::outlet("PANzoneLongueurTableau", &TableauDialogue::PANzoneLongueurTableau),
    ns::OutletTable<TableauDialogue>::outlet("PANzoneHauteurTableau", &TableauDialogue::PANzoneHauteurTableau),
    ns::OutletTable<TableauDialogue>::outlet("PANpopupPosLigColCad", &TableauDialogue::PANpopupPosLigColCad),
    ns::OutletTable<TableauDialogue>::outlet("PANboutonReveilTableauNSView", &TableauDialogue::PANboutonReveilTableauNSView),
    ns::OutletTable<TableauDialogue>::outlet("PREdialogue", &TableauDialogue::PREdialogue),
    ns::OutletTable<TableauDialogue>::outlet("ABOdialogue", &TableauDialogue::ABOdialogue),
};

} // namespace

TableauDialogue::TableauDialogue(std::string nibName, ns::Bundle* bundle) : ns::ViewController(std::move(nibName), bundle) {}

ns::Connection TableauDialogue::canConnectOutlet(std::string_view name, ns::Object& object) const
{
    return kPrises.check(name, object);
}

void TableauDialogue::connectOutlet(std::string_view name, ns::Object& object)
{
    kPrises.connect(*this, name, object);
}

void TableauDialogue::awakeFromNib()
{
    GzonePositionX = PANzonePositionX;
    GzonePositionY = PANzonePositionY;
    GzoneLongueurTableau = PANzoneLongueurTableau;
    GzoneHauteurTableau = PANzoneHauteurTableau;
    GpopupPosLigColCad = PANpopupPosLigColCad;
    GboutonReveilTableauNSView = PANboutonReveilTableauNSView;
    GdialoguePRE = PREdialogue;
    GdialogueABO = ABOdialogue;
    CalculerCurseurs();
}
