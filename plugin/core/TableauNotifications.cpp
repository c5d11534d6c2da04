// The notifications the plug-in asked for: the application's shutdown, a change of the art
// selection (a table selected may become the current one), a change of the interface's
// brightness, an undo or a redo.
#include "AIError.h"
#include "CouleursPanneau.h"
#include "TableauPlugIn.h"
#include "TableauSuites.h"
#include "ThemeInterface.h"

ASErr TableauPlugIn::Notify(AINotifierMessage* message)
{
    if (message->notifier == fNotifyShutdown && fNotifyShutdown != nullptr) {
        if (fResourceManager != nullptr) {
            sAIUser->DisposeCursorResourceMgr(fResourceManager);
            fResourceManager = nullptr;
        }
        return kNoErr;
    }
    if (message->notifier == fNotifySelectionChanged && fNotifySelectionChanged != nullptr) {
        // The annotations are drawn again over the whole view.
        AIRealRect bornes{0, 0, 0, 0};
        aisdk::check_ai_error(sAIDocumentView->GetDocumentViewBounds(nullptr, &bornes));
        aisdk::check_ai_error(InvalidateRect(bornes));
        return ChoisitTableauSelectionne();
    }
    if (message->notifier == fNotifyUndoRedo && fNotifyUndoRedo != nullptr)
        return RelitTableauCourant();
    if (message->notifier == fNotifyBrightnessChanged && fNotifyBrightnessChanged != nullptr) {
        const ASErr status = LitCouleursTheme();
        AppliqueCouleursTheme();
        return status;
    }
    return kNoErr;
}
