// The icon buttons beside the numeric fields: nine in the preferences dialog, one field each,
// and four in the panel, whose meaning follows the page. One class over the family's table;
// each member is made by its own class name and knows its row. Each draws its pictogram,
// shows the pointing hand while the pointer is over it (a panel icon also takes the page's
// tooltip), and a click puts the focus in its field, text selected.
#pragma once

#include "Prises.h"
#include "Pictogrammes.h"
#include "TrackingArea.h"
#include "View.h"

#include <cstddef>

// What a panel icon stands for on a page; no tooltip: nothing on that page.
struct PageIcone {
    const char* bulle;
    LitZone zone;
    Pictogramme pictogramme;
};

struct MembreIcone {
    const char* classe;            // the name the interface file makes it by
    ns::TrackingArea** zoneSuivie; // the global its tracking area is kept in
    bool panneau;
    // The preferences' icons: their field and pictogram (their tooltip is their field's).
    LitZone zone;
    Pictogramme pictogramme;
    // The panel's: by page, 0 to 4.
    PageIcone pages[5];
    // Whether the pointing hand and the click wait for the Table Tool to be the current tool.
    bool outilRequis;
};

// The family, the preferences' nine first.
extern const MembreIcone kFamilleIcones[13];

class BoutonIcone : public ns::View {
public:
    BoutonIcone(ns::Rect frame, std::size_t membre);
    const MembreIcone& membre() const { return kFamilleIcones[membre_]; }

    void mouseDown(const ns::Event& event) override;
    void mouseExited(const ns::Event& event) override;
    void mouseEntered(const ns::Event& event) override;
    void drawRect(const ns::Rect& dirty) override;
    bool acceptsFirstResponder() const override { return true; }
    // A panel icon takes the tooltip of what it stands for on the page shown, none where it
    // draws nothing; then it is redrawn. The preferences' icons keep theirs.
    void suitLaPage();

private:
    // The member's meaning now: for a panel icon, that of the page; null when it has none.
    const PageIcone* page() const;

    std::size_t membre_;
    PageIcone preferences_;
};

// The tracking areas, each made with its view and owned by it.
extern ns::TrackingArea *trbttxtnbrligprefs, *trbttxtnbrcolprefs, *trbttxtepaisligprefs, *trbttxtepaiscolprefs,
    *trbttxtgouttiereligprefs, *trbttxtgouttierecolprefs, *trbttxtcadreprefs, *trbttxtcadredeuxprefs,
    *trbttxtgouttierecadreprefs, *trbttxtposxnbrlignbrcol, *trbttxtepaisseurligcolcad, *trbttxtgouttiereligcolcad,
    *trbttxtHauteurCadreDeux;
