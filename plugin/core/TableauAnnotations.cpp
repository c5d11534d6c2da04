// The annotator "VaroAnno": over the document view, while the Table Tool is selected, the
// help text that follows the cursor and, during a drag, the dashed rubber band of the table.
#include "AIError.h"
#include "Flottants.h"
#include "Reglages.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"


AIRGBColor CouleurCalque{0, 0, 0};

namespace {

const char* const kTexteAide = "Click and drag to create a table.";

// The smart guides' colour, in the host's own preferences.
const char* const kCanauxGuides[3] = {"snapomatic/Color/red", "snapomatic/Color/green", "snapomatic/Color/blue"};

// A fraction of full intensity as a 16-bit channel, truncated; a stored value outside 0 to 1
// is brought back into it rather than overflowing the channel.
ai_uint16 Canal(double fraction)
{
    const float valeur = EnFlottant(fraction) * 65535.0f;
    if (!(valeur > 0))
        return 0;
    if (valeur >= 65535.0f)
        return 65535;
    return static_cast<ai_uint16>(valeur);
}

} // namespace

ASErr TableauPlugIn::toolAnnotate(AIAnnotatorMessage* message)
{
    sAIAnnotatorDrawer->SetLineWidth(message->drawer, 1.0);
    sAIAnnotatorDrawer->SetLineDashed(message->drawer, false);

    AILayerHandle calque = nullptr;
    if (sAILayer->GetCurrentLayer(&calque) == kNoErr)
        sAILayer->GetLayerColor(calque, &CouleurCalque);

    if (OKDrag)
        TraceAnnoteRectangleSelection(message);

    ai_uint16 canaux[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        double fraction = 0; // a colour the host does not have counts as none
        if (sAIPreference->GetRealPreference(nullptr, kCanauxGuides[i], &fraction) != kNoErr)
            fraction = 0;
        canaux[i] = Canal(fraction);
    }
    TraceAnnoteTexte(message, AIRGBColor{canaux[0], canaux[1], canaux[2]});
    return kNoErr;
}

void TableauPlugIn::TraceAnnoteRectangleSelection(AIAnnotatorMessage* message)
{
    const AIRealPoint ancre{EnFlottant(PositionX), EnFlottant(PositionY)};
    AIPoint a{}, b{};
    sAIDocumentView->ArtworkPointToViewPoint(message->view, &ancre, &a);
    sAIDocumentView->ArtworkPointToViewPoint(message->view, &PositionCurseur, &b);
    // The corners as the drag left them: the host orders them.
    const AIRect rectangle{a.h, a.v, b.h, b.v};
    // The rubber band in the current layer's colour, as the host draws its own guides.
    sAIAnnotatorDrawer->SetColor(message->drawer, &CouleurCalque);
    sAIAnnotatorDrawer->SetLineDashed(message->drawer, true);
    sAIAnnotatorDrawer->DrawRect(message->drawer, &rectangle, false);
}

ASErr TableauPlugIn::TraceAnnoteTexte(AIAnnotatorMessage* message, const AIRGBColor& couleur)
{
    sAIAnnotatorDrawer->SetColor(message->drawer, &couleur);
    sAIAnnotatorDrawer->SetFontPreset(message->drawer, 0);
    AIPoint point{};
    sAIDocumentView->ArtworkPointToViewPoint(message->view, &PosTexteAnno, &point);
    return sAIAnnotatorDrawer->DrawText(message->drawer, kTexteAide, &point);
}

ASErr TableauPlugIn::InvalAnnotator(AIAnnotatorMessage*)
{
    return sAIAnnotator->InvalAnnotationRect(nullptr, &fRectangleAnnotation);
}

ASErr ArtworkBoundsToViewBounds(const AIRealRect& artwork, AIRect& view)
{
    try {
        const AIRealPoint hautGauche{artwork.left, artwork.top}, basDroite{artwork.right, artwork.bottom};
        AIPoint a{}, b{};
        aisdk::check_ai_error(sAIDocumentView->ArtworkPointToViewPoint(nullptr, &hautGauche, &a));
        aisdk::check_ai_error(sAIDocumentView->ArtworkPointToViewPoint(nullptr, &basDroite, &b));
        view = AIRect{a.h, a.v, b.h, b.v};
    } catch (const ai::Error& erreur) {
        return erreur.code();
    }
    return kNoErr;
}

ASErr InvalidateRect(const AIRealRect& artwork)
{
    AIRect vue{};
    if (ASErr erreur = ArtworkBoundsToViewBounds(artwork, vue))
        return erreur;
    return sAIAnnotator->InvalAnnotationRect(nullptr, &vue);
}
