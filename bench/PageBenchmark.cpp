// What the window draws after an edit: the whole page of the current table, at the zoom that
// fits the page into the document window as it first shows (700 x 942 pixels), into a surface
// of the window's kind, in bands cut as the window cuts them. Beside the rebuild
// (BM_Reconstruction) and the edit (BM_Edition), with the same arguments: rows, columns, double
// rules (0 or 1).
#include "Reglages.h"
#include "TableauBanc.h"
#include "TableauSuites.h"

#include "BandBalance.h"

#include <cairo.h>

namespace {

constexpr int kLargeur = 700, kHauteur = 942;

void BM_DessinDeLaPage(benchmark::State& state)
{
    host::Host& hote = Hote();
    RegleLeTableau(state);
    TraceLeTableauCourant();
    const Compte compte = CompteDuTableau();
    host::DocumentView vue;
    vue.fitInto(kLargeur, kHauteur);
    cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kLargeur, kHauteur);
    host::render::BandBalance equilibre;
    for (auto _ : state)
        equilibre.measured(host::render::drawViewInBands(page, 1, hote.document(), hote.fonts(), vue,
                                                         equilibre.rows(kHauteur, host::render::bandsFor(kHauteur))));
    if (cairo_surface_status(page) != CAIRO_STATUS_SUCCESS)
        state.SkipWithError("the page was not drawn");
    cairo_surface_destroy(page);
    Rapporte(state, compte);
    sAIArt->DisposeArt(AHGroupe);
}

BENCHMARK(BM_DessinDeLaPage)->Apply(Tailles);

} // namespace
