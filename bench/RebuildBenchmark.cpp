// A full rebuild of the current table (columns, rows, frame, texts) in the stand-in host, and
// beside it the host floor: the same number of paths and text frames made through the same
// suites with the same calls per object, but with no table logic (no geometry, no path
// lists, no text-engine wrappers). Both report the time per rebuild and per art object made.
//
// Arguments of both: rows, columns, double rules (0 or 1).
#include "Host.h"
#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

namespace {

// One host with the table plug-in started, for the whole run.
host::Host& Hote()
{
    static const std::unique_ptr<host::Host> hote = [] {
        auto h = std::make_unique<host::Host>(host::HostOptions{{}, {}, std::vector<std::string>{"Bench Sans"}, {}});
        h->plugins().addInProcess("VaroTable", PluginMain);
        h->launch();
        return h;
    }();
    return *hote;
}

void RegleLeTableau(const benchmark::State& state)
{
    Hote();
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

ASErr Reconstruit()
{
    TraceColonnes();
    TraceLignes();
    TraceCadre();
    return TraceTextes();
}

struct Compte {
    int64_t groupes = 0, traits = 0, rectangles = 0, textes = 0;
    int64_t total() const { return groupes + traits + rectangles + textes; }
};

// What one rebuild of the table of these settings makes.
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
            ++(art.closed ? compte.rectangles : compte.traits);
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

void BM_Reconstruction(benchmark::State& state)
{
    RegleLeTableau(state);
    TableauCree = false;
    sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe);
    Reconstruit();
    TableauCree = true; // from here on every build replaces the one before
    const Compte compte = CompteDuTableau();
    for (auto _ : state)
        benchmark::DoNotOptimize(Reconstruit());
    Rapporte(state, compte);
    sAIArt->DisposeArt(AHGroupe);
}

AIPathSegment Point(AIReal h, AIReal v)
{
    return AIPathSegment{{h, v}, {h, v}, {h, v}, false};
}

void Deplace(AIArtHandle art, AIReal dx, AIReal dy)
{
    AIRealMatrix translation;
    sAIRealMath->AIRealMatrixSetTranslate(&translation, dx, dy);
    sAITransformArt->TransformArt(art, &translation, 0, kTransformObjects);
}

// The host's share of a rebuild: the same objects made with the calls the construction makes
// for each, and the previous ones disposed of.
void BM_PlancherDeLHote(benchmark::State& state)
{
    RegleLeTableau(state);
    TableauCree = false;
    sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe);
    Reconstruit();
    const Compte compte = CompteDuTableau();
    sAIArt->DisposeArt(AHGroupe);

    AIArtHandle tableau = nullptr;
    sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &tableau);
    AIColor gris{};
    gris.kind = kGrayColor;
    gris.c.g.gray = 0.5f;
    StyleLignes.stroke.color = gris;
    const AIPathSegment trait[2] = {Point(10, 10), Point(200, 10)};
    const AIPathSegment rectangle[4] = {Point(0, 0), Point(100, 0), Point(100, -50), Point(0, -50)};
    const ASUnicode texte[] = {'1', ' ', '2', '3', '4', 0};
    std::vector<AIArtHandle> groupes(static_cast<size_t>(compte.groupes), nullptr);

    for (auto _ : state) {
        for (AIArtHandle& groupe : groupes) {
            if (sAIArt->ValidArt(groupe, true))
                sAIArt->DisposeArt(groupe);
            sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, tableau, &groupe);
            sAIArt->SetArtName(groupe, "Group");
        }
        AIArtHandle chemins = groupes.front(), textes = groupes.back();
        for (int64_t i = 0; i < compte.traits; ++i) {
            AIArtHandle art = nullptr;
            sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, chemins, &art);
            sAIPath->SetPathSegmentCount(art, 2);
            sAIPath->SetPathClosed(art, false);
            sAIPathStyle->SetPathStyle(art, &StyleLignes);
            sAIPath->SetPathSegments(art, 0, 2, trait);
        }
        for (int64_t i = 0; i < compte.rectangles; ++i) {
            AIArtHandle art = nullptr;
            sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, chemins, &art);
            sAIPathStyle->SetPathStyle(art, &StyleLignes);
            sAIPath->SetPathCenterPointVisible(art, true);
            sAIPath->SetPathClosed(art, true);
            sAIPath->SetPathSegmentCount(art, 4);
            sAIPath->SetPathSegments(art, 0, 4, rectangle);
            Deplace(art, 20, 820);
        }
        for (int64_t i = 0; i < compte.textes; ++i) {
            AIArtHandle cadre = nullptr;
            sAITextFrame->NewPointText(kPlaceInsideOnTop, textes, kHorizontalTextOrientation, AIRealPoint{0, 0}, &cadre);
            ParaFeaturesRef paragraphe = nullptr;
            CharFeaturesRef caracteres = nullptr;
            TextRangeRef etendue = nullptr;
            ApplicationPaintRef peinture = nullptr;
            AIFontKey cle = nullptr;
            FontRef police = nullptr;
            sParaFeatures->Initialize(&paragraphe);
            sCharFeatures->Initialize(&caracteres);
            sAITextFrame->GetATETextRange(cadre, &etendue);
            sTextRange->Remove(etendue);
            sAIATEPaint->CreateATEApplicationPaint(&gris, &peinture);
            sCharFeatures->SetFillColor(caracteres, peinture);
            sParaFeatures->SetLeadingType(paragraphe, kRomanLeadingType);
            sParaFeatures->SetStartIndent(paragraphe, 0);
            sParaFeatures->SetFirstLineIndent(paragraphe, 0);
            sCharFeatures->SetTracking(caracteres, 0);
            sCharFeatures->SetFontSize(caracteres, 6);
            sParaFeatures->SetJustification(paragraphe, kCenterJustify);
            sAIFont->GetFontKeyByNumber(0, &cle);
            sAIFont->FontFromFontKey(cle, &police);
            sCharFeatures->SetFont(caracteres, police);
            sTextRange->SetLocalCharFeatures(etendue, caracteres);
            sTextRange->SetLocalParaFeatures(etendue, paragraphe);
            sTextRange->InsertAfter(etendue, texte, -1);
            sFont->Release(police);
            sApplicationPaint->Release(peinture);
            sTextRange->Release(etendue);
            sCharFeatures->Release(caracteres);
            sParaFeatures->Release(paragraphe);
            Deplace(cadre, 100, 700);
        }
    }
    Rapporte(state, compte);
    sAIArt->DisposeArt(tableau);
}

// Rows, columns, double rules.
void Tailles(benchmark::internal::Benchmark* b)
{
    for (const auto& [lignes, colonnes] : {std::pair{3, 4}, {10, 10}, {30, 30}, {100, 100}})
        for (int doubles : {0, 1})
            b->Args({lignes, colonnes, doubles});
    b->ArgNames({"rows", "cols", "double"})->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Reconstruction)->Apply(Tailles);
BENCHMARK(BM_PlancherDeLHote)->Apply(Tailles);

} // namespace

BENCHMARK_MAIN();
