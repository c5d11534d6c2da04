// The panel's controller, loaded from the interface file "TableauDialogue": it owns the
// panel's controls and the windows of the preferences dialog and the about box, and is never
// released. Plain code reaches its controls through the mirrors of Miroirs.h.
#pragma once

#include "PopUpButton.h"
#include "TextField.h"
#include "ViewController.h"
#include "Window.h"

class TableauDialogue : public ns::ViewController {
public:
    TableauDialogue(std::string nibName, ns::Bundle* bundle);

    // Wakes after every object of the file: the mirrors are published and the tool's cursors
    // drawn.
    void awakeFromNib() override;

    ns::Connection canConnectOutlet(std::string_view name, ns::Object& object) const override;
    void connectOutlet(std::string_view name, ns::Object& object) override;

    // The outlets, by their names in the interface file.
    ns::TextField* PANzonePositionX = nullptr;
    ns::TextField* PANzonePositionY = nullptr;
    ns::TextField* PANzoneLongueurTableau = nullptr;
    ns::TextField* PANzoneHauteurTableau = nullptr;
    ns::PopUpButton* PANpopupPosLigColCad = nullptr;
    ns::View* PANboutonReveilTableauNSView = nullptr;
    ns::Window* PREdialogue = nullptr;
    ns::Window* ABOdialogue = nullptr;
};

// The bundle identifier the controller's interface file and the sounds are found by.
extern const char* const kIdentifiantBundle;
