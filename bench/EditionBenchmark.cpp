// A whole edit as a user makes it: a width typed into the panel's field and committed with
// Return; the toolkit hands the key to the field, the field sends its action to the plug-in,
// which stores the width and posts its key; the host answers the key with a cursor-tracking
// message, in which the tool rebuilds the current table. Beside the rebuild alone
// (BM_Reconstruction) and the host floor (BM_PlancherDeLHote), with the same arguments: rows,
// columns, double rules (0 or 1).
#include "Reglages.h"
#include "TableauBanc.h"
#include "TableauSuites.h"

#include "Driver.h"

namespace {

void BM_Edition(benchmark::State& state)
{
    host::Host& hote = Hote();
    hote.tools().select(*hote.tools().withTitle("Table Tool"));
    RegleLeTableau(state);
    TraceLeTableauCourant();
    const Compte compte = CompteDuTableau();
    ns::Window& panneau = *hote.panels().all().at(0)->window;
    // 550 points and a little more, in turn: every edit changes the table.
    const char* const largeurs[] = {"194,03", "194,05"};
    size_t edition = 0;
    for (auto _ : state) {
        const std::string saisie = ns::driver::type(panneau, "PANzoneLongueurTableau", largeurs[edition++ % 2]);
        const std::string validation = ns::driver::key(panneau, "Return");
        if (!saisie.empty() || !validation.empty() || hote.deliverPendingEvents() != 1) {
            state.SkipWithError("the edit did not reach the tool");
            break;
        }
    }
    if (CompteDuTableau().total() != compte.total())
        state.SkipWithError("the edit did not rebuild the same table");
    Rapporte(state, compte);
    sAIArt->DisposeArt(AHGroupe);
}

BENCHMARK(BM_Edition)->Apply(Tailles);

} // namespace

BENCHMARK_MAIN();
