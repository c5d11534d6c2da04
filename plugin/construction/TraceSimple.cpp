// The two shapes every element is made of, and the disposal of an element.
#include "TableauSuites.h"
#include "TableauTraces.h"
#include "Reglages.h"

namespace {

AIPathStyle* StyleDuGenre(ai_int16 kind)
{
    switch (kind) {
    case TraitLignes:
        return &StyleLignes;
    case TraitColonnes:
        return &StyleColonnes;
    case TraitCadre:
        return &StyleCadre;
    default:
        return nullptr;
    }
}

AIPathSegment Coin(AIReal h, AIReal v)
{
    return AIPathSegment{{h, v}, {h, v}, {h, v}, false};
}

} // namespace

// The host's calls made in order, up to the first that fails: its status is the path's.
template <typename... Appels>
ASErr JusquALaPremiereErreur(Appels... appels)
{
    ASErr status = kNoErr;
    ((status == kNoErr ? (void)(status = appels()) : (void)0), ...);
    return status;
}

ASErr TraceSimpleTrait(const AIPathSegment& p1, const AIPathSegment& p2, AIArtHandle& art, ai_int16 kind)
{
    if (!sAIArt->ValidArt(art, true))
        return kNoErr;
    const AIPathSegment points[2] = {{p1.p, p1.p, p1.p, p1.corner}, {p2.p, p2.p, p2.p, p2.corner}};
    const AIPathStyle* style = StyleDuGenre(kind);
    return JusquALaPremiereErreur([&] { return sAIPath->SetPathSegmentCount(art, 2); },
                                  [&] { return sAIPath->SetPathClosed(art, false); },
                                  [&] { return style != nullptr ? sAIPathStyle->SetPathStyle(art, style) : kNoErr; },
                                  [&] { return sAIPath->SetPathSegments(art, 0, 2, points); });
}

ASErr TraceRectangle(AIReal width, AIReal height, AIReal left, AIReal top, AIArtHandle& art)
{
    if (!sAIArt->ValidArt(art, true))
        return kNoErr;
    const AIPathSegment points[4] = {Coin(0, 0), Coin(width, 0), Coin(width, -height), Coin(0, -height)};
    AIRealMatrix translation;
    return JusquALaPremiereErreur([&] { return sAIPathStyle->SetPathStyle(art, &StyleCadre); },
                                  [&] { return sAIPath->SetPathCenterPointVisible(art, true); },
                                  [&] { return sAIPath->SetPathClosed(art, true); },
                                  [&] { return sAIPath->SetPathSegmentCount(art, 4); },
                                  [&] { return sAIPath->SetPathSegments(art, 0, 4, points); },
                                  [&] { return sAIRealMath->AIRealMatrixSetTranslate(&translation, left, top); },
                                  [&] { return sAITransformArt->TransformArt(art, &translation, 0, kTransformObjects); });
}

ASErr DetruitTrace(AIArtHandle& art)
{
    if (!sAIArt->ValidArt(art, true))
        return kNoErr;
    return sAIArt->DisposeArt(art);
}
