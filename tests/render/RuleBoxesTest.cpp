// Rules stroked as boxes: the pixels cairo's stroke gives, or nothing and cairo left to stroke
// them.
#include "RuleBoxes.h"

#include "Pictures.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

namespace {

using host::render::RuleBoxes;
using Lines = std::vector<RuleBoxes::Line>;

constexpr int kWidth = 120, kHeight = 80;

struct Setting {
    const char* name;
    cairo_format_t format;
    double offsetX, offsetY; // the picture's device offset: a band of a larger one
    cairo_matrix_t matrix;   // user space to device space
    double width;            // of the stroke, in user units
    cairo_line_cap_t cap;
    double red, green, blue;
    Lines lines;
    cairo_antialias_t antialias = CAIRO_ANTIALIAS_GRAY; // as the page is drawn
};

cairo_t* contextFor(cairo_surface_t* image, const Setting& s)
{
    cairo_t* c = cairo_create(image);
    cairo_set_matrix(c, &s.matrix);
    cairo_set_source_rgb(c, s.red, s.green, s.blue);
    cairo_set_line_width(c, s.width);
    cairo_set_line_cap(c, s.cap);
    cairo_set_antialias(c, s.antialias);
    return c;
}

// Strokes the lines once by cairo and once as boxes, each over the same background; false
// where the boxes were not drawn.
bool drawBoth(const Setting& s, RuleBoxes& boxes, std::vector<unsigned char>& byCairo,
              std::vector<unsigned char>& byBoxes)
{
    bool drawn = false;
    for (int way = 0; way < 2; ++way) {
        cairo_surface_t* image = test_pictures::background(s.format, kWidth, kHeight, s.offsetX, s.offsetY);
        cairo_t* c = contextFor(image, s);
        if (way == 0) {
            for (const RuleBoxes::Line& line : s.lines) {
                cairo_move_to(c, line.x0, line.y0);
                cairo_line_to(c, line.x1, line.y1);
            }
            cairo_stroke(c);
        } else {
            drawn = boxes.stroke(c, s.lines);
        }
        cairo_destroy(c);
        (way == 0 ? byCairo : byBoxes) = test_pictures::bytesOf(image);
        cairo_surface_destroy(image);
    }
    return drawn;
}

cairo_matrix_t pageMatrix(double scale, double flip, double x0, double y0)
{
    cairo_matrix_t m;
    cairo_matrix_init(&m, scale, 0, 0, scale * flip, x0, y0);
    return m;
}

// A table's rules: rows and columns of lines `step` apart from the origin, each rule drawn
// again `twin` further on where they are double, in cells, as a table's are.
Lines table(int rows, int columns, double step, double twin)
{
    Lines lines;
    for (double shift : twin != 0 ? std::vector<double>{0, twin} : std::vector<double>{0}) {
        for (int r = 0; r <= rows; ++r)
            for (int k = 0; k < columns; ++k)
                lines.push_back({k * step, r * step + shift, (k + 1) * step, r * step + shift});
        for (int k = 0; k <= columns; ++k)
            for (int r = 0; r < rows; ++r)
                lines.push_back({k * step + shift, r * step, k * step + shift, (r + 1) * step});
    }
    return lines;
}

void expectCairosPixels(const Setting& s, RuleBoxes& boxes)
{
    std::vector<unsigned char> byCairo, byBoxes;
    ASSERT_TRUE(drawBoth(s, boxes, byCairo, byBoxes)) << "drawn as boxes";
    cairo_surface_t* blank = test_pictures::background(s.format, kWidth, kHeight, s.offsetX, s.offsetY);
    EXPECT_NE(byCairo, test_pictures::bytesOf(blank)) << "the rules show";
    cairo_surface_destroy(blank);
    EXPECT_EQ(test_pictures::differing(byCairo, byBoxes), 0u);
}

TEST(RuleBoxes, GiveThePixelsCairosStrokeGives)
{
    const Setting settings[] = {
        {"a table's rules on halves of pixels, the page upside down", CAIRO_FORMAT_RGB24, 0, 0,
         pageMatrix(1.5, -1, 5.25, 75.5), 1, CAIRO_LINE_CAP_BUTT, 0, 0, 0, table(4, 6, 11, 0)},
        {"double rules crossing, in a band cut through them", CAIRO_FORMAT_RGB24, 0, -23, pageMatrix(1.17, -1, 3, 100),
         0.6, CAIRO_LINE_CAP_BUTT, 0.2, 0.4, 0.8, table(7, 9, 10, 1.1)},
        {"square ends reaching into other pixels", CAIRO_FORMAT_ARGB32, 0, 0, pageMatrix(1.9, 1, 2.3, 1.7), 1.3,
         CAIRO_LINE_CAP_SQUARE, 0.9, 0.1, 0.3, {{3.3, 4.1, 30.7, 4.1}, {10.2, 9, 10.2, 35.5}, {52, 20, 40.05, 20},
                                                {45, 30, 45, 12}, {46.1, 3, 46.1, 10.2}}},
        {"strokes wider than pixels over one another", CAIRO_FORMAT_RGB24, 0, 0, pageMatrix(2.3, 1, 0.4, 0.6), 3.7,
         CAIRO_LINE_CAP_BUTT, 0.5, 0.5, 0.5,
         {{3, 5, 40, 5}, {3, 6.3, 40, 6.3}, {10, 1, 10, 30}, {11.2, 2, 11.2, 28}, {40, 5, 3, 5}}},
        {"rules reaching far beyond the picture", CAIRO_FORMAT_RGB24, 0, 0, pageMatrix(3, -1, 0, 80), 2,
         CAIRO_LINE_CAP_SQUARE, 0.1, 0.6, 0.2, {{-1e5, 10.1, 1e5, 10.1}, {20.3, -1e5, 20.3, 1e5}, {-1e5, 40, -9e4, 40}}},
        {"the thinnest stroke drawn", CAIRO_FORMAT_RGB24, 0, 0, pageMatrix(0.5, 1, 0.3, 0.2), RuleBoxes::kThinnest / 0.5,
         CAIRO_LINE_CAP_BUTT, 0, 0, 0, table(6, 8, 25.7, 0)},
        // Ends and half widths on halves of 1/256 of a pixel, which cairo rounds to even.
        {"ends and half a width rounded down to even, the page upside down", CAIRO_FORMAT_RGB24, 0, 0,
         pageMatrix(1, -1, 0, 80), 1 + 1.0 / 256, CAIRO_LINE_CAP_SQUARE, 0, 0, 0,
         {{5 + 1.0 / 512, 10 + 1.0 / 512, 60 + 1.0 / 512, 10 + 1.0 / 512},
          {20 + 1.0 / 512, 20 + 1.0 / 512, 20 + 1.0 / 512, 50 + 1.0 / 512}}},
        {"ends and half a width rounded up to even, the page upside down", CAIRO_FORMAT_RGB24, 0, 0,
         pageMatrix(1, -1, 0, 80), 1 + 3.0 / 256, CAIRO_LINE_CAP_SQUARE, 0, 0, 0,
         {{5 + 3.0 / 512, 10 + 3.0 / 512, 60 + 3.0 / 512, 10 + 3.0 / 512},
          {20 + 3.0 / 512, 20 + 3.0 / 512, 20 + 3.0 / 512, 50 + 3.0 / 512}}},
        {"a picture moved left and up by whole pixels, in cairo's own antialiasing", CAIRO_FORMAT_RGB24, -7, -31,
         pageMatrix(1, 1, 0.3, 0.7), 1, CAIRO_LINE_CAP_BUTT, 0.3, 0.3, 0.9, table(8, 10, 10.4, 1.5),
         CAIRO_ANTIALIAS_DEFAULT},
    };
    RuleBoxes boxes; // kept from one picture to the next, as a painter keeps it for a page
    for (const Setting& s : settings) {
        SCOPED_TRACE(s.name);
        expectCairosPixels(s, boxes);
    }
}

// Cairo rounds each end, half the stroke and each pixel's coverage in its own way: many
// scales, places and widths, drawn from a fixed seed.
TEST(RuleBoxes, GiveThePixelsCairosStrokeGivesAtAnyScaleWidthAndPlace)
{
    std::mt19937 random(20261211);
    const auto unit = [&random] { return random() / 4294967296.0; };
    RuleBoxes boxes;
    for (int trial = 0; trial < 300; ++trial) {
        // Drawn one at a time, so that the seed gives the same settings under any compiler.
        const double scale = 0.3 + unit() * (trial % 3 == 0 ? 12 : 2);
        const double offsetX = -std::floor(unit() * 5), offsetY = -std::floor(unit() * 20);
        const double moveX = unit() * 20 - 5, moveY = (trial % 2 == 0 ? 80 : 0) + unit() * 10;
        const double width = (RuleBoxes::kThinnest + unit() * 3) / scale;
        const double red = unit(), green = unit(), blue = trial % 5 == 0 ? 1 : unit();
        Setting s{"", trial % 3 == 0 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, offsetX, offsetY,
                  pageMatrix(scale, trial % 2 == 0 ? -1 : 1, moveX, moveY), width,
                  trial % 4 == 0 ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_BUTT, red, green, blue, {}};
        const int count = 1 + static_cast<int>(unit() * 12);
        for (int i = 0; i < count; ++i) {
            const double x = (unit() * 140 - 10) / scale;
            const double y = (unit() * 100 - 10) / scale;
            double length = (0.5 + unit() * 40) / scale;
            if (unit() < 0.5)
                length = -length;
            s.lines.push_back(unit() < 0.5 ? RuleBoxes::Line{x, y, x + length, y} : RuleBoxes::Line{x, y, x, y + length});
        }
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        std::vector<unsigned char> byCairo, byBoxes;
        ASSERT_TRUE(drawBoth(s, boxes, byCairo, byBoxes));
        EXPECT_EQ(test_pictures::differing(byCairo, byBoxes), 0u);
    }
}

TEST(RuleBoxes, LeaveToCairoWhatTheyCannotDrawAsItDoes)
{
    const struct {
        const char* name;
        Lines lines;
        std::function<void(cairo_t*)> setUp;
    } cases[] = {
        {"a line neither level nor plumb", {{5, 5, 40, 9}}, [](cairo_t*) {}},
        {"a line of no length", {{5, 5, 40, 5}, {20, 20, 20, 20}}, [](cairo_t*) {}},
        {"round ends", {{5, 5, 40, 5}}, [](cairo_t* c) { cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND); }},
        {"round joins", {{5, 5, 40, 5}}, [](cairo_t* c) { cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND); }},
        {"a miter limit that bevels right angles", {{5, 5, 40, 5}}, [](cairo_t* c) { cairo_set_miter_limit(c, 1.2); }},
        {"dashes", {{5, 5, 40, 5}},
         [](cairo_t* c) {
             const double dashes[] = {2, 1};
             cairo_set_dash(c, dashes, 2, 0);
         }},
        {"antialiasing turned off", {{5, 5, 40, 5}}, [](cairo_t* c) { cairo_set_antialias(c, CAIRO_ANTIALIAS_NONE); }},
        {"the page turned a quarter, its rules still along the pixels", {{5, 5, 40, 5}},
         [](cairo_t* c) { cairo_rotate(c, std::numbers::pi / 2); }},
        {"scaled unlike across and down", {{5, 5, 40, 5}}, [](cairo_t* c) { cairo_scale(c, 1, 1.5); }},
        {"thinner than the thinnest drawn", {{5, 5, 40, 5}},
         [](cairo_t* c) { cairo_set_line_width(c, RuleBoxes::kThinnest / 1.5 * 0.99); }},
        {"a translucent colour", {{5, 5, 40, 5}}, [](cairo_t* c) { cairo_set_source_rgba(c, 0, 0, 0, 0.5); }},
        {"a clip", {{5, 5, 40, 5}},
         [](cairo_t* c) {
             cairo_rectangle(c, 10, 2, 20, 20);
             cairo_clip(c);
         }},
        {"a point too far out", {{5, 5, 40, 5}, {5, 9, 1e7, 9}}, [](cairo_t*) {}},
        {"a point not a number", {{5, 5, 40, 5}, {5, NAN, 40, NAN}}, [](cairo_t*) {}},
        {"a tolerance coarser than the stroke, which cairo then strokes or not", {{5, 5, 40, 5}},
         [](cairo_t* c) {
             cairo_set_tolerance(c, 1);
             cairo_set_line_width(c, 0.8 / 1.5);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cairo_surface_t* image = test_pictures::background(CAIRO_FORMAT_RGB24, kWidth, kHeight, 0, 0);
        const std::vector<unsigned char> before = test_pictures::bytesOf(image);
        cairo_t* cr = contextFor(image, {"", CAIRO_FORMAT_RGB24, 0, 0, pageMatrix(1.5, 1, 0, 0), 1, CAIRO_LINE_CAP_BUTT,
                                         0, 0, 0, {}});
        c.setUp(cr);
        RuleBoxes boxes;
        EXPECT_FALSE(boxes.stroke(cr, c.lines));
        cairo_destroy(cr);
        EXPECT_EQ(test_pictures::bytesOf(image), before) << "nothing drawn";
        cairo_surface_destroy(image);
    }
}

// Nothing of the rules on the picture: nothing drawn, and nothing left to cairo.
TEST(RuleBoxes, DrawNothingOfRulesOffThePicture)
{
    for (const Lines& lines : {Lines{}, Lines{{-50, 5, -10, 5}, {500, -40, 500, 90}}}) {
        cairo_surface_t* image = test_pictures::background(CAIRO_FORMAT_RGB24, kWidth, kHeight, 0, 0);
        const std::vector<unsigned char> before = test_pictures::bytesOf(image);
        cairo_t* cr = contextFor(image, {"", CAIRO_FORMAT_RGB24, 0, 0, pageMatrix(1.5, 1, 0, 0), 1,
                                         CAIRO_LINE_CAP_BUTT, 0, 0, 0, {}});
        RuleBoxes boxes;
        EXPECT_TRUE(boxes.stroke(cr, lines));
        cairo_destroy(cr);
        EXPECT_EQ(test_pictures::bytesOf(image), before);
        cairo_surface_destroy(image);
    }
}

} // namespace
