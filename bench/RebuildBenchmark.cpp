// A full rebuild of the current table (columns, rows, frame, texts) in the stand-in host, and
// beside it the host floor: the same number of paths and text frames made through the same
// suites with the same calls per object, but with no table logic (no geometry, no path
// lists, no text-engine wrappers). Both report the time per rebuild and per art object made;
// a third takes them in turn and reports the one over the other.
//
// Arguments of both: rows, columns, double rules (0 or 1).
#include "Reglages.h"
#include "TableauBanc.h"
#include "TableauSuites.h"

#include <chrono>
#include <vector>

namespace {

void BM_Reconstruction(benchmark::State& state)
{
    RegleLeTableau(state);
    TraceLeTableauCourant();
    const Compte compte = CompteDuTableau();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Reconstruit());
        // As after each message to the tool: the rebuild becomes a step of the history.
        Hote().history().close("Table");
    }
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
// for each, and the previous ones disposed of, in a group of their own. The calls are all of
// the host's that the construction makes, finding by handle included: the table checked before
// each element is opened, each path checked before it is set, the font taken from the user's
// list.
class Plancher {
public:
    // As many objects of each kind as the table of the state's settings has.
    explicit Plancher(const benchmark::State& state)
    {
        RegleLeTableau(state);
        TableauCree = false;
        sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe);
        Reconstruit();
        compte_ = CompteDuTableau();
        sAIArt->DisposeArt(AHGroupe);
        sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &tableau_);
        gris_.kind = kGrayColor;
        gris_.c.g.gray = 0.5f;
        groupes_.assign(static_cast<size_t>(compte_.groupes), nullptr);
    }
    ~Plancher() { sAIArt->DisposeArt(tableau_); }
    Plancher(const Plancher&) = delete;
    Plancher& operator=(const Plancher&) = delete;

    const Compte& compte() const { return compte_; }

    // One pass: the objects of the last one disposed of and made anew, then a step of the
    // history closed, as after a rebuild.
    void passe()
    {
        StyleLignes.stroke.color = gris_;
        for (AIArtHandle& groupe : groupes_) {
            if (!sAIArt->ValidArt(tableau_, true))
                return;
            if (sAIArt->ValidArt(groupe, true))
                sAIArt->DisposeArt(groupe);
            sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, tableau_, &groupe);
            sAIArt->SetArtName(groupe, "Group");
        }
        AIArtHandle chemins = groupes_.front(), textes = groupes_.back();
        for (int64_t i = 0; i < compte_.traits; ++i) {
            AIArtHandle art = nullptr;
            sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, chemins, &art);
            if (!sAIArt->ValidArt(art, true))
                continue;
            sAIPath->SetPathSegmentCount(art, 2);
            sAIPath->SetPathClosed(art, false);
            sAIPathStyle->SetPathStyle(art, &StyleLignes);
            sAIPath->SetPathSegments(art, 0, 2, trait_);
        }
        for (int64_t i = 0; i < compte_.rectangles; ++i) {
            AIArtHandle art = nullptr;
            sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, chemins, &art);
            if (!sAIArt->ValidArt(art, true))
                continue;
            sAIPathStyle->SetPathStyle(art, &StyleLignes);
            sAIPath->SetPathCenterPointVisible(art, true);
            sAIPath->SetPathClosed(art, true);
            sAIPath->SetPathSegmentCount(art, 4);
            sAIPath->SetPathSegments(art, 0, 4, rectangle_);
            Deplace(art, 20, 820);
        }
        for (int64_t i = 0; i < compte_.textes; ++i) {
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
            sAIATEPaint->CreateATEApplicationPaint(&gris_, &peinture);
            sCharFeatures->SetFillColor(caracteres, peinture);
            sParaFeatures->SetLeadingType(paragraphe, kRomanLeadingType);
            sParaFeatures->SetStartIndent(paragraphe, 0);
            sParaFeatures->SetFirstLineIndent(paragraphe, 0);
            sCharFeatures->SetTracking(caracteres, 0);
            sCharFeatures->SetFontSize(caracteres, 6);
            sParaFeatures->SetJustification(paragraphe, kCenterJustify);
            sAIFont->IndexUserFontList(0, &cle);
            sAIFont->FontFromFontKey(cle, &police);
            sCharFeatures->SetFont(caracteres, police);
            sTextRange->SetLocalCharFeatures(etendue, caracteres);
            sTextRange->SetLocalParaFeatures(etendue, paragraphe);
            sTextRange->InsertAfter(etendue, texte_, -1);
            sFont->Release(police);
            sApplicationPaint->Release(peinture);
            sTextRange->Release(etendue);
            sCharFeatures->Release(caracteres);
            sParaFeatures->Release(paragraphe);
            Deplace(cadre, 100, 700);
        }
        Hote().history().close("Table");
    }

private:
    Compte compte_;
    AIArtHandle tableau_ = nullptr;
    AIColor gris_{};
    std::vector<AIArtHandle> groupes_;
    const AIPathSegment trait_[2] = {Point(10, 10), Point(200, 10)};
    const AIPathSegment rectangle_[4] = {Point(0, 0), Point(100, 0), Point(100, -50), Point(0, -50)};
    const ASUnicode texte_[6] = {'1', ' ', '2', '3', '4', 0};
};

void BM_PlancherDeLHote(benchmark::State& state)
{
    Plancher plancher(state);
    for (auto _ : state)
        plancher.passe();
    Rapporte(state, plancher.compte());
}

// Rebuilds and floor passes taken in turn in one run, so that both meet the same state of the
// memory and of the machine: `ratio` is the rebuild's time over the floor's. The two separate
// benchmarks above, a run apart, differ from one run to the next by more than the table's
// own share.
void BM_ReconstructionSurPlancher(benchmark::State& state)
{
    Plancher plancher(state);
    TraceLeTableauCourant();
    using Horloge = std::chrono::steady_clock;
    Horloge::duration reconstruction{}, plancherSeul{};
    for (auto _ : state) {
        const auto debut = Horloge::now();
        benchmark::DoNotOptimize(Reconstruit());
        Hote().history().close("Table");
        const auto milieu = Horloge::now();
        plancher.passe();
        const auto fin = Horloge::now();
        reconstruction += milieu - debut;
        plancherSeul += fin - milieu;
        state.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
    }
    const double iterations = static_cast<double>(state.iterations());
    const auto ms = [&](Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count() / iterations; };
    state.counters["rebuild_ms"] = ms(reconstruction);
    state.counters["floor_ms"] = ms(plancherSeul);
    state.counters["ratio"] = ms(reconstruction) / ms(plancherSeul);
    sAIArt->DisposeArt(AHGroupe);
}

BENCHMARK(BM_Reconstruction)->Apply(Tailles);
BENCHMARK(BM_PlancherDeLHote)->Apply(Tailles);
BENCHMARK(BM_ReconstructionSurPlancher)->Apply(Tailles)->UseManualTime();

} // namespace
