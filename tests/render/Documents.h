// Small documents made straight in the host's model, for the export tests.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace render_test {

using host::doc::Art;
using host::doc::ArtKind;

struct Papier {
    host::doc::Document document;
    host::doc::FontList fonts{std::vector<std::string>{"Test Sans", "Test Serif"}};

    Art& nouveau(ArtKind kind, AIPaintOrder order, AIArtHandle prep, const std::string& name = "")
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(document.newArt(kind, order, prep, &made), kNoErr);
        Art& art = *document.art(made);
        art.name = name;
        handles.push_back(made);
        return art;
    }
    AIArtHandle dernier() const { return handles.back(); }

    // A straight path through the points, painted as given.
    Art& chemin(AIArtHandle groupe, std::vector<AIRealPoint> points, bool ferme, const std::string& name = "")
    {
        Art& art = nouveau(ArtKind::Path, groupe ? kPlaceInsideOnTop : kPlaceAboveAll, groupe, name);
        for (const AIRealPoint& p : points)
            art.segments.push_back(AIPathSegment{p, p, p, false});
        art.closed = ferme;
        return art;
    }

    std::vector<AIArtHandle> handles;
};

inline AIColor Gris(float g)
{
    AIColor color{};
    color.kind = kGrayColor;
    color.c.g.gray = g;
    return color;
}

} // namespace render_test
