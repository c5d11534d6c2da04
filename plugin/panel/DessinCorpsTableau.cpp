#include "DessinCorpsTableau.h"

#include "ClasseDeControle.h"
#include "CouleurEcran.h"
#include "MiseAJourZones.h"
#include "Prises.h"
#include "Reglages.h"
#include "ThemeInterface.h"

#include "BezierPath.h"
#include "Color.h"
#include "Cursor.h"
#include "GraphicsContext.h"

// The registry checks the interface file makes them of these classes.
template bool EstDeClasse<DessinCorpsTableau>(ns::Object&);
template bool EstDeClasse<DessinCorpsTableauPrefs>(ns::Object&);

ns::TrackingArea* trarT = nullptr;
ns::TrackingArea* trarTprefs = nullptr;

namespace {

// A glyph as sub-paths: each starts with a move (M) and goes on with lines (L).
struct Trait {
    bool nouveau; // M, else L
    double x, y;
};
constexpr Trait M(double x, double y) { return {true, x, y}; }
constexpr Trait L(double x, double y) { return {false, x, y}; }

// The large T (pc) and the small T (pt), in view coordinates, y upward.
constexpr Trait kGrandT[] = {M(14, 1),  L(19, 1),  M(16, 2),  L(16, 12), L(17, 12), L(17, 2),  M(11, 13), L(22, 13),
                             L(22, 12), L(11, 12), M(11, 11), L(12, 11), M(22, 11), L(21, 11), M(11, 10), L(11, 10),
                             M(22, 10), L(22, 10)};
constexpr Trait kPetitT[] = {M(9, 1), L(12, 1), M(10, 2), L(10, 7), L(11, 7), L(11, 2), M(7, 8), L(14, 8),
                             M(7, 7), L(7, 6),  M(14, 7), L(14, 6), M(13, 7), L(13, 7), M(8, 7), L(8, 7)};

template <size_t N>
ns::BezierPath Chemin(const Trait (&traits)[N])
{
    ns::BezierPath chemin;
    for (const Trait& t : traits)
        t.nouveau ? chemin.moveToPoint({t.x, t.y}) : chemin.lineToPoint({t.x, t.y});
    chemin.closePath();
    return chemin;
}

void RemplitEtTrace(const ns::BezierPath& chemin)
{
    chemin.fill();
    chemin.stroke();
}

std::unique_ptr<ns::TrackingArea> ZoneSuivie(ns::View* vue)
{
    return std::make_unique<ns::TrackingArea>(
        vue->bounds(), ns::TrackingMouseEnteredAndExited | ns::TrackingMouseMoved | ns::TrackingActiveInKeyWindow, vue);
}

} // namespace

DessinCorps::DessinCorps(ns::Rect frame, ns::TrackingArea*& zoneSuivie) : ns::View(frame)
{
    auto zone = ZoneSuivie(this);
    zoneSuivie = zone.get();
    addTrackingArea(std::move(zone));
}

void DessinCorps::drawRect(const ns::Rect&)
{
    if (!dessine())
        return;
    ns::GraphicsContext::saveGraphicsState();
    if (ns::GraphicsContext* contexte = ns::GraphicsContext::currentContext())
        contexte->setShouldAntialias(false);
    // With a type the set does not have, the large T takes whatever colour is current.
    if (const std::optional<ns::Color> couleur = CouleurEcranDuJeu(JeuxCouleurs[ElementTexte]))
        couleur->set();
    RemplitEtTrace(Chemin(kGrandT));
    ns::Color::colorWithCalibratedRed(RougeTexteTheme, VertTexteTheme, BleuTexteTheme, 1).set();
    RemplitEtTrace(Chemin(kPetitT));
    ns::GraphicsContext::restoreGraphicsState();
}

void DessinCorps::mouseEntered(const ns::Event&)
{
    ns::Cursor::pointingHandCursor().set();
}

void DessinCorps::mouseExited(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}

DessinCorpsTableau::DessinCorpsTableau(ns::Rect frame) : DessinCorps(frame, trarT) {}

bool DessinCorpsTableau::dessine() const
{
    return IndexPopup == 4;
}

void DessinCorpsTableau::mouseDown(const ns::Event& event)
{
    if ((event.modifierFlags() & ns::CommandKeyMask) != 0) {
        Corps = CorpsDefaut;
        PANmiseAjourZoneCorps();
    }
    // The size reaches the table with the next rebuild, when the field is committed.
    if (auto* zone = PANzoneCorps())
        zone->selectText(nullptr);
}

DessinCorpsTableauPrefs::DessinCorpsTableauPrefs(ns::Rect frame) : DessinCorps(frame, trarTprefs) {}

void DessinCorpsTableauPrefs::mouseDown(const ns::Event&)
{
    if (auto* zone = PREzoneCorps())
        zone->selectText(nullptr);
}
