// The page drawn in bands, a thread each: the same pixels wherever the bands begin and end.
#include "Bands.h"
#include "Documents.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace {

using namespace render_test;
using host::render::BandRows;

AIColor Red()
{
    AIColor color{};
    color.kind = kThreeColor;
    color.c.rgb = {1, 0, 0};
    return color;
}

Art& text(Papier& p, AIRealPoint anchor, const std::u16string& says, AIColor fill)
{
    Art& frame = p.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr);
    frame.pointText().anchor = anchor;
    frame.pointText().text = says;
    frame.pointText().chars.size = 16;
    frame.pointText().chars.fill = fill;
    return frame;
}

// A table's worth of art over a filled frame: rules in runs broken by colour and width, cut in
// pieces that cross every band's edge, one dashed, rules that cross one another, a slanted one
// after straight ones of its stroke, rows of texts whose glyphs overlap, and overlapping texts
// with art between them that lies in another band.
void fill(Papier& p)
{
    Art& frame = p.chemin(nullptr, {{10, 50}, {600, 50}, {600, 770}, {10, 770}}, true);
    frame.path().style.edit().fillPaint = true;
    frame.path().style.edit().fill.color = Gris(0.05f);
    frame.path().style.edit().stroke.width = 3;
    for (int i = 0; i < 150; ++i) {
        const AIReal y = 80 + static_cast<AIReal>(i) * 4.3f;
        for (int k = 0; k < 6; ++k) {
            const auto left = 20.5f + 95 * static_cast<AIReal>(k);
            Art& piece = p.chemin(nullptr, {{left, y}, {left + 89.5f, y + (k == 5 ? 0.7f : 0.0f)}}, false);
            piece.path().style.edit().stroke.width = 0.4f + static_cast<AIReal>(i % 3) * 0.45f;
            piece.path().style.edit().stroke.color = i % 7 == 0 ? Red() : Gris(0.6f);
        }
    }
    for (int k = 0; k < 40; ++k) {
        const auto x = 30.25f + 14 * static_cast<AIReal>(k);
        Art& column = p.chemin(nullptr, {{x, 60}, {x, 760}}, false);
        column.path().style.edit().stroke.width = 1.3f;
        if (k == 17) {
            column.path().style.edit().stroke.dash.length = 2;
            column.path().style.edit().stroke.dash.array[0] = 3;
            column.path().style.edit().stroke.dash.array[1] = 2;
        }
    }
    // Short rules near the top, then a mesh of long ones in the same stroke, across and down
    // in turn: where two cross, whether they are stroked together shows.
    for (int i = 0; i < 100; ++i) {
        const auto x = 20 + 5.5f * static_cast<AIReal>(i);
        p.chemin(nullptr, {{x, 745}, {x + 3, 748}}, false).path().style.edit().stroke.color = Gris(0.5f);
    }
    for (int i = 0; i < 40; ++i) {
        const auto at = 15 + 14.7f * static_cast<AIReal>(i);
        p.chemin(nullptr, {{5, at + 100}, {605, at + 130}}, false).path().style.edit().stroke.color = Gris(0.5f);
        p.chemin(nullptr, {{at, 20}, {at + 9, 780}}, false).path().style.edit().stroke.color = Gris(0.5f);
    }
    // Straight rules at fractions of a point low on the page, then a slanted one of the same
    // stroke high on it.
    for (int i = 0; i < 10; ++i) {
        Art& straight = p.chemin(nullptr, {{50, 150.3f + 2.1f * static_cast<AIReal>(i)}, {150, 150.3f + 2.1f * static_cast<AIReal>(i)}}, false);
        straight.path().style.edit().stroke.color = Gris(0.45f);
        straight.path().style.edit().stroke.width = 0.6f;
    }
    Art& slanted = p.chemin(nullptr, {{50, 760}, {150, 757}}, false);
    slanted.path().style.edit().stroke.color = Gris(0.45f);
    slanted.path().style.edit().stroke.width = 0.6f;
    for (int i = 0; i < 60; ++i)
        text(p, {40 + static_cast<AIReal>(i % 4) * 130, 100 + static_cast<AIReal>(i) * 11}, u"Agé 1 234 ✓",
             i % 5 == 0 ? Red() : Gris(1));
    // Low on the page, two texts of one colour over each other, a rule high on the page between
    // them; then two more, a text of another colour high on the page between them.
    text(p, {300, 250}, u"WWWW", Gris(0.8f));
    p.chemin(nullptr, {{100, 740}, {200, 740}}, false).path().style.edit().stroke.color = Gris(0.3f);
    text(p, {302.5f, 251.5f}, u"WWWW", Gris(0.8f));
    text(p, {300, 200}, u"MMMM", Gris(0.8f));
    text(p, {100, 730}, u"other", Red());
    text(p, {302.5f, 201.5f}, u"MMMM", Gris(0.8f));
}

std::vector<unsigned char> picture(const Papier& p, const host::DocumentView& view, const BandRows& rows)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, view.width(), view.height());
    host::render::drawViewInBands(image, 1, p.document, p.fonts, view, rows);
    const unsigned char* data = cairo_image_surface_get_data(image);
    std::vector<unsigned char> bytes(data, data + static_cast<size_t>(cairo_image_surface_get_stride(image)) *
                                                     static_cast<size_t>(view.height()));
    cairo_surface_destroy(image);
    return bytes;
}

TEST(Bands, WhereverTheBandsLieThePixelsAreTheSame)
{
    Papier p, empty;
    fill(p);
    for (const AIReal zoom : {1.0f, 1.7f}) {
        SCOPED_TRACE(zoom);
        host::DocumentView view;
        ASSERT_TRUE(view.setZoom(zoom));
        const int h = view.height();
        const std::vector<unsigned char> whole = picture(p, view, {0, h});
        ASSERT_NE(whole, picture(empty, view, {0, h})) << "the art is drawn";
        const struct {
            const char* name;
            BandRows rows;
        } cases[] = {
            {"halves", {0, h / 2, h}},
            {"thirds", {0, h / 3, 2 * h / 3 + 1, h}},
            {"a thin band through the middle", {0, h / 2 - 40, h / 2 + 30, h}},
            {"three, at odd rows", {0, 97, 301, h}},
            {"four of equal heights", host::render::equalBands(h, 4)},
            // Not bands: drawn in equal bands, the same again.
            {"rows out of order", {0, h / 2, h / 3, h}},
            {"rows beyond the picture", {0, h / 2, h + 100}},
            {"no rows", {}},
        };
        for (const auto& c : cases)
            EXPECT_TRUE(picture(p, view, c.rows) == whole) << c.name;
    }
}

} // namespace
