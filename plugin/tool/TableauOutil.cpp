// The Table Tool: a click and drag makes a table in the layer "Varo-Table", and the last
// table made stays current for the panel to edit.
#include "ActiverZones.h"
#include "Application.h"
#include "Curseurs.h"
#include "FormatNombres.h"
#include "Prises.h"
#include "Reglages.h"
#include "Sonorise.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"
#include "TableauTraces.h"
#include "TextesGardes.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace {

const char* const kCalqueTableaux = "Varo-Table";
const char* const kCalqueVerrouille = "Impossible, locked layer!";
// What a gesture on a locked layer answers, once the user has been told.
constexpr ASErr kCalqueVerrouilleErr = AS_FOUR_CHAR('L', 'O', 'C', 'K');

ai_uint16 Modificateurs(const AIToolMessage* message)
{
    return message->event != nullptr ? message->event->modifiers : 0;
}

bool Option(const AIToolMessage* message)
{
    return (Modificateurs(message) & aiEventModifiers_optionKey) != 0;
}

bool Majuscule(const AIToolMessage* message)
{
    return (Modificateurs(message) & aiEventModifiers_shiftKey) != 0;
}

// The panel shown if hidden, hidden if shown.
ASErr BasculePanneau()
{
    ASBoolean visible = false;
    ASErr error = sAIPanel->IsShown(PanneauRef, &visible);
    if (error == kNoErr)
        error = sAIPanel->Show(PanneauRef, !visible);
    return error;
}

// The host's view drawn again at the zoom it has: the way to have the annotations follow.
ASErr RafraichitVue()
{
    AIDocumentViewHandle vue = nullptr;
    AIReal zoom = 1;
    ASErr error = sAIDocumentView->GetNthDocumentView(0, &vue);
    if (error == kNoErr)
        error = sAIDocumentView->GetDocumentViewZoom(vue, &zoom);
    if (error == kNoErr)
        error = sAIDocumentView->SetDocumentViewZoom(vue, zoom);
    return error;
}

bool TableauCourantValide()
{
    return TableauCree && AHGroupe != nullptr && sAIArt->ValidArt(AHGroupe, true);
}

// The flyout items follow the tool: usable only while it is selected.
void ActiveMenuLocal(bool actif)
{
    for (ai_uint32 article = 1; article <= 7; ++article)
        sAIPanelFlyoutMenu->SetItemEnabled(MenuLocal, article, actif);
}

void DeplaceBoutonReveil(float x)
{
    if (auto* vue = BoutonReveilTableauNSView())
        vue->setFrameOrigin({x, vue->frame().origin.y});
}

ASErr AlerteCalqueVerrouille()
{
    const ASErr error = sAIUser->MessageAlert(kCalqueVerrouille);
    return error != kNoErr ? error : kCalqueVerrouilleErr;
}

// The layer's title is compared whole: a longer title cut to the buffer is not this one.
bool TitreEst(AILayerHandle calque, const char* titre)
{
    char lu[256] = {};
    return sAILayer->GetLayerTitle(calque, lu, sizeof lu) == kNoErr && std::strcmp(lu, titre) == 0;
}

} // namespace

ASErr TableauPlugIn::CreationGroupe(AIToolMessage*)
{
    if (GroupeCree)
        return kNoErr;

    ai_int32 nombre = 0;
    ASErr error = sAILayer->CountLayers(&nombre);
    if (error != kNoErr)
        return error;
    AILayerHandle calque = nullptr;
    for (ai_int32 i = 0; i < nombre && calque == nullptr; ++i) {
        AILayerHandle candidat = nullptr;
        if ((error = sAILayer->GetNthLayer(i, &candidat)) != kNoErr)
            return error;
        if (TitreEst(candidat, kCalqueTableaux))
            calque = candidat;
    }
    // A layer this gesture made goes again when the gesture makes no table: it leaves nothing.
    AILayerHandle calqueNouveau = nullptr;
    const auto echec = [&calqueNouveau](ASErr raison) {
        if (calqueNouveau != nullptr)
            sAILayer->DeleteLayer(calqueNouveau);
        return raison;
    };
    if (calque != nullptr) {
        ASBoolean modifiable = false;
        if ((error = sAILayer->GetLayerEditable(calque, &modifiable)) != kNoErr)
            return error;
        if (!modifiable)
            return AlerteCalqueVerrouille();
    } else {
        AILayerHandle courant = nullptr;
        if ((error = sAILayer->GetCurrentLayer(&courant)) != kNoErr ||
            (error = sAILayer->InsertLayer(courant, kPlaceAboveAll, &calque)) != kNoErr)
            return error;
        calqueNouveau = calque;
        if ((error = sAILayer->SetLayerTitle(calque, kCalqueTableaux)) != kNoErr)
            return echec(error);
    }

    AILayerHandle courant = nullptr;
    ASBoolean modifiable = false;
    if ((error = sAILayer->GetCurrentLayer(&courant)) != kNoErr ||
        (error = sAILayer->GetLayerEditable(courant, &modifiable)) != kNoErr)
        return echec(error);
    if (!modifiable)
        return echec(AlerteCalqueVerrouille());

    AIArtHandle groupeCalque = nullptr;
    if ((error = sAIArt->GetFirstArtOfLayer(calque, &groupeCalque)) != kNoErr)
        return echec(error);

    // An empty group left by an earlier gesture that drew nothing goes first.
    if (AHGroupe != nullptr && sAIArt->ValidArt(AHGroupe, true)) {
        AIArtHandle enfant = nullptr;
        if (sAIArt->GetArtFirstChild(AHGroupe, &enfant) == kNoErr && enfant == nullptr)
            sAIArt->DisposeArt(AHGroupe);
    }

    if ((error = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, groupeCalque, &AHGroupe)) != kNoErr)
        return echec(error);
    GroupeCree = true;
    // A new table has none of its parts yet: the handles of the previous one must not lead a
    // rebuild of this one to dispose of that table's groups, nor its texts go into this one.
    OublieSousGroupes();
    OublieTextesGardes();
    // The group is the table; without its name it is a table all the same, and the status
    // says why it has none.
    return sAIArt->SetArtName(AHGroupe, "Table");
}

