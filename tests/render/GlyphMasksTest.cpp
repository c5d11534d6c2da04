// Glyphs drawn from masks of their own: the pixels cairo's glyph drawing gives, or nothing and
// cairo left to draw them.
#include "GlyphMasks.h"

#include "Pictures.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using host::render::GlyphMasks;

constexpr int kWidth = 160, kHeight = 90;

cairo_surface_t* background(cairo_format_t format, double offsetY)
{
    return test_pictures::background(format, kWidth, kHeight, 0, offsetY);
}

using test_pictures::bytesOf;

struct Texts {
    std::vector<std::pair<std::string, std::pair<double, double>>> lines; // each at its origin
};

// The glyphs of the lines, in the context's font, each line from its origin in user space.
std::vector<cairo_glyph_t> glyphsOf(cairo_t* c, const Texts& texts)
{
    std::vector<cairo_glyph_t> all;
    for (const auto& [text, origin] : texts.lines) {
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(c), origin.first, origin.second, text.c_str(),
                                         static_cast<int>(text.size()), &glyphs, &count, nullptr, nullptr, nullptr);
        all.insert(all.end(), glyphs, glyphs + count);
        cairo_glyph_free(glyphs);
    }
    return all;
}

struct Setting {
    const char* name;
    cairo_format_t format;
    double offsetY;        // the picture's device offset: a band of a larger one
    cairo_matrix_t matrix; // user space to device space
    double size;           // of the type, in user units
    Texts texts;
};

// Draws the texts once by cairo and once from masks, each over the same background.
void drawBoth(const Setting& s, std::vector<unsigned char>& byCairo, std::vector<unsigned char>& byMasks, bool& shown,
              GlyphMasks& masks)
{
    for (int way = 0; way < 2; ++way) {
        cairo_surface_t* image = background(s.format, s.offsetY);
        cairo_t* c = cairo_create(image);
        cairo_set_matrix(c, &s.matrix);
        cairo_select_font_face(c, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(c, s.size);
        cairo_set_source_rgb(c, 0.2, 0.55, 0.9);
        const std::vector<cairo_glyph_t> glyphs = glyphsOf(c, s.texts);
        if (way == 0)
            cairo_show_glyphs(c, glyphs.data(), static_cast<int>(glyphs.size()));
        else
            shown = masks.show(c, glyphs.data(), static_cast<int>(glyphs.size()));
        cairo_destroy(c);
        (way == 0 ? byCairo : byMasks) = bytesOf(image);
        cairo_surface_destroy(image);
    }
}

cairo_matrix_t Scaled(double x, double y)
{
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, x, y);
    return m;
}

cairo_matrix_t Moved(double x, double y)
{
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, x, y);
    return m;
}

TEST(GlyphMasks, GiveThePixelsCairosGlyphDrawingGives)
{
    const Setting settings[] = {
        {"one line, whole pixels", CAIRO_FORMAT_RGB24, 0, Scaled(1, 1.0000001), 12, {{{"Text", {10, 20}}}}},
        {"positions on the halves, upside down as the page sets texts", CAIRO_FORMAT_RGB24, 0, Scaled(1.5, -1.5), 9,
         {{{"Agé 1 234", {3.5 / 1.5, -20.5 / 1.5}}, {"Title", {-2.25, -40}}, {"x", {51.0 / 3, -10}}}}},
        {"glyphs over one another, a band's picture cut through them", CAIRO_FORMAT_RGB24, -37, Scaled(1.12, 1.12), 14,
         {{{"WWWW", {5, 40}}, {"WWWW", {6.25, 41.5}}, {"MMMM", {8, 30}}, {"WAVE fifi", {-4.3, 35.7}}}}},
        {"on the halves left of and above the picture: its top cuts through the descenders", CAIRO_FORMAT_RGB24, -40,
         Scaled(2, 2), 8, {{{"gjpqy gjpqy", {-1.25, 19.75}}}}},
        {"device space only moved, by halves, in a band", CAIRO_FORMAT_RGB24, -37, Moved(0.5, 10.25), 12,
         {{{"Moved", {-3, 30.25}}, {"Moved", {20.5, 45.5}}, {"gjpqy", {60.25, 26.5}}}}},
        {"device space itself", CAIRO_FORMAT_ARGB32, 0, Moved(0, 0), 10, {{{"Itself", {2.5, 12.5}}}}},
        {"a picture with its own opacity", CAIRO_FORMAT_ARGB32, 0, Scaled(2, 2), 7,
         {{{"Prix 12,50", {1.3, 12.8}}, {"Prix", {40.5, 30.5}}}}},
        {"cut by the edges", CAIRO_FORMAT_ARGB32, -5, Scaled(1.7, 1.7), 11,
         {{{"Cut text", {-10, 10}}, {"edge", {60, -20}}, {"foot", {30, 58}}}}},
        {"more glyphs in a font read before", CAIRO_FORMAT_RGB24, 0, Scaled(1, 1.0000001), 12,
         {{{"Tex", {10, 20}}, {"Quick brown fox", {4.5, 50}}}}},
        {"a hundred texts, many cut", CAIRO_FORMAT_RGB24, 11, Scaled(1.3, 1.3), 5, [] {
             Texts many;
             for (int i = 0; i < 100; ++i)
                 many.lines.push_back({"Text", {(i % 10) * 12.7 - 3, (i / 10) * 7.3 - 1}});
             return many;
         }()},
    };
    GlyphMasks masks; // kept from one picture to the next, as a painter keeps it for a page
    for (int pass = 0; pass < 2; ++pass)
        for (const Setting& s : settings) {
            SCOPED_TRACE(testing::Message() << s.name << (pass == 0 ? "" : ", its masks read before"));
            std::vector<unsigned char> byCairo, byMasks;
            bool shown = false;
            drawBoth(s, byCairo, byMasks, shown, masks);
            ASSERT_TRUE(shown) << "drawn from masks";
            cairo_surface_t* blank = background(s.format, s.offsetY);
            EXPECT_NE(byCairo, bytesOf(blank)) << "the texts show";
            cairo_surface_destroy(blank);
            EXPECT_EQ(test_pictures::differing(byCairo, byMasks), 0u);
        }
}

