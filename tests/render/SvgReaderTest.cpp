// The host's own SVG read back: the same document, written again byte for byte.
#include "Documents.h"
#include "Svg.h"
#include "SvgReader.h"
#include "SvgValues.h"
#include "Tree.h"
#include "Numbers.h"
#include "TestFolder.h"

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>

namespace render_test {
namespace {

using host::doc::Document;
using host::doc::FontList;
using host::render::readSvg;

AIColor Rgb(float r, float g, float b)
{
    AIColor color{};
    color.kind = kThreeColor;
    color.c.rgb = {r, g, b};
    return color;
}

AIColor Cmyk(float c, float m, float y, float k)
{
    AIColor color{};
    color.kind = kFourColor;
    color.c.f = {c, m, y, k};
    return color;
}

AIPathSegment Point(float h, float v)
{
    return {{h, v}, {h, v}, {h, v}, true};
}

AIPathSegment Smooth(AIRealPoint in, AIRealPoint p, AIRealPoint out)
{
    return {p, in, out, false};
}

// A drawing built in the model, art added to any layer or group.
struct Dessin : Papier {
    AILayerHandle layer(const std::string& title, bool visible = true, bool editable = true)
    {
        AILayerHandle made = nullptr;
        EXPECT_EQ(document.insertLayer(nullptr, kPlaceAboveAll, &made), kNoErr);
        auto* held = document.editLayer(made);
        held->title = title;
        held->visible = visible;
        held->editable = editable;
        return made;
    }
    AIArtHandle groupOf(AILayerHandle layer) const { return document.layer(layer)->group; }
    AIArtHandle bottom() const { return groupOf(document.layers().back()); }

