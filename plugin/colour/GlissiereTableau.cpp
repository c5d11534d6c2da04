#include "GlissiereTableau.h"

#include "BezierPath.h"
#include "Bundle.h"
#include "Color.h"
#include "GraphicsContext.h"

#include <cmath>

std::shared_ptr<ns::Image> GlissiereCurseurTableau;

namespace {

constexpr double kEpaisseurCurseur = 22;

// Once: the class's first cell reads the picture, found through the bundle that registered
// the class.
void ChargeCurseur()
{
    static bool charge = false;
    if (charge)
        return;
    charge = true;
    if (const ns::Bundle* bundle = ns::Bundle::bundleForClass("GlissiereTableau"))
        GlissiereCurseurTableau = ns::Image::imageWithContentsOfFile(bundle->pathForImageResource("GlissiereCurseur.png"));
}

} // namespace

GlissiereTableau::GlissiereTableau()
{
    setKnobThickness(kEpaisseurCurseur);
    ChargeCurseur();
}

void GlissiereTableau::drawBarInside(const ns::Rect& rect, bool)
{
    ns::GraphicsContext::saveGraphicsState();
    if (ns::GraphicsContext* contexte = ns::GraphicsContext::currentContext())
        contexte->setShouldAntialias(false);
    ns::Color::colorWithCalibratedWhite(0.4, 1).set();
    ns::BezierPath::bezierPathWithRect(ns::MakeRect(rect.minX() + 11, 2, rect.size.width - 22, rect.size.height - 16))
        .stroke();
    ns::GraphicsContext::restoreGraphicsState();
}

void GlissiereTableau::drawKnob(const ns::Rect& knobRect)
{
    if (!GlissiereCurseurTableau)
        return;
    const ns::Size image = GlissiereCurseurTableau->size();
    // The halves rounded in single precision.
    const float dx = std::round(static_cast<float>(knobRect.size.width - image.width) * 0.5f);
    const float dy = std::round(static_cast<float>(knobRect.size.height - image.height) * 0.5f);
    GlissiereCurseurTableau->drawAtPoint({knobRect.minX() + dx, knobRect.maxY() - dy}, {},
                                         ns::CompositingOperation::SourceOver, 1);
}
