// Small documents made straight in the host's model, for the export tests, and the PNGs
// they make read back.
#pragma once

#include "document/Document.h"
#include "document/Fonts.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace render_test {

using host::doc::Art;
using host::doc::ArtKind;
using host::doc::PathPart;
using host::doc::PointText;

struct Papier {
    host::doc::Document document;
    host::doc::FontList fonts{std::vector<std::string>{"Test Sans", "Test Serif"}};

    Art& nouveau(ArtKind kind, AIPaintOrder order, AIArtHandle prep, const std::string& name = "")
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(document.newArt(kind, order, prep, &made), kNoErr);
        Art& art = *document.edit(made);
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
            art.path().segments.push_back(AIPathSegment{p, p, p, false});
        art.path().closed = ferme;
        return art;
    }

    std::vector<AIArtHandle> handles;
};

// A PNG read back, each pixel as 0xRRGGBB; outside the picture 0x1000000, which is no colour.
class Png {
public:
    explicit Png(const std::filesystem::path& path) : surface_(cairo_image_surface_create_from_png(path.c_str()))
    {
        EXPECT_TRUE(ok()) << path;
    }
    ~Png() { cairo_surface_destroy(surface_); }
    Png(const Png&) = delete;
    Png& operator=(const Png&) = delete;

    bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface_); }
    int height() const { return cairo_image_surface_get_height(surface_); }
    uint32_t rgb(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width() || y >= height())
            return 0x1000000;
        uint32_t value = 0;
        const unsigned char* row = cairo_image_surface_get_data(surface_) + static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_);
        std::memcpy(&value, row + x * 4, 4);
        return value & 0xFFFFFF;
    }
    // The pixel at a point of the artboard (y upward) in a picture of it made at `scale`.
    uint32_t at(double x, double y, double scale = 1) const
    {
        return rgb(static_cast<int>(x * scale), static_cast<int>((841.89 - y) * scale));
    }

private:
    cairo_surface_t* surface_;
};

inline AIColor Gris(float g)
{
    AIColor color{};
    color.kind = kGrayColor;
    color.c.g.gray = g;
    return color;
}

} // namespace render_test