    Art& add(ArtKind kind, AIArtHandle into, const std::string& name = "")
    {
        AIArtHandle made = nullptr;
        EXPECT_EQ(document.newArt(kind, kPlaceInsideOnTop, into, &made), kNoErr);
        handles.push_back(made);
        Art& art = *document.edit(made);
        art.name = name;
        return art;
    }
    Art& path(AIArtHandle into, std::vector<AIPathSegment> segments, bool closed, const std::string& name = "")
    {
        Art& art = add(ArtKind::Path, into, name);
        art.path().segments = std::move(segments);
        art.path().closed = closed;
        art.path().style = Document::defaultPathStyle();
        return art;
    }
    Art& text(AIArtHandle into, std::u16string content, AIRealPoint anchor, const std::string& name = "")
    {
        Art& art = add(ArtKind::Text, into, name);
        art.pointText().text = std::move(content);
        art.pointText().anchor = anchor;
        art.pointText().chars.font = 0;
        art.pointText().chars.size = 12;
        art.pointText().chars.fill = Gris(1);
        art.pointText().paras.justification = kLeftJustify;
        return art;
    }
};

struct Drawing {
    const char* name;
    std::function<void(Dessin&)> make;
};

const Drawing kDrawings[] = {
    {"layers hidden, locked, titled with quotes and empty",
     [](Dessin& d) {
         d.document.editLayer(d.document.layers().front())->title = "Base \"quoted\" & <b> 'it'";
         d.path(d.bottom(), {Point(0, 0), Point(10, 10)}, false);
         d.layer("Hidden", false);
         d.path(d.groupOf(d.document.layers().front()), {Point(1, 2), Point(3, 4)}, false);
         d.layer("Locked", true, false);
         d.path(d.groupOf(d.document.layers().front()), {Point(5, 6), Point(7, 8)}, false);
         d.layer("Hidden and locked", false, false);
         d.layer("");
         d.layer("Layer 1");
     }},
    {"groups nested, named and empty",
     [](Dessin& d) {
         const AIArtHandle outer = (d.add(ArtKind::Group, d.bottom(), "Table \"A\" été ✓"), d.dernier());
         const AIArtHandle middle = (d.add(ArtKind::Group, outer, "a'b\"c<d>&e"), d.dernier());
         const AIArtHandle inner = (d.add(ArtKind::Group, middle), d.dernier());
         d.path(inner, {Point(0, 0), Point(1, 1)}, false, "deep");
         d.add(ArtKind::Group, middle, "empty");
         d.add(ArtKind::Group, outer);
         const AIArtHandle holder = (d.add(ArtKind::Group, d.bottom(), "holds an empty group"), d.dernier());
         d.add(ArtKind::Group, holder);
         d.path(d.bottom(), {Point(2, 2), Point(3, 3)}, false, "after the groups");
     }},
    {"paths straight and curved, open and closed",
     [](Dessin& d) {
         d.path(d.bottom(), {Point(0, 0), Point(100, 0), Point(100, -50)}, false, "open");
         d.path(d.bottom(), {Point(0, 0), Point(10, 0), Point(10, 10), Point(0, 10)}, true, "closed");
         d.path(d.bottom(), {Smooth({0, 0}, {0, 0}, {5, 10}), Smooth({15, 10}, {20, 0}, {25, -10}), Point(40, 0)}, false,
                "open curve");
         d.path(d.bottom(), {Smooth({-5, 5}, {0, 0}, {0, 0}), Point(10, 0), Smooth({10, 0}, {10, 10}, {12, 14})}, true,
                "closed by a curve");
         d.path(d.bottom(), {Smooth({0, 0}, {0, 0}, {3, 3}), Smooth({7, 3}, {10, 0}, {10, 0}), Point(5, -5)}, true,
                "curved inside, closed straight");
         d.path(d.bottom(), {Point(0, 0), Smooth({0.5f, 0.5f}, {1, 1}, {1, 1})}, false, "only the way in curves");
         d.path(d.bottom(), {Point(3, 3), Point(3, 3)}, true, "two points on one");
     }},
    {"fills, strokes and colours as held",
     [](Dessin& d) {
         Art& evenodd = d.path(d.bottom(), {Point(0, 0), Point(10, 0), Point(5, 8)}, true, "even-odd gray");
         evenodd.path().style.edit().fillPaint = true;
         evenodd.path().style.edit().fill.color = Gris(0.25f);
         evenodd.path().style.edit().evenodd = true;
         evenodd.path().style.edit().stroke.color = Rgb(1, 0, 0.5f);
         Art& cmyk = d.path(d.bottom(), {Point(0, 0), Point(10, 0), Point(5, 8)}, true, "cmyk fill, no stroke");
         cmyk.path().style.edit().fillPaint = true;
         cmyk.path().style.edit().fill.color = Cmyk(0.1f, 0.6f, 0.9f, 0.05f);
         cmyk.path().style.edit().strokePaint = false;
         Art& rgb = d.path(d.bottom(), {Point(0, 0), Point(10, 0)}, false, "rgb fill, cmyk stroke");
         rgb.path().style.edit().fillPaint = true;
         rgb.path().style.edit().fill.color = Rgb(0.123456789f, 0.5f, 1);
         rgb.path().style.edit().stroke.color = Cmyk(0, 0, 0, 1);
         rgb.path().style.edit().stroke.width = 0.25f;
         Art& nothing = d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, false, "neither");
         nothing.path().style.edit().strokePaint = false;
         Art& white = d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, false, "white gray, wide");
         white.path().style.edit().stroke.color = Gris(0);
         white.path().style.edit().stroke.width = 100;
         Art& hair = d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, false, "no width");
         hair.path().style.edit().stroke.width = 0;
         // The document holds components beyond 0 to 1 as given; the file too.
         Art& beyond = d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, true, "components beyond");
         beyond.path().style.edit().stroke.color = Rgb(1.5f, -0.25f, 0);
         beyond.path().style.edit().fillPaint = true;
         beyond.path().style.edit().fill.color = Gris(2);
     }},
    {"every cap, join, limit and dash",
     [](Dessin& d) {
         const std::vector<std::vector<AIReal>> dashes = {{}, {3, 1.5f}, {2}, {1, 2, 3, 4, 5, 6}, {0, 2}};
         const AIReal limits[] = {1, 4, 10.5f};
         int n = 0;
         for (AILineCap cap : {kAIButtCap, kAIRoundCap, kAIProjectingCap})
             for (AILineJoin join : {kAIMiterJoin, kAIRoundJoin, kAIBevelJoin}) {
                 Art& art = d.path(d.bottom(), {Point(0, 0), Point(10, 0), Point(10, 10)}, false);
                 art.path().style.edit().stroke.cap = cap;
                 art.path().style.edit().stroke.join = join;
                 art.path().style.edit().stroke.miterLimit = limits[n % 3];
                 const auto& dash = dashes[static_cast<size_t>(n) % dashes.size()];
                 art.path().style.edit().stroke.dash.length = static_cast<ai_int16>(dash.size());
                 std::copy(dash.begin(), dash.end(), art.path().style.edit().stroke.dash.array);
                 art.path().style.edit().stroke.dash.offset = n % 2 == 0 ? -0.25f : 1;
                 ++n;
             }
     }},
    {"texts with each anchor, font, size, colour and character",
     [](Dessin& d) {
         const ATEParagraphJustification justifications[] = {kLeftJustify, kCenterJustify, kRightJustify};
         const AIColor fills[] = {Gris(0.5f), Rgb(0, 0.5f, 1), Cmyk(0.2f, 0, 0, 0.8f)};
         for (int i = 0; i < 3; ++i) {
             Art& t = d.text(d.bottom(), u"Cell " + std::u16string(1, static_cast<char16_t>(u'A' + i)),
                             {150.5f * static_cast<float>(i), -18.96f}, i == 1 ? "cell \"1\"" : "");
             t.pointText().paras.justification = justifications[i];
             t.pointText().chars.font = i % 2;
             t.pointText().chars.size = 9.5f + static_cast<float>(i);
             t.pointText().chars.fill = fills[i];
         }
         d.text(d.bottom(), u"Tab\there\nnew line\rreturn & <tag> \"q\" 'a' été \U0001F4CA  two  spaces ", {0, 0},
                "characters");
         d.text(d.bottom(), u"", {5, 5}, "empty");
         d.text(d.bottom(), u"   ", {5, 6}, "spaces only");
     }},
    {"coordinates of every size",
     [](Dessin& d) {
         // Values from 1e-7 to 1e6 and their negatives, some that no short decimal writes.
         std::mt19937 random(20240613);
         std::uniform_real_distribution<float> unit(-1, 1);
         std::uniform_int_distribution<int> power(-7, 6);
         const auto value = [&] { return unit(random) * std::pow(10.0f, static_cast<float>(power(random))); };
         for (int path = 0; path < 20; ++path) {
             std::vector<AIPathSegment> segments;
             // Odd places curve; an open path's ends stay plain (the file holds no control
             // point beyond them).
             for (int i = 0; i < 7; ++i)
                 segments.push_back(i % 2 == 0 ? Point(value(), value())
                                               : Smooth({value(), value()}, {value(), value()}, {value(), value()}));
             Art& art = d.path(d.bottom(), segments, path % 2 == 0);
             art.path().style.edit().stroke.width = std::fabs(value());
         }
         d.path(d.bottom(), {Point(1e-7f, -1e-7f), Point(9999999, -9999999), Point(1.0f / 3, 0.1f),
                             Point(1.17549435e-38f, 16777217.0f / 4)},
                false, "edges");
         d.text(d.bottom(), u"far", {-9999999, 0.000123f});
     }},
};

