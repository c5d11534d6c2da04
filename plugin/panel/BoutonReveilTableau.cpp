#include "BoutonReveilTableau.h"

#include "ClasseDeControle.h"
#include "Prises.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "ThemeInterface.h"

#include "Color.h"
#include "Cursor.h"
#include "RectFill.h"

// The registry checks the interface file makes it of this class.
template bool EstDeClasse<BoutonReveilTableau>(ns::Object&);

ns::TrackingArea* trbtreveiltableau = nullptr;

BoutonReveilTableau::BoutonReveilTableau(ns::Rect frame) : ns::View(frame)
{
    auto zone = std::make_unique<ns::TrackingArea>(
        bounds(), ns::TrackingMouseEnteredAndExited | ns::TrackingMouseMoved | ns::TrackingActiveInKeyWindow, this);
    trbtreveiltableau = zone.get();
    addTrackingArea(std::move(zone));
}

void BoutonReveilTableau::mouseDown(const ns::Event&)
{
    if (IgnoreSansSuites("a click on the panel"))
        return;
    setFrameOrigin({kXEcarte, frame().origin.y});
    OutilSelectionne = true;
    // The host answers with its tool-selection message, which wakes the panel.
    if (auto* bouton = BidonActiveOutilTableau())
        bouton->performClick(nullptr);
}

void BoutonReveilTableau::mouseEntered(const ns::Event&)
{
    ns::Cursor::pointingHandCursor().set();
}

void BoutonReveilTableau::mouseExited(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}

void BoutonReveilTableau::drawRect(const ns::Rect& dirty)
{
    // The controls show through, dimmed.
    ns::Color::colorWithCalibratedRed(RougeTheme, VertTheme, BleuTheme, 0.5).setFill();
    ns::RectFillUsingOperation(dirty, ns::CompositingOperation::SourceOver);
}
