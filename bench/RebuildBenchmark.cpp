// A full rebuild of the current table (columns, rows, frame, texts) in the stand-in host, and
// beside it the host floor: the same number of paths and text frames made through the same
// suites with the same calls per object, but with no table logic (no geometry, no path
// lists, no text-engine wrappers). Both report the time per rebuild and per art object made.
//
// Arguments of both: rows, columns, double rules (0 or 1).
#include "Reglages.h"
#include "TableauBanc.h"
#include "TableauSuites.h"

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
        Hote().history().close("Table");
    }
    Rapporte(state, compte);
    sAIArt->DisposeArt(tableau);
}

BENCHMARK(BM_Reconstruction)->Apply(Tailles);
BENCHMARK(BM_PlancherDeLHote)->Apply(Tailles);

} // namespace
