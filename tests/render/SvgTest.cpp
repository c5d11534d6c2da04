// The SVG form of a document, and the tree `print tree` shows.
#include "Documents.h"
#include "Svg.h"
#include "Tree.h"

namespace render_test {
namespace {

size_t Position(const std::string& svg, const std::string& part)
{
    const size_t at = svg.find(part);
    EXPECT_NE(at, std::string::npos) << part << "\nin\n" << svg;
    return at;
}

TEST(Svg, LayersAndArtComeInPaintOrderInsideOneFlip)
{
    Papier papier;
    AILayerHandle dessus = nullptr;
    ASSERT_EQ(papier.document.insertLayer(nullptr, kPlaceAboveAll, &dessus), kNoErr);
    papier.document.layer(dessus)->title = "Notes";
    papier.document.layer(dessus)->visible = false;

    papier.nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, "Table"); // into the current layer, "Layer 1"
    const AIArtHandle table = papier.dernier();
    papier.chemin(table, {{0, 0}, {10, 0}}, false, "first");
    papier.chemin(table, {{0, 5}, {10, 5}}, false, "second");
    papier.nouveau(ArtKind::Group, kPlaceInsideOnBottom, table, "under");

    const std::string svg = host::render::svgOf(papier.document, papier.fonts);
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                        "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"595.28\" "
                        "height=\"841.89\" viewBox=\"0 0 595.28 841.89\">\n<g transform=\"matrix(1 0 0 -1 0 841.89)\">\n",
                        0),
              0u);
    const size_t bas = Position(svg, "<g inkscape:groupmode=\"layer\" inkscape:label=\"Layer 1\">");
    const size_t haut = Position(svg, "<g inkscape:groupmode=\"layer\" inkscape:label=\"Notes\" style=\"display:none\">");
    EXPECT_LT(bas, haut) << "the bottom layer first";
    const size_t sous = Position(svg, "<g inkscape:label=\"under\"/>");
    const size_t premier = Position(svg, "<path inkscape:label=\"first\" d=\"M0 0 L10 0\"");
    const size_t second = Position(svg, "<path inkscape:label=\"second\" d=\"M0 5 L10 5\"");
    EXPECT_LT(Position(svg, "<g inkscape:label=\"Table\">"), sous);
    EXPECT_LT(sous, premier);
    EXPECT_LT(premier, second);
    EXPECT_LT(second, haut);
    EXPECT_EQ(svg.substr(svg.size() - 12), "</g>\n</svg>\n");
}

TEST(Svg, APathCarriesItsWholeStyle)
{
    Papier papier;
    Art& art = papier.chemin(nullptr, {{0, 0}, {100, 0}, {100, -50}}, true, "shape");
    art.style.fillPaint = true;
    art.style.fill.color = Gris(0.25f);
    art.style.evenodd = true;
    art.style.strokePaint = true;
    art.style.stroke.color.kind = kThreeColor;
    art.style.stroke.color.c.rgb = {1, 0, 0.5f};
    art.style.stroke.width = 2.5f;
    art.style.stroke.cap = kAIRoundCap;
    art.style.stroke.join = kAIBevelJoin;
    art.style.stroke.miterLimit = 10;
    art.style.stroke.dash.length = 2;
    art.style.stroke.dash.array[0] = 3;
    art.style.stroke.dash.array[1] = 1.5f;
    art.style.stroke.dash.offset = 1;
    art.segments[1].out = {120, 0}; // a curve from the second point to the third
    Art& nu = papier.chemin(nullptr, {{0, 0}, {1, 1}}, false);
    nu.style.fillPaint = nu.style.strokePaint = false;

    const std::string svg = host::render::svgOf(papier.document, papier.fonts);
    Position(svg, "<path inkscape:label=\"shape\" d=\"M0 0 L100 0 C120 0 100 -50 100 -50 Z\" fill=\"rgb(191,191,191)\" "
                  "data-fill-color=\"gray 0.25\" fill-rule=\"evenodd\" stroke=\"rgb(255,0,128)\" "
                  "data-stroke-color=\"rgb 1 0 0.5\" stroke-width=\"2.5\" stroke-linecap=\"round\" "
                  "stroke-linejoin=\"bevel\" stroke-miterlimit=\"10\" stroke-dasharray=\"3,1.5\" "
                  "stroke-dashoffset=\"1\"/>");
    Position(svg, "<path d=\"M0 0 L1 1\" fill=\"none\" stroke=\"none\"/>");
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
        texte.anchor = {150, -18.96f};
        texte.text = u"A & <B> \U0001F4CA";
        texte.paras.justification = c.justification;
        texte.chars.font = 1;
        texte.chars.size = 9.5f;
        texte.chars.fill = Gris(0.5f);
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

TEST(Svg, NamesAndTitlesAreEscaped)
{
    Papier papier;
    papier.document.layer(papier.document.currentLayer())->title = "a\"b<c>";
    papier.nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, "\"/><script>x</script>&\x01");
    const std::string svg = host::render::svgOf(papier.document, papier.fonts);
    Position(svg, "inkscape:label=\"a&quot;b&lt;c&gt;\"");
    Position(svg, "<g inkscape:label=\"&quot;/&gt;&lt;script&gt;x&lt;/script&gt;&amp;\xEF\xBF\xBD\"/>");
    EXPECT_EQ(svg.find("<script"), std::string::npos);
}

TEST(Tree, OneLinePerObjectIndentedByDepth)
{
    Papier papier;
    papier.document.layer(papier.document.currentLayer())->editable = false;
    papier.nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, "Table");
    const AIArtHandle table = papier.dernier();
    Art& regle = papier.chemin(table, {{0, -30}, {300, -30}}, false, "rule");
    regle.style = host::doc::Document::defaultPathStyle();
    regle.style.stroke.color = Gris(0.5f);
    Art& texte = papier.nouveau(ArtKind::Text, kPlaceInsideOnTop, table, "");
    texte.anchor = {150, -18.96f};
    texte.text = u"Say \"hi\"\n";
    texte.paras.justification = kCenterJustify;

    EXPECT_EQ(host::render::treeOf(papier.document, papier.fonts),
              "layer \"Layer 1\" locked\n"
              "  group \"Table\"\n"
              "    path \"rule\" open (0 -30) (300 -30) fill none stroke gray 0.5 width 1 cap butt join miter miter 4\n"
              "    text \"\" at (150 -18.96) font \"Test Sans\" size 12 centre fill gray 1 \"Say \\\"hi\\\"\\n\"\n");
}

} // namespace
} // namespace render_test
