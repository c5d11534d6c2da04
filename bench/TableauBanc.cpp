#include "TableauBanc.h"

#include "JeuxDeCouleurs.h"
#include "MemoryPolicy.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

#include <cstring>
#include <memory>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

host::Host& Hote()
{
    static const std::unique_ptr<host::Host> hote = [] {
        // As varo-host keeps its freed memory, so do the benchmarks: each rebuild then meets
        // the allocator as an edit in the application does.
        script::keepFreedMemory();
        auto h = std::make_unique<host::Host>(host::HostOptions{{}, {}, std::vector<std::string>{"Bench Sans"}, {}});
        h->plugins().addInProcess("VaroTable", PluginMain, VARO_PLUGINS_DIR "/VaroTable.bundle/Resources");
        h->launch();
        return h;
    }();
    return *hote;
}

void RegleLeTableau(const benchmark::State& state)
{
    // The lines the edits of the benchmark before logged: a long session reads its log, and
    // unread lines would only crowd the heap the document lives in.
    (void)Hote().log().takeUnread();
    const bool doubles = state.range(2) != 0;
    PositionX = 20;
    PositionY = 820;
    LongueurTableau = 550;
    HauteurTableau = 800;
    NombreDeLignes = static_cast<int32_t>(state.range(0));
    NombreDeColonnes = static_cast<int32_t>(state.range(1));
    GouttiereLignes = GouttiereColonnes = doubles ? 1 : 0;
    GouttiereCadre = doubles ? 2 : 0;
    EpaisseurLignes = EpaisseurColonnes = EpaisseurCadreDeux = 0.5;
    EpaisseurCadre = 2;
    AvecSansCadre = AvecSansTitre = AvecSansTexte = true;
    std::strcpy(TitreTableau, "Quarterly figures");
    std::strcpy(TexteCase, "1 234,5");
    Corps = 6;
    NumeroPolice = KPOLICE = 0;
    InitialiseLesStyles();
    for (JeuCouleurs& jeu : JeuxCouleurs)
        jeu = JeuCouleurs{TypeGris, 50, 0, 0, 0, 0, 0, 0, 0};
    DoitRedessiner = false;
}

void TraceLeTableauCourant()
{
    TableauCree = false;
    sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe);
    Reconstruit();
    TableauCree = true; // from here on every build replaces the one before
}

ASErr Reconstruit()
{
    TraceColonnes();
    TraceLignes();
    TraceCadre();
    return TraceTextes();
}

Compte CompteDuTableau()
{
    Compte compte;
    const host::doc::Document& document = Hote().document();
    for (AIArtHandle partie : document.subtree(AHGroupe)) {
        const host::doc::Art& art = *document.art(partie);
        if (partie == AHGroupe)
            continue;
        if (art.kind == host::doc::ArtKind::Group)
            ++compte.groupes;
        else if (art.kind == host::doc::ArtKind::Path)
            ++(art.path().closed ? compte.rectangles : compte.traits);
        else
            ++compte.textes;
    }
    return compte;
}

void Rapporte(benchmark::State& state, const Compte& compte)
{
    state.counters["objects"] = static_cast<double>(compte.total());
    state.counters["per_object"] = benchmark::Counter(static_cast<double>(compte.total()),
                                                      benchmark::Counter::kIsIterationInvariantRate |
                                                          benchmark::Counter::kInvert);
}

void Tailles(benchmark::internal::Benchmark* b)
{
    for (const auto& [lignes, colonnes] : {std::pair{3, 4}, {10, 10}, {30, 30}, {100, 100}})
        for (int doubles : {0, 1})
            b->Args({lignes, colonnes, doubles});
    b->ArgNames({"rows", "cols", "double"})->Unit(benchmark::kMicrosecond);
}