std::string Tree(const Document& document, const FontList& fonts)
{
    return host::render::treeOf(document, fonts);
}

TEST(SvgReader, TheHostsOwnDrawingsReadBackWhole)
{
    for (const Drawing& drawing : kDrawings) {
        SCOPED_TRACE(drawing.name);
        Dessin d;
        drawing.make(d);
        const std::string svg = host::render::svgOf(d.document, d.fonts);
        const uintptr_t first = d.document.handleSequence();
        const auto read = readSvg(svg, d.fonts, first);
        ASSERT_NE(read.document, nullptr) << read.refusal;
        EXPECT_EQ(read.refusal, "");
        EXPECT_EQ(read.skipped, std::vector<std::string>{});
        const Document& back = *read.document;
        EXPECT_EQ(host::render::svgOf(back, d.fonts), svg);
        EXPECT_EQ(Tree(back, d.fonts), Tree(d.document, d.fonts));
        // A document as if just opened: nothing to save or undo, the top layer current, handles
        // going on from the document it replaces.
        EXPECT_FALSE(back.modified());
        EXPECT_FALSE(back.changing());
        EXPECT_EQ(back.currentLayer(), back.layers().front());
        EXPECT_EQ(back.handle(), reinterpret_cast<AIDocumentHandle>(first));
        EXPECT_EQ(back.layers().size(), d.document.layers().size());
    }
}

