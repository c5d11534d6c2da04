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
#include "UnicodeString.h"

#include <chrono>
#include <string>
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

// The host's share of a rebuild: the table's objects made again, group by group and in the
// same order, with the calls the construction makes for each, the previous group disposed of
// before its successor is made. The calls are all of the host's that the construction makes,
// finding by handle included: the table checked before each element is opened, each path
// checked before it is set, the font taken from the user's list. The texts are the table's,
// since what the host stores and copies grows with them.
class Plancher {
public:
    // The sub-groups and objects of the table of the state's settings.
    explicit Plancher(const benchmark::State& state)
    {
        RegleLeTableau(state);
        TableauCree = false;
        sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe);
        Reconstruit();
        compte_ = CompteDuTableau();
        const host::doc::Document& document = Hote().document();
        for (AIArtHandle sousGroupe : document.art(AHGroupe)->children) {
            const host::doc::Art& groupe = *document.art(sousGroupe);
            Groupe& copie = groupes_.emplace_back();
            copie.titre = groupe.name == "Title";
            for (AIArtHandle enfant : groupe.children) {
                const host::doc::Art& art = *document.art(enfant);
                copie.contenu.push_back(art.kind != host::doc::ArtKind::Path ? Genre::Texte
                                        : art.path().closed                         ? Genre::Rectangle
                                                                             : Genre::Trait);
            }
        }
        sAIArt->DisposeArt(AHGroupe);
        sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &tableau_);
        titre_ = ai::UnicodeString(TitreTableau).utf16();
        case_ = ai::UnicodeString(TexteCase).utf16();
        gris_.kind = kGrayColor;
        gris_.c.g.gray = 0.5f;
    }
    ~Plancher() { sAIArt->DisposeArt(tableau_); }
    Plancher(const Plancher&) = delete;
    Plancher& operator=(const Plancher&) = delete;

    const Compte& compte() const { return compte_; }

    // One pass: each group of the last one disposed of and made anew with its objects, then a
    // step of the history closed, as after a rebuild.
    void passe()
    {
        StyleLignes.stroke.color = gris_;
        for (Groupe& groupe : groupes_) {
            if (!sAIArt->ValidArt(tableau_, true))
                return;
            if (sAIArt->ValidArt(groupe.art, true))
                sAIArt->DisposeArt(groupe.art);
            sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, tableau_, &groupe.art);
            sAIArt->SetArtName(groupe.art, "Group");
            const std::u16string& texte = groupe.titre ? titre_ : case_;
            for (Genre genre : groupe.contenu) {
                if (genre == Genre::Trait)
                    trait(groupe.art);
                else if (genre == Genre::Rectangle)
                    rectangle(groupe.art);
                else
                    cadreDeTexte(groupe.art, texte);
            }
        }
        Hote().history().close("Table");
    }

private:
    enum class Genre : uint8_t { Trait, Rectangle, Texte };
    struct Groupe {
        std::vector<Genre> contenu; // in paint order
        bool titre = false;         // its texts are the title
        AIArtHandle art = nullptr;
    };

    void trait(AIArtHandle groupe)
    {
        AIArtHandle art = nullptr;
        sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, groupe, &art);
        if (!sAIArt->ValidArt(art, true))
            return;
        sAIPath->SetPathSegmentCount(art, 2);
        sAIPath->SetPathClosed(art, false);
        sAIPathStyle->SetPathStyle(art, &StyleLignes);
        sAIPath->SetPathSegments(art, 0, 2, trait_);
    }

    void rectangle(AIArtHandle groupe)
    {
        AIArtHandle art = nullptr;
        sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, groupe, &art);
        if (!sAIArt->ValidArt(art, true))
            return;
        sAIPathStyle->SetPathStyle(art, &StyleLignes);
        sAIPath->SetPathCenterPointVisible(art, true);
        sAIPath->SetPathClosed(art, true);
        sAIPath->SetPathSegmentCount(art, 4);
        sAIPath->SetPathSegments(art, 0, 4, rectangle_);
        Deplace(art, 20, 820);
    }

    void cadreDeTexte(AIArtHandle groupe, const std::u16string& texte)
    {
        AIArtHandle cadre = nullptr;
        sAITextFrame->NewPointText(kPlaceInsideOnTop, groupe, kHorizontalTextOrientation, AIRealPoint{0, 0}, &cadre);
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
        sTextRange->InsertAfter(etendue, reinterpret_cast<const ASUnicode*>(texte.c_str()), -1);
        sFont->Release(police);
        sApplicationPaint->Release(peinture);
        sTextRange->Release(etendue);
        sCharFeatures->Release(caracteres);
        sParaFeatures->Release(paragraphe);
        Deplace(cadre, 100, 700);
    }

    Compte compte_;
    AIArtHandle tableau_ = nullptr;
    AIColor gris_{};
    std::vector<Groupe> groupes_;
    std::u16string titre_, case_;
    const AIPathSegment trait_[2] = {Point(10, 10), Point(200, 10)};
    const AIPathSegment rectangle_[4] = {Point(0, 0), Point(100, 0), Point(100, -50), Point(0, -50)};
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
