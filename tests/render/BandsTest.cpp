// The page drawn in bands, a thread each: the same pixels wherever the bands begin and end, and
// whether paths share their style records or not.
#include "Bands.h"
#include "Documents.h"

#include <cairo.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
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

std::vector<unsigned char> picture(const Papier& p, const host::DocumentView& view, const BandRows& rows,
                                   host::render::BandTimes* drawn = nullptr)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, view.width(), view.height());
    const host::render::BandTimes times = host::render::drawViewInBands(image, 1, p.document, p.fonts, view, rows);
    if (drawn != nullptr)
        *drawn = times;
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
        const BandRows equal = host::render::equalBands(h, host::render::bandsFor(h));
        const struct {
            const char* name;
            BandRows rows;
            BandRows drawnIn;
        } cases[] = {
            {"halves", {0, h / 2, h}, {0, h / 2, h}},
            {"thirds", {0, h / 3, 2 * h / 3 + 1, h}, {0, h / 3, 2 * h / 3 + 1, h}},
            {"a thin band through the middle", {0, h / 2 - 40, h / 2 + 30, h}, {0, h / 2 - 40, h / 2 + 30, h}},
            {"three, at odd rows", {0, 97, 301, h}, {0, 97, 301, h}},
            {"four of equal heights", host::render::equalBands(h, 4), host::render::equalBands(h, 4)},
            // Not bands: drawn in equal bands, the same again.
            {"rows out of order", {0, h / 2, h / 3, h}, equal},
            {"rows beyond the picture", {0, h / 2, h + 100}, equal},
            {"no rows", {}, equal},
        };
        for (const auto& c : cases) {
            host::render::BandTimes drawn;
            EXPECT_TRUE(picture(p, view, c.rows, &drawn) == whole) << c.name;
            // The bands drawn come back with what each took.
            EXPECT_EQ(drawn.rows, c.drawnIn) << c.name;
            EXPECT_EQ(drawn.seconds.size(), drawn.rows.size() - 1) << c.name;
            EXPECT_TRUE(std::all_of(drawn.seconds.begin(), drawn.seconds.end(), [](double s) { return s > 0; }))
                << c.name;
        }
    }
}

// Rules in runs of two colours and widths taken in turn from a few style records, one dashed,
// and filled shapes between them: drawn with every path holding a record of its own, the same
// pixels as with the records shared. A run of rules is broken where the style changes, by
// record or not.
TEST(Bands, PathsSharingTheirStylesDrawAsPathsWithStylesOfTheirOwn)
{
    const auto style = [](AIColor color, AIReal width, bool dashed) {
        AIPathStyle made = PathPart().style.get();
        made.strokePaint = true;
        made.stroke.color = color;
        made.stroke.width = width;
        if (dashed) {
            made.stroke.dash.length = 2;
            made.stroke.dash.array[0] = 4;
            made.stroke.dash.array[1] = 1;
        }
        return made;
    };
    const AIPathStyle styles[] = {style(Gris(0.6f), 1, false), style(Red(), 1, false), style(Gris(0.6f), 2.5f, false),
                                  style(Gris(0.6f), 1, true)};
    const int order[] = {0, 0, 1, 0, 1, 1, 2, 0, 3, 0, 2, 2, 1, 3, 3, 0};
    Papier shared, own;
    using Record = host::doc::Shared<AIPathStyle>;
    const Record sharing[] = {Record(styles[0]), Record(styles[1]), Record(styles[2]), Record(styles[3])};
    for (Papier* p : {&shared, &own})
        for (int i = 0; i < 120; ++i) {
            const int which = order[i % std::size(order)];
            const auto y = 60 + 5.3f * static_cast<AIReal>(i);
            const bool across = i % 9 != 4;
            Art& rule = across ? p->chemin(nullptr, {{30, y}, {560, y}}, false)
                               : p->chemin(nullptr, {{y - 30, 40}, {y - 30, 700}}, false);
            if (p == &shared)
                rule.path().style = sharing[which];
            else
                rule.path().style.edit() = styles[which];
            if (i % 17 == 8) {
                Art& box = p->chemin(nullptr, {{200, y}, {260, y}, {260, y + 20}, {200, y + 20}}, true);
                box.path().style.edit().fillPaint = true;
                box.path().style.edit().fill.color = Red();
            }
        }
    ASSERT_TRUE(shared.document.art(shared.handles[1])->path().style.sharesWith(
        shared.document.art(shared.handles[0])->path().style));
    host::DocumentView view;
    ASSERT_TRUE(view.setZoom(1.3f));
    const int h = view.height();
    for (const BandRows& rows : {BandRows{0, h}, BandRows{0, h / 2, h}}) {
        const std::vector<unsigned char> drawn = picture(shared, view, rows);
        EXPECT_TRUE(drawn == picture(own, view, rows)) << rows.size() - 1 << " bands";
    }
    // And each rule in its own style: across the page, away from the boxes and the rules down
    // it, the red ones red, the grey ones grey, the wide ones wider.
    const std::vector<unsigned char> drawn = picture(shared, view, {0, h});
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, view.width());
    const auto channel = [&](int x, int y, int shift) {
        uint32_t pixel = 0;
        std::memcpy(&pixel, drawn.data() + static_cast<ptrdiff_t>(y) * stride + x * 4, 4);
        return static_cast<int>((pixel >> shift) & 0xFF);
    };
    int seen = 0;
    for (int i = 0; i < 120; ++i) {
        const int which = order[i % std::size(order)];
        const AIPoint at = view.artworkToView({450, 60 + 5.3f * static_cast<AIReal>(i)});
        if (i % 9 == 4 || which == 3 || at.h < 0 || at.h >= view.width() || at.v < 3 || at.v + 3 >= h)
            continue;
        ++seen;
        // The green taken away down the rule, in rows: a grey rule of 1 point takes about 1.3
        // of them at this zoom, one of 2.5 points about 3.3.
        int taken = 0, darkest = at.v;
        for (int y = at.v - 3; y <= at.v + 3; ++y) {
            taken += 255 - channel(at.h, y, 8);
            if (channel(at.h, y, 8) < channel(at.h, darkest, 8))
                darkest = y;
        }
        const int red = channel(at.h, darkest, 16), green = channel(at.h, darkest, 8), blue = channel(at.h, darkest, 0);
        SCOPED_TRACE(testing::Message() << "rule " << i << " in style " << which);
        if (which == 1) {
            EXPECT_GT(red - green, 40);
            continue;
        }
        EXPECT_TRUE(red == green && green == blue) << red << " " << green << " " << blue;
        const int greyRow = 255 - 102; // grey 0.6 on white
        if (which == 2)
            EXPECT_GT(taken, 3 * greyRow) << "wide";
        else
            EXPECT_LT(taken, 2 * greyRow) << "narrow";
    }
    EXPECT_GT(seen, 40) << "rules in view";
}

} // namespace