// What the file cannot tell apart is read the one way that writes the same bytes again, and
// reads back as that same way.
TEST(SvgReader, WhatTheBytesCannotTellIsWrittenTheSame)
{
    const Drawing cases[] = {
        {"a closed path of one point", [](Dessin& d) { d.path(d.bottom(), {Point(1, 2)}, true); }},
        {"a closed path of no point", [](Dessin& d) { d.path(d.bottom(), {}, true); }},
        {"a last point on the first, reached by a curve, closed straight",
         [](Dessin& d) {
             d.path(d.bottom(), {Point(0, 0), Smooth({10, 0}, {10, 0}, {12, 5}), Smooth({2, 5}, {0, 0}, {0, 0})}, true);
         }},
        {"an open path's outer control points",
         [](Dessin& d) { d.path(d.bottom(), {Smooth({-3, -3}, {0, 0}, {0, 0}), Smooth({10, 10}, {10, 10}, {13, 13})}, false); }},
        {"a dash of zeros and a limit below 1",
         [](Dessin& d) {
             Art& art = d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, false);
             art.path().style.edit().stroke.dash.length = 2;
             art.path().style.edit().stroke.dash.offset = 3;
             art.path().style.edit().stroke.miterLimit = 0.5f;
         }},
        {"paints the file writes as none",
         [](Dessin& d) {
             Art& art = d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, true);
             art.path().style.edit().fillPaint = true;
             art.path().style.edit().fill.color.kind = kPattern;
             art.path().style.edit().stroke.color.kind = kCustomColor;
             Art& text = d.text(d.bottom(), u"x", {0, 0});
             text.pointText().chars.fill->kind = kGradient;
         }},
        {"text features unset, out of the list, or not written",
         [](Dessin& d) {
             Art& unset = d.add(ArtKind::Text, d.bottom());
             unset.pointText().text = u"defaults";
             Art& other = d.text(d.bottom(), u"tracked, full justified", {1, 1});
             other.pointText().chars.tracking = -25;
             other.pointText().paras.justification = kFullJustifyLastLineRight;
             other.pointText().orientation = 1;
             Art& outside = d.text(d.bottom(), u"font 7", {2, 2});
             outside.pointText().chars.font = 7;
         }},
        {"characters XML cannot hold",
         [](Dessin& d) {
             d.document.editLayer(d.document.layers().front())->title = std::string("nul\0bell\x07", 8);
             d.text(d.bottom(), u"\x01\xFFFE\xD800", {0, 0}, "stray \xFF byte");
         }},
    };
    for (const Drawing& c : cases) {
        SCOPED_TRACE(c.name);
        Dessin d;
        c.make(d);
        const std::string svg = host::render::svgOf(d.document, d.fonts);
        const auto read = readSvg(svg, d.fonts, 1);
        ASSERT_NE(read.document, nullptr) << read.refusal;
        EXPECT_EQ(read.skipped, std::vector<std::string>{});
        EXPECT_EQ(host::render::svgOf(*read.document, d.fonts), svg);
        const auto again = readSvg(svg, d.fonts, 1);
        ASSERT_NE(again.document, nullptr);
        EXPECT_EQ(Tree(*again.document, d.fonts), Tree(*read.document, d.fonts));
    }
}

