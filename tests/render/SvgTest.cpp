// The SVG form of a document, and the tree `print tree` shows.
#include "Documents.h"
#include "Svg.h"
#include "Tree.h"

#include <functional>

namespace render_test {
namespace {

size_t Position(const std::string& svg, const std::string& part)
{
    const size_t at = svg.find(part);
    EXPECT_NE(at, std::string::npos) << part << "\nin\n" << svg;
    return at;
}

TEST(Svg, LayersAndArtComeInPaintOrder)
{
    Papier papier;
    AILayerHandle dessus = nullptr;
    ASSERT_EQ(papier.document.insertLayer(nullptr, kPlaceAboveAll, &dessus), kNoErr);
    papier.document.editLayer(dessus)->title = "Notes";
    papier.document.editLayer(dessus)->visible = false;
    papier.document.editLayer(dessus)->editable = false;

    papier.nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, "Table"); // into the current layer, "Layer 1"
    const AIArtHandle table = papier.dernier();
    papier.chemin(table, {{0, 0}, {10, 0}}, false, "first");
    papier.chemin(table, {{0, 5}, {10, 5}}, false, "second");
    papier.nouveau(ArtKind::Group, kPlaceInsideOnBottom, table, "under");

    // The file's head and end, whole, are the panel-edit script's saved drawings.
    const std::string svg = host::render::svgOf(papier.document, papier.fonts);
    const size_t bas = Position(svg, "<g inkscape:groupmode=\"layer\" inkscape:label=\"Layer 1\">");
    // Locked, it bears Inkscape's mark, its namespace declared there alone.
    const size_t haut = Position(svg, "<g inkscape:groupmode=\"layer\" inkscape:label=\"Notes\" "
                                      "xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" "
                                      "sodipodi:insensitive=\"true\" style=\"display:none\">");
    EXPECT_LT(bas, haut) << "the bottom layer first";
    const size_t sous = Position(svg, "<g inkscape:label=\"under\"/>");
    const size_t premier = Position(svg, "<path inkscape:label=\"first\" d=\"M0 0 L10 0\"");
    const size_t second = Position(svg, "<path inkscape:label=\"second\" d=\"M0 5 L10 5\"");
    EXPECT_LT(Position(svg, "<g inkscape:label=\"Table\">"), sous);
    EXPECT_LT(sous, premier);
    EXPECT_LT(premier, second);
    EXPECT_LT(second, haut);
}

// Its fill, rule, stroke colour and width, and curves; each cap, join, limit and dash is the
// next test's (here the current style's, which a new path takes: butt, miter, 4, no dash).
TEST(Svg, APathCarriesItsWholeStyle)
{
    Papier papier;
    Art& art = papier.chemin(nullptr, {{0, 0}, {100, 0}, {100, -50}}, true, "shape");
    art.path().style.edit().fillPaint = true;
    art.path().style.edit().fill.color = Gris(0.25f);
    art.path().style.edit().evenodd = true;
    art.path().style.edit().strokePaint = true;
    art.path().style.edit().stroke.color.kind = kThreeColor;
    art.path().style.edit().stroke.color.c.rgb = {1, 0, 0.5f};
    art.path().style.edit().stroke.width = 2.5f;
    art.path().segments[1].out = {120, 0}; // a curve from the second point to the third
    Art& nu = papier.chemin(nullptr, {{0, 0}, {1, 1}}, false);
    nu.path().style.edit().fillPaint = nu.path().style.edit().strokePaint = false;

    const std::string svg = host::render::svgOf(papier.document, papier.fonts);
    Position(svg, "<path inkscape:label=\"shape\" d=\"M0 0 L100 0 C120 0 100 -50 100 -50 Z\" fill=\"rgb(191,191,191)\" "
                  "data-fill-color=\"gray 0.25\" fill-rule=\"evenodd\" stroke=\"rgb(255,0,128)\" "
                  "data-stroke-color=\"rgb 1 0 0.5\" stroke-width=\"2.5\" stroke-linecap=\"butt\" "
                  "stroke-linejoin=\"miter\" stroke-miterlimit=\"4\"/>");
    Position(svg, "<path d=\"M0 0 L1 1\" fill=\"none\" stroke=\"none\"/>");
}

// A stroke as the SVG writes it, from stroke-linecap to the end of the path.
struct Trait {
    AILineCap cap = kAIButtCap;
    AILineJoin join = kAIMiterJoin;
    AIReal miter = 4;
    std::vector<AIReal> dash;
    AIReal offset = 0;
    const char* written;
};

TEST(Svg, EachCapJoinLimitAndDash)
{
    const Trait cases[] = {
        {kAIButtCap, kAIMiterJoin, 4, {}, 0, "butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"4\"/>"},
        {kAIRoundCap, kAIRoundJoin, 4, {}, 0, "round\" stroke-linejoin=\"round\" stroke-miterlimit=\"4\"/>"},
        {kAIProjectingCap, kAIBevelJoin, 10, {}, 0, "square\" stroke-linejoin=\"bevel\" stroke-miterlimit=\"10\"/>"},
        // SVG refuses a limit below 1 (and would draw 4): below 1 every corner is bevelled, as at 1.
        {kAIButtCap, kAIMiterJoin, 0.5f, {}, 0, "butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"1\"/>"},
        {kAIButtCap, kAIMiterJoin, 4, {3, 1.5f}, 1,
         "butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"4\" stroke-dasharray=\"3,1.5\" stroke-dashoffset=\"1\"/>"},
        {kAIRoundCap, kAIMiterJoin, 4, {0, 2}, 0,
         "round\" stroke-linejoin=\"miter\" stroke-miterlimit=\"4\" stroke-dasharray=\"0,2\" stroke-dashoffset=\"0\"/>"},
        {kAIButtCap, kAIMiterJoin, 4, {2}, -0.25f,
         "butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"4\" stroke-dasharray=\"2\" stroke-dashoffset=\"-0.25\"/>"},
        // Dashes of nothing draw the line solid.
        {kAIButtCap, kAIMiterJoin, 4, {0, 0}, 3, "butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"4\"/>"},
    };
    for (const Trait& c : cases) {
        Papier papier;
        Art& art = papier.chemin(nullptr, {{0, 0}, {10, 0}, {10, 10}}, false);
        art.path().style = host::doc::Document::defaultPathStyle();
        art.path().style.edit().stroke.cap = c.cap;
        art.path().style.edit().stroke.join = c.join;
        art.path().style.edit().stroke.miterLimit = c.miter;
        art.path().style.edit().stroke.dash.length = static_cast<ai_int16>(c.dash.size());
        for (size_t i = 0; i < c.dash.size(); ++i)
            art.path().style.edit().stroke.dash.array[i] = c.dash[i];
        art.path().style.edit().stroke.dash.offset = c.offset;
        const std::string svg = host::render::svgOf(papier.document, papier.fonts);
        Position(svg, std::string("stroke=\"rgb(0,0,0)\" data-stroke-color=\"gray 1\" stroke-width=\"1\" "
                                  "stroke-linecap=\"") +
                          c.written);
    }
}

TEST(Svg, PointTextStandsAtItsAnchorWithItsFeatures)
{
    const struct {
        std::optional<ATEParagraphJustification> justification;
        const char* anchor;
    } cases[] = {{std::nullopt, "start"}, {kLeftJustify, "start"}, {kCenterJustify, "middle"}, {kRightJustify, "end"}};
    for (const auto& c : cases) {
        Papier papier;
        Art& texte = papier.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr, "cell");
        texte.pointText().anchor = {150, -18.96f};
        texte.pointText().text = u"A & <B> \U0001F4CA";
        texte.pointText().paras.justification = c.justification;
        texte.pointText().chars.font = 1;
        texte.pointText().chars.size = 9.5f;
        texte.pointText().chars.fill = Gris(0.5f);
        const std::string svg = host::render::svgOf(papier.document, papier.fonts);
        Position(svg, std::string("<text inkscape:label=\"cell\" transform=\"translate(150 -18.96) scale(1 -1)\" "
                                  "font-family=\"Test Serif\" font-size=\"9.5\" text-anchor=\"") +
                          c.anchor +
                          "\" fill=\"rgb(128,128,128)\" data-fill-color=\"gray 0.5\" xml:space=\"preserve\">"
                          "A &amp; &lt;B&gt; \xF0\x9F\x93\x8A</text>");
    }
    // Unset features are the host's: its default font, 12 pt, black.
    Papier papier;
    papier.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr);
    Position(host::render::svgOf(papier.document, papier.fonts),
             "font-family=\"Test Sans\" font-size=\"12\" text-anchor=\"start\" fill=\"rgb(0,0,0)\" "
             "data-fill-color=\"gray 1\"");
}