ASErr TableauPlugIn::ToolMouseDown(AIToolMessage* message)
{
    if (Option(message))
        return BasculePanneau();
    if (Majuscule(message)) {
        IndexPopup = (IndexPopup + 1) % 5;
        if (auto* popup = PANpopupPosLigColCad()) {
            popup->selectItemAtIndex(IndexPopup);
            // The page then shows as when it is chosen in the pop-up: its colour editor laid
            // out and the panel at its height, so that nothing of another page stays in view.
            popup->sendAction();
        }
        ActiverZones(1);
        return kNoErr;
    }

    GroupeCree = false;
    TableauCree = false;
    // The gesture makes no table when its group cannot be made: its drags and its mouse-up
    // then do nothing either. A group that could not be named is still the table's.
    OKDrag = false;
    const ASErr creation = CreationGroupe(message);
    if (!GroupeCree)
        return creation;
    if (SonDefaut)
        Sonorise(9000);
    PositionX = message->cursor.h;
    PositionY = message->cursor.v;
    AfficheMillimetres(PANzonePositionX(), PositionX);
    AfficheMillimetres(PANzonePositionY(), PositionY);
    OKDrag = true;
    return creation;
}

ASErr TableauPlugIn::ToolMouseDrag(AIToolMessage* message)
{
    if (!OKDrag)
        return kNoErr;
    PositionCurseur = message->cursor;
    AIRealRect bornes{0, 0, 0, 0};
    ASErr error = sAIDocumentView->GetDocumentViewBounds(nullptr, &bornes);
    if (error == kNoErr)
        error = InvalidateRect(bornes);
    LongueurTableau = std::fabs(message->cursor.h - PositionX);
    HauteurTableau = std::fabs(PositionY - message->cursor.v);
    AfficheMillimetres(PANzoneLongueurTableau(), LongueurTableau);
    AfficheMillimetres(PANzoneHauteurTableau(), HauteurTableau);
    return error;
}

ASErr TableauPlugIn::ToolMouseUp(AIToolMessage* message)
{
    if (!OKDrag)
        return kNoErr;
    OKDrag = false;
    PositionCurseur = message->cursor;
    double h = message->cursor.h, v = message->cursor.v;
    if (h != PositionX || v != PositionY) {
        // The stored corner is the top-left one, whichever way the drag went.
        if (h < PositionX)
            std::swap(h, PositionX);
        if (v > PositionY)
            std::swap(v, PositionY);
        LongueurTableau = h - PositionX;
        HauteurTableau = PositionY - v;
    }
    AfficheMillimetres(PANzoneLongueurTableau(), LongueurTableau);
    AfficheMillimetres(PANzoneHauteurTableau(), HauteurTableau);
    AfficheMillimetres(PANzonePositionX(), PositionX);
    AfficheMillimetres(PANzonePositionY(), PositionY);
    const ASErr status = TraceTableau();
    TableauCree = true;
    return status;
}

ASErr TableauPlugIn::TrackToolCursor(AIToolMessage* message)
{
    RafraichitVue();
    PosTexteAnno = message->cursor;
    if (Option(message)) {
        CurseurPointille.set();
        return kNoErr;
    }
    ASErr error = Survol(message);
    if (DoitRedessiner) {
        DoitRedessiner = false;
        if (TableauCourantValide()) {
            // What the person typed into the table goes into the new build.
            RecolteTextes();
            error = TraceTableau();
        }
    }
    return error;
}

ASErr TableauPlugIn::Survol(AIToolMessage*)
{
    const ASErr error = RafraichitVue();
    CurseurTableauObjet.set();
    return error;
}

ASErr TableauPlugIn::SelectTool(AIToolMessage*)
{
    DeplaceBoutonReveil(500);
    OutilSelectionne = true;
    CurseurGenerique.set();
    ActiveMenuLocal(true);
    const ASErr error = sAIAnnotator->SetAnnotatorActive(fAnnotator, true);
    ActiverZones(1);
    return error;
}

ASErr TableauPlugIn::DeselectTool(AIToolMessage*)
{
    DeplaceBoutonReveil(0);
    OutilSelectionne = false;
    ActiveMenuLocal(false);
    const ASErr error = sAIAnnotator->SetAnnotatorActive(fAnnotator, false);
    ActiverZones(0);
    return error;
}

ASErr TableauPlugIn::EditTool(AIToolMessage*)
{
    if (auto* fenetre = PREdialogue())
        ns::Application::sharedApplication().runModalForWindow(*fenetre);
    return kNoErr;
}