// Every drawing the scripts' tests save, read and written again.
TEST(SvgReader, TheScriptsSavedDrawingsReadBackWhole)
{
    const FontList fonts(std::vector<std::string>{"TestSans", "TestSerif"});
    size_t files = 0;
    for (const auto& folder : std::filesystem::directory_iterator(VARO_SCRIPT_TESTS_DIR)) {
        if (folder.path().extension() != ".saved")
            continue;
        for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
            if (file.path().extension() != ".svg")
                continue;
            SCOPED_TRACE(file.path().string());
            ++files;
            const std::string svg = testing_files::readFile(file.path());
            const auto read = host::render::readSvgFile(file.path(), fonts, 1);
            ASSERT_NE(read.document, nullptr) << read.refusal;
            EXPECT_EQ(read.skipped, std::vector<std::string>{});
            EXPECT_EQ(host::render::svgOf(*read.document, fonts), svg);
        }
    }
    EXPECT_GE(files, 8u) << "the scripts' saved drawings were not found";
}

// The root's flip, as the writer writes it, and the reader's own from the drawing's height
// undo each other exactly: the host's coordinates go through unchanged, bit for bit.
TEST(SvgReader, TheHostsFlipComposesToTheIdentity)
{
    const std::string width = host::render::formatNumber(Document::kArtboardWidth);
    const std::string height = host::render::formatNumber(Document::kArtboardHeight);
    const auto box = host::render::svg::viewBoxOf("0 0 " + width + " " + height);
    ASSERT_TRUE(box.has_value());
    const auto size = [](const std::string& text) { return static_cast<double>(*host::render::svg::numberOf(text)); };
    host::render::svg::Matrix flip;
    ASSERT_EQ(host::render::svg::transformOf("matrix(1 0 0 -1 0 " + height + ")", flip),
              host::render::svg::TransformResult::Read);
    const auto product = host::render::svg::drawingToArtwork(box, size(width), size(height), "") * flip;
    const double identity[6] = {1, 0, 0, 1, 0, 0};
    const double got[6] = {product.a, product.b, product.c, product.d, product.e, product.f};
    EXPECT_EQ(std::memcmp(got, identity, sizeof identity), 0)
        << got[0] << " " << got[1] << " " << got[2] << " " << got[3] << " " << got[4] << " " << got[5];
}

TEST(SvgReader, AFileIsReadOrRefusedNamingIt)
{
    testing_files::TestFolder folder;
    Dessin d;
    d.path(d.bottom(), {Point(0, 0), Point(1, 1)}, false, "kept");
    ASSERT_EQ(host::render::saveSvg(d.document, d.fonts, folder / "drawing.svg"), "");
    const auto read = host::render::readSvgFile(folder / "drawing.svg", d.fonts, 1);
    ASSERT_NE(read.document, nullptr) << read.refusal;
    EXPECT_EQ(Tree(*read.document, d.fonts), Tree(d.document, d.fonts));

    std::filesystem::create_directory(folder / "folder.svg");
    std::ofstream(folder / "huge.svg").put('<');
    std::filesystem::resize_file(folder / "huge.svg", size_t{100} << 20); // sparse: nothing to read
    std::ofstream(folder / "broken.svg") << "<svg>\n";
    ASSERT_EQ(::mkfifo((folder / "pipe.svg").c_str(), 0600), 0);
    const struct {
        std::string file;
        std::string said;
    } refused[] = {
        {"missing.svg", "missing.svg cannot be opened: there is no such file"},
        {"folder.svg", "folder.svg cannot be opened: it is a folder, not a file"},
        {"pipe.svg", "pipe.svg cannot be opened: it is not a regular file"},
        {"huge.svg", "huge.svg is not read: it is larger than 64 MiB, the most the host reads"},
        {"broken.svg", "broken.svg: the file cannot be read: line 2: the file ends before <svg> (line 1) is closed"},
    };
    for (const auto& c : refused) {
        const auto file = host::render::readSvgFile(folder / c.file, d.fonts, 1);
        EXPECT_EQ(file.document, nullptr) << c.file;
        EXPECT_EQ(file.refusal, (folder / c.said).string());
        EXPECT_EQ(file.skipped, std::vector<std::string>{});
    }
    // Text in memory is held to the same size.
    const std::string tooLarge(host::render::kMostSvgBytes + 1, ' ');
    EXPECT_EQ(readSvg(tooLarge, d.fonts, 1).refusal, "the file is larger than 64 MiB, the most the host reads");
}

} // namespace
} // namespace render_test