// One object's line in the tree, from the style or the features the case gives it.
TEST(Tree, EachObjectWritesWhatItHolds)
{
    const struct {
        std::function<void(Art&)> make;
        ArtKind kind;
        const char* line;
    } cases[] = {
        {[](Art&) {}, ArtKind::Path, "path \"\" open (0 0) (10 5) fill none stroke gray 1 width 1 cap butt join miter miter 4"},
        {[](Art& a) {
             PathPart& p = a.path();
             p.closed = true;
             p.style.edit().strokePaint = false;
             p.style.edit().fillPaint = true;
             p.style.edit().evenodd = true;
             p.style.edit().fill.color.kind = kFourColor;
             p.style.edit().fill.color.c.f = {0, 0.6f, 0.9f, 0};
         },
         ArtKind::Path, "path \"\" closed (0 0) (10 5) fill cmyk 0 0.6 0.9 0 even-odd stroke none"},
        {[](Art& a) {
             PathPart& p = a.path();
             p.segments[1].in = {8, 1};
             p.style.edit().stroke.cap = kAIProjectingCap;
             p.style.edit().stroke.join = kAIRoundJoin;
             p.style.edit().stroke.dash.length = 2;
             p.style.edit().stroke.dash.array[0] = 0;
             p.style.edit().stroke.dash.array[1] = 0;
             p.style.edit().stroke.dash.offset = 1.5f;
             p.style.edit().stroke.color.kind = kThreeColor;
             p.style.edit().stroke.color.c.rgb = {1, 0, 0.5f};
             p.style.edit().stroke.width = 0.25f;
         },
         ArtKind::Path, "path \"\" open (0 0) (10 5 in 8 1 out 10 5) fill none stroke rgb 1 0 0.5 width 0.25 cap square "
                        "join round miter 4 dash 0,0 offset 1.5"},
        {[](Art& a) {
             a.name = "cell\t1";
             PointText& t = a.pointText();
             t.anchor = {-3.5f, 20};
             t.text = u"A\\B";
             t.chars.font = 1;
             t.chars.size = 9;
             t.chars.tracking = -25;
             t.paras.justification = kRightJustify;
             t.chars.fill = AIColor{};
             t.chars.fill->kind = kThreeColor;
             t.chars.fill->c.rgb = {0, 0.5f, 1};
         },
         ArtKind::Text, "text \"cell\\t1\" at (-3.5 20) font \"Test Serif\" size 9 right tracking -25 fill rgb 0 0.5 1 "
                        "\"A\\\\B\""},
        {[](Art& a) {
             PointText& t = a.pointText();
             t.text = u"\U0001F4CA";
             t.chars.font = 7;
             t.paras.justification = kFullJustifyLastLineCenter;
         },
         ArtKind::Text, "text \"\" at (0 0) font \"\" size 12 centre fill gray 1 \"\xF0\x9F\x93\x8A\""},
    };
    for (const auto& c : cases) {
        Papier papier;
        Art& art = c.kind == ArtKind::Path ? papier.chemin(nullptr, {{0, 0}, {10, 5}}, false)
                                           : papier.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr);
        if (c.kind == ArtKind::Path)
            art.path().style = host::doc::Document::defaultPathStyle();
        c.make(art);
        EXPECT_EQ(host::render::treeOf(papier.document, papier.fonts), std::string("layer \"Layer 1\"\n  ") + c.line + "\n");
    }
}

// (Each kind of object's own line is the test before.)
TEST(Tree, OneLinePerObjectIndentedByDepth)
{
    Papier papier;
    papier.document.editLayer(papier.document.currentLayer())->editable = false;
    papier.document.editLayer(papier.document.currentLayer())->visible = false;
    AILayerHandle dessous = nullptr;
    ASSERT_EQ(papier.document.insertLayer(nullptr, kPlaceBelowAll, &dessous), kNoErr);
    papier.nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, "Table");
    const AIArtHandle table = papier.dernier();
    Art& texte = papier.nouveau(ArtKind::Text, kPlaceInsideOnTop, table, "");
    texte.pointText().anchor = {150, -18.96f};
    texte.pointText().text = u"Say \"hi\"\n";
    texte.pointText().paras.justification = kCenterJustify;

    EXPECT_EQ(host::render::treeOf(papier.document, papier.fonts),
              "layer \"Layer 2\"\n"
              "layer \"Layer 1\" locked hidden\n"
              "  group \"Table\"\n"
              "    text \"\" at (150 -18.96) font \"Test Sans\" size 12 centre fill gray 1 \"Say \\\"hi\\\"\\n\"\n");
}

} // namespace
} // namespace render_test
