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

ASErr TraceSimpleTrait(AIPathSegment p1, AIPathSegment p2, AIArtHandle& art, ai_int16 kind)
{
    if (!sAIArt->ValidArt(art, true))
        return kNoErr;
    ASErr status = sAIPath->SetPathSegmentCount(art, 2);
    status = sAIPath->SetPathClosed(art, false);
    p1.in = p1.out = p1.p;
    p2.in = p2.out = p2.p;
    if (const AIPathStyle* style = StyleDuGenre(kind))
        status = sAIPathStyle->SetPathStyle(art, style);
    const AIPathSegment points[2] = {p1, p2};
    status = sAIPath->SetPathSegments(art, 0, 2, points);
    return status;
}

ASErr TraceRectangle(AIReal width, AIReal height, AIReal left, AIReal top, AIArtHandle& art)
{
    if (!sAIArt->ValidArt(art, true))
        return kNoErr;
    ASErr status = sAIPathStyle->SetPathStyle(art, &StyleCadre);
    status = sAIPath->SetPathCenterPointVisible(art, true);
    const AIPathSegment points[4] = {Coin(0, 0), Coin(width, 0), Coin(width, -height), Coin(0, -height)};
    status = sAIPath->SetPathClosed(art, true);
    status = sAIPath->SetPathSegmentCount(art, 4);
    status = sAIPath->SetPathSegments(art, 0, 4, points);
    AIRealMatrix translation;
    status = sAIRealMath->AIRealMatrixSetTranslate(&translation, left, top);
    status = sAITransformArt->TransformArt(art, &translation, 0, kTransformObjects);
    return status;
}

ASErr DetruitTrace(AIArtHandle& art)
{
    if (!sAIArt->ValidArt(art, true))
        return kNoErr;
    return sAIArt->DisposeArt(art);
}