TEST(GlyphMasks, LeaveToCairoWhatTheyCannotDrawAsItDoes)
{
    const struct {
        const char* name;
        cairo_format_t format;
        double offsetY;
        void (*setUp)(cairo_t*);
    } cases[] = {
        {"a picture of alpha alone", CAIRO_FORMAT_A8, 0, [](cairo_t*) {}},
        {"a band a fraction of a pixel down", CAIRO_FORMAT_RGB24, -3.5, [](cairo_t*) {}},
        {"type too large", CAIRO_FORMAT_RGB24, 0, [](cairo_t* c) { cairo_set_font_size(c, 200); }},
        {"a clip", CAIRO_FORMAT_RGB24, 0,
         [](cairo_t* c) {
             cairo_rectangle(c, 10, 10, 50, 30);
             cairo_clip(c);
         }},
        {"a clip of two corners, its extents the whole picture", CAIRO_FORMAT_RGB24, 0,
         [](cairo_t* c) {
             cairo_rectangle(c, 0, 0, 20, 20);
             cairo_rectangle(c, 90, 50, 20, 20);
             cairo_clip(c);
         }},
        {"type turned", CAIRO_FORMAT_RGB24, 0, [](cairo_t* c) { cairo_rotate(c, 0.3); }},
        {"metrics not fitted to the pixels", CAIRO_FORMAT_RGB24, 0,
         [](cairo_t* c) {
             cairo_font_options_t* options = cairo_font_options_create();
             cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
             cairo_set_font_options(c, options);
             cairo_font_options_destroy(options);
         }},
        {"a font moved by its own matrix", CAIRO_FORMAT_RGB24, 0,
         [](cairo_t* c) {
             cairo_matrix_t moved;
             cairo_matrix_init(&moved, 12, 0, 0, 12, 0.5, 0);
             cairo_set_font_matrix(c, &moved);
         }},
        {"another operator", CAIRO_FORMAT_RGB24, 0, [](cairo_t* c) { cairo_set_operator(c, CAIRO_OPERATOR_ADD); }},
        {"a gradient", CAIRO_FORMAT_RGB24, 0,
         [](cairo_t* c) {
             cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 50, 0);
             cairo_pattern_add_color_stop_rgb(gradient, 0, 1, 0, 0);
             cairo_pattern_add_color_stop_rgb(gradient, 1, 0, 0, 1);
             cairo_set_source(c, gradient);
             cairo_pattern_destroy(gradient);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cairo_surface_t* image = c.format == CAIRO_FORMAT_A8 ? cairo_image_surface_create(c.format, kWidth, kHeight)
                                                             : background(c.format, c.offsetY);
        const std::vector<unsigned char> before = bytesOf(image);
        cairo_t* cr = cairo_create(image);
        cairo_scale(cr, 1.5, 1.5);
        cairo_set_font_size(cr, 12);
        cairo_set_source_rgb(cr, 0, 0, 0);
        c.setUp(cr);
        const std::vector<cairo_glyph_t> glyphs = glyphsOf(cr, {{{"Text", {5, 40}}}});
        GlyphMasks masks;
        EXPECT_FALSE(masks.show(cr, glyphs.data(), static_cast<int>(glyphs.size())));
        cairo_destroy(cr);
        EXPECT_EQ(bytesOf(image), before) << "nothing drawn";
        cairo_surface_destroy(image);
    }
}

} // namespace
