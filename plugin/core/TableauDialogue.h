// The panel's controller, loaded from the interface file "TableauDialogue" into the panel: it
// owns the panel's controls, the colour editor's, and the windows of the preferences dialog and
// the about box, and lives until the plug-in's code goes. Its loading fills the registry of the
// controls (Prises.h); its actions go to the window whose control sent them.
#pragma once

#include "ViewController.h"

class TableauDialogue : public ns::ViewController {
public:
    TableauDialogue(std::string nibName, ns::Bundle* bundle);

    // Runs once the file's objects are made and connected: the path lists, the cursors, the
    // dialogs' first state, the panel's controls, and last the panel disabled under its veil.
    void awakeFromNib() override;

    // The hidden buttons' actions: the path lists made; the Table Tool selected.
    void BidonAcquisitionTableauAction(ns::Object* sender); // "BidonAcquisitionTableau:"
    void BidonActiveOutilTableauCBP(ns::Object* sender);

    // Actions by selector: the hidden buttons', then the panel's, the colour editor's, the
    // preferences dialog's and the about box's.
    bool performAction(std::string_view selector, ns::Object* sender) override;
    bool respondsToAction(std::string_view selector) const override;
    // The identifiers the plug-in declares, each connected to the registry.
    ns::Connection canConnectOutlet(std::string_view name, ns::Object& object) const override;
    void connectOutlet(std::string_view name, ns::Object& object) override;
};
