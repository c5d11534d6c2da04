// SVG the host did not write: read as far as the host can hold it, the rest said; and files
// that are not SVG, or are hostile, refused whole.
#include "Documents.h"
#include "SvgReader.h"
#include "Tree.h"

#include <cmath>

namespace render_test {
namespace {

using host::doc::FontList;
using host::render::readSvg;

const FontList kFonts(std::vector<std::string>{"Test Sans", "Test Serif"});

constexpr const char* kHead = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                              "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
                              "width=\"100\" height=\"100\">\n";

// A drawing 100 points square; its body starts on line 2.
std::string Svg(const std::string& body)
{
    return kHead + body + "\n</svg>\n";
}

struct Foreign {
    std::string input;
    std::string tree;                  // what the document holds, as `print tree` writes it
    std::vector<std::string> skipped;  // what was said
};

void Check(const Foreign& c)
{
    SCOPED_TRACE(c.input);
    const auto read = readSvg(c.input, kFonts, 1);
    ASSERT_NE(read.document, nullptr) << read.refusal;
    EXPECT_EQ(host::render::treeOf(*read.document, kFonts), c.tree);
    EXPECT_EQ(read.skipped, c.skipped);
    EXPECT_FALSE(read.document->modified());
    EXPECT_FALSE(read.document->changing());
}

const std::string kStroke = " fill none stroke rgb 0 0 0 width 1 cap butt join miter miter 4";

TEST(SvgForeign, ShapesBecomePaths)
{
    const Foreign cases[] = {
        {Svg("<rect x=\"10\" y=\"5\" width=\"20\" height=\"10\" fill=\"#f00\"/>"),
         "layer \"Layer 1\"\n  path \"\" closed (10 95) (30 95) (30 85) (10 85) fill rgb 1 0 0 stroke none\n", {}},
        {Svg("<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"20\" stroke=\"black\" fill=\"none\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100) (10 80)" + kStroke + "\n", {}},
        {Svg("<polyline points=\"0,0 10,0 10,10\" fill=\"none\" stroke=\"#000\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100) (10 100) (10 90)" + kStroke + "\n", {}},
        {Svg("<polygon points=\"0 0 10 0 5 5\" fill=\"none\" stroke=\"black\" stroke-width=\"2\" stroke-linecap=\"round\" "
             "stroke-linejoin=\"bevel\" stroke-miterlimit=\"8\" stroke-dasharray=\"4 2\" stroke-dashoffset=\"1\"/>"),
         "layer \"Layer 1\"\n  path \"\" closed (0 100) (10 100) (5 95) fill none stroke rgb 0 0 0 width 2 cap round "
         "join bevel miter 8 dash 4,2 offset 1\n",
         {}},
        // Relative commands, implicit lines after a move, H and V.
        {Svg("<path d=\"m10 10 h10 v10 h-10 z M50 50 60 50 V40\" fill=\"none\" stroke=\"black\"/>"),
         "layer \"Layer 1\"\n  group \"\"\n    path \"\" closed (10 90) (20 90) (20 80) (10 80)" + kStroke +
             "\n    path \"\" open (50 50) (60 50) (60 60)" + kStroke + "\n",
         {}},
        // A quadratic curve as a cubic, and T reflecting its control point.
        {Svg("<path d=\"M0 0 Q30 30 60 0 T120 0\" fill=\"none\" stroke=\"black\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100 in 0 100 out 20 80) (60 100 in 40 80 out 80 120) "
         "(120 100 in 100 120 out 120 100)" + kStroke + "\n",
         {}},
        // S reflecting the control point before; a relative curve.
        {Svg("<path d=\"M0 0 C0 30 30 30 30 0 S60 -30 60 0 c0 10 10 10 10 0\" fill=\"none\" stroke=\"black\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100 in 0 100 out 0 70) (30 100 in 30 70 out 30 130) "
         "(60 100 in 60 130 out 60 90) (70 100 in 70 90 out 70 100)" + kStroke + "\n",
         {}},
        // Transforms, composed from the last to the first; exact quarter turns.
        {Svg("<rect width=\"10\" height=\"10\" transform=\"translate(5 5) scale(2)\" stroke=\"black\" fill=\"none\"/>"),
         "layer \"Layer 1\"\n  path \"\" closed (5 95) (25 95) (25 75) (5 75) fill none stroke rgb 0 0 0 width 2 cap "
         "butt join miter miter 4\n",
         {}},
        {Svg("<g transform=\"rotate(90 10 10)\"><line x2=\"10\" stroke=\"black\"/></g>"),
         "layer \"Layer 1\"\n  group \"\"\n    path \"\" open (20 100) (20 90) fill rgb 0 0 0 stroke rgb 0 0 0 width 1 "
         "cap butt join miter miter 4\n",
         {}},
        {Svg("<line x2=\"10\" transform=\"matrix(1 0 0.5 1 0 0) skewY(45)\" stroke=\"black\" fill=\"none\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100) (15 90)" + kStroke + "\n", {}},
    };
    for (const Foreign& c : cases)
        Check(c);
}

TEST(SvgForeign, TheDrawingsSizeAndViewBoxMapToPoints)
{
    const std::string line = "<line x2=\"10\" y2=\"10\" stroke=\"black\" fill=\"none\"/>";
    const Foreign cases[] = {
        {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" viewBox=\"0 0 100 50\">" + line + "</svg>",
         "layer \"Layer 1\"\n  path \"\" open (0 100) (20 80) fill none stroke rgb 0 0 0 width 2 cap butt join miter "
         "miter 4\n",
         {}},
        // Fitted in the middle, as SVG does unless told otherwise; or stretched when told.
        {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" viewBox=\"10 10 10 10\">" + line + "</svg>",
         "layer \"Layer 1\"\n  path \"\" open (-50 200) (50 100) fill none stroke rgb 0 0 0 width 10 cap butt join "
         "miter miter 4\n",
         {}},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" viewBox=\"0 0 10 10\" "
         "preserveAspectRatio=\"none\">" + line + "</svg>",
         "layer \"Layer 1\"\n  path \"\" open (0 100) (200 0) fill none stroke rgb 0 0 0 width 14.142136 cap butt join "
         "miter miter 4\n",
         {}},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"2in\" height=\"1in\"><line x2=\"1in\" y2=\"10mm\" "
         "stroke=\"black\" fill=\"none\"/></svg>",
         "layer \"Layer 1\"\n  path \"\" open (0 72) (72 43.65354)" + kStroke + "\n", {}},
        // No size at all: the artboard's height.
        {"<svg xmlns=\"http://www.w3.org/2000/svg\">" + line + "</svg>",
         "layer \"Layer 1\"\n  path \"\" open (0 841.89) (10 831.89)" + kStroke + "\n", {}},
    };
    for (const Foreign& c : cases)
        Check(c);
}

TEST(SvgForeign, StylesInheritAndColoursRead)
{
    const std::string path = "<path d=\"M0 0 L1 1\"";
    const auto single = [](const std::string& look) {
        return "layer \"Layer 1\"\n  path \"\" open (0 100) (1 99) " + look + "\n";
    };
    const Foreign cases[] = {
        {Svg("<g fill=\"red\" stroke=\"blue\" stroke-width=\"2\" inkscape:label=\"outer\">" + path +
             " style=\"stroke-width:3; fill : none !important\"/></g>"),
         "layer \"Layer 1\"\n  group \"outer\"\n    path \"\" open (0 100) (1 99) fill none stroke rgb 0 0 1 width 3 cap "
         "butt join miter miter 4\n",
         {}},
        {Svg(path + " fill=\"#abc\" stroke=\"none\"/>"), single("fill rgb 0.6666667 0.73333335 0.8 stroke none"), {}},
        {Svg(path + " fill=\"rgb(10%, 20%, 30%)\" stroke=\"none\"/>"), single("fill rgb 0.1 0.2 0.3 stroke none"), {}},
        {Svg(path + " fill=\"rgb(255,0,0)\" stroke=\"none\" fill-rule=\"evenodd\"/>"),
         single("fill rgb 1 0 0 even-odd stroke none"), {}},
        {Svg("<g color=\"lime\">" + path + " fill=\"currentColor\" stroke=\"none\"/></g>"),
         "layer \"Layer 1\"\n  group \"\"\n    path \"\" open (0 100) (1 99) fill rgb 0 1 0 stroke none\n", {}},
        {Svg(path + " fill=\"url(#missing) lime\" stroke=\"none\"/>"), single("fill rgb 0 1 0 stroke none"), {}},
        // The colour as held where it agrees with the colour shown; the one shown where not.
        {Svg(path + " fill=\"rgb(128,128,128)\" data-fill-color=\"gray 0.5\" stroke=\"none\"/>"),
         single("fill gray 0.5 stroke none"), {}},
        {Svg(path + " fill=\"#ff0000\" data-fill-color=\"gray 0.5\" stroke=\"none\"/>"), single("fill rgb 1 0 0 stroke none"),
         {}},
        {Svg(path + " fill=\"none\" stroke=\"rgb(0,0,0)\" data-stroke-color=\"cmyk 0 0 0 1\"/>"),
         single("fill none stroke cmyk 0 0 0 1 width 1 cap butt join miter miter 4"), {}},
        {Svg(path + " fill=\"none\" stroke=\"#000\" data-stroke-color=\"gray 1.5\"/>"),
         single("fill none stroke gray 1.5 width 1 cap butt join miter miter 4"), {}},
        {Svg(path + " fill=\"none\" stroke=\"#000\" data-stroke-color=\"gray one\"/>"),
         single("fill none stroke rgb 0 0 0 width 1 cap butt join miter miter 4"), {}},
        {Svg(path + " fill=\"none\" stroke=\"black\" stroke-width=\"0.5em\" font-size=\"8\"/>"),
         single("fill none stroke rgb 0 0 0 width 4 cap butt join miter miter 4"), {}},
        // SVG's own defaults: a black fill, no stroke.
        {Svg(path + "/>"), single("fill rgb 0 0 0 stroke none"), {}},
    };
    for (const Foreign& c : cases)
        Check(c);
}

TEST(SvgForeign, TextTakesItsSpansAndPlace)
{
    const Foreign cases[] = {
        {Svg("<text x=\"10\" y=\"20\" font-family=\"Test Serif\" font-size=\"10\" text-anchor=\"middle\">Hello "
             "<tspan fill=\"red\">world</tspan></text>"),
         "layer \"Layer 1\"\n  text \"\" at (10 80) font \"Test Serif\" size 10 centre fill rgb 0 0 0 \"Hello world\"\n", {}},
        // SVG's white space: line ends dropped, runs of space as one, none at the ends.
        {Svg("<text inkscape:label=\"spaced\">  a \n\t b  </text>"),
         "layer \"Layer 1\"\n  text \"spaced\" at (0 100) font \"Test Sans\" size 16 left fill rgb 0 0 0 \"a b\"\n", {}},
        {Svg("<text xml:space=\"preserve\" font-size=\"12\"> a  b </text>"),
         "layer \"Layer 1\"\n  text \"\" at (0 100) font \"Test Sans\" size 12 left fill rgb 0 0 0 \" a  b \"\n", {}},
        // Lines as tspans with their own y; the first one's place and look are the text's.
        {Svg("<text font-size=\"10\" text-anchor=\"end\"><tspan x=\"5\" y=\"10\" font-size=\"2em\" fill=\"lime\">one "
             "</tspan><tspan x=\"5\" y=\"22\"> two</tspan></text>"),
         "layer \"Layer 1\"\n  text \"\" at (5 90) font \"Test Sans\" size 20 right fill rgb 0 1 0 \"one\\ntwo\"\n", {}},
        {Svg("<text font-family=\"'test serif', serif\" x=\"1\" y=\"2\">case</text>"),
         "layer \"Layer 1\"\n  text \"\" at (1 98) font \"Test Serif\" size 16 left fill rgb 0 0 0 \"case\"\n", {}},
        {Svg("<text font-family=\"Nope, sans-serif\">generic</text>"),
         "layer \"Layer 1\"\n  text \"\" at (0 100) font \"Test Sans\" size 16 left fill rgb 0 0 0 \"generic\"\n", {}},
        {Svg("<text font-family=\"'Comic Foo'\">a</text>\n<text font-family=\"Comic Foo\">b</text>"),
         "layer \"Layer 1\"\n  text \"\" at (0 100) font \"Test Sans\" size 16 left fill rgb 0 0 0 \"a\"\n"
         "  text \"\" at (0 100) font \"Test Sans\" size 16 left fill rgb 0 0 0 \"b\"\n",
         {"2 texts in the font \"Comic Foo\" are set in the default font (the first at line 2): the host's font list has "
          "no such family"}},
        {Svg("<text transform=\"rotate(30)\" font-size=\"10\">tilted</text>"),
         "layer \"Layer 1\"\n  text \"\" at (0 100) font \"Test Sans\" size 10 left fill rgb 0 0 0 \"tilted\"\n",
         {"a rotated, skewed or mirrored text at line 2 is set level: the host sets point text level"}},
        {Svg("<text transform=\"scale(3)\" font-size=\"10\" fill=\"none\">big</text>"),
         "layer \"Layer 1\"\n  text \"\" at (0 100) font \"Test Sans\" size 30 left fill none \"big\"\n", {}},
        // Line ends as XML reads them: one line feed in text, a space in an attribute.
        {Svg("<text xml:space=\"preserve\" inkscape:label=\"a\tb\r\nc\">a\r\nb\rc&#13;&#9;</text>"),
         "layer \"Layer 1\"\n  text \"a b c\" at (0 100) font \"Test Sans\" size 16 left fill rgb 0 0 0 \"a\\nb\\nc\\r\\t\"\n",
         {}},
        {Svg("<text>&lt;&amp;&gt;&#233;&#x1F4CA;<![CDATA[<raw & kept>]]></text>"),
         "layer \"Layer 1\"\n  text \"\" at (0 100) font \"Test Sans\" size 16 left fill rgb 0 0 0 "
         "\"<&>\xC3\xA9\xF0\x9F\x93\x8A<raw & kept>\"\n",
         {}},
    };
    for (const Foreign& c : cases)
        Check(c);
}

TEST(SvgForeign, LayersAndLooseArt)
{
    const std::string line = "<line x2=\"1\" stroke=\"black\" fill=\"none\"/>";
    const std::string path = "path \"\" open (0 100) (1 100)" + kStroke + "\n";
    const Foreign cases[] = {
        // Art outside every layer goes into layers of its own, in stacking order.
        {Svg(line + "<g inkscape:groupmode=\"layer\" inkscape:label=\"A\">" + line + "</g>" + line),
         "layer \"Layer 1\"\n  " + path + "layer \"A\"\n  " + path + "layer \"Layer 3\"\n  " + path, {}},
        {Svg("<g inkscape:groupmode=\"layer\" inkscape:label=\"Hidden\" style=\"display:none\">" + line +
             "</g><g inkscape:groupmode=\"layer\" inkscape:label=\"Locked\" "
             "xmlns:s=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" s:insensitive=\"true\"/>"),
         "layer \"Hidden\" hidden\n  " + path + "layer \"Locked\" locked\n", {}},
        // A group that only wraps layers leaves nothing; its transform holds for them.
        {Svg("<g transform=\"translate(10 0)\"><g inkscape:groupmode=\"layer\" inkscape:label=\"L\">" + line + "</g></g>"),
         "layer \"L\"\n  path \"\" open (10 100) (11 100)" + kStroke + "\n", {}},
        // A group with art on both sides of a layer is split around it.
        {Svg("<g inkscape:label=\"W\">" + line + "<g inkscape:groupmode=\"layer\" inkscape:label=\"L\"/>" + line + "</g>"),
         "layer \"Layer 1\"\n  group \"W\"\n    " + path + "layer \"L\"\nlayer \"Layer 3\"\n  group \"W\"\n    " + path, {}},
        {Svg("<g/><g inkscape:label=\"kept\"><g/></g>"), "layer \"Layer 1\"\n  group \"\"\n  group \"kept\"\n    group \"\"\n", {}},
        {Svg("<g inkscape:groupmode=\"layer\" inkscape:label=\"Outer\">\n<g inkscape:groupmode=\"layer\" "
             "inkscape:label=\"Inner\">" + line + "</g></g>"),
         "layer \"Outer\"\n  group \"Inner\"\n    " + path,
         {"a layer inside a layer at line 3 is read as a group: the host's layers do not nest"}},
        {Svg(""), "layer \"Layer 1\"\n", {}},
    };
    for (const Foreign& c : cases)
        Check(c);
}

TEST(SvgForeign, WhatTheHostCannotHoldIsSaidOncePerKind)
{
    const std::string rect = "<rect width=\"1\" height=\"1\"/>";
    const std::string square = "layer \"Layer 1\"\n  path \"\" closed (0 100) (1 100) (1 99) (0 99) fill rgb 0 0 0 stroke none\n";
    const Foreign cases[] = {
        {Svg("<image/>\n<image/>\n<image/>"), "layer \"Layer 1\"\n",
         {"3 images are skipped (the first at line 2): the host draws no images"}},
        {Svg("<defs><linearGradient id=\"g\"/><image/></defs>\n<rect width=\"1\" height=\"1\" fill=\"url(#g)\"/>"),
         "layer \"Layer 1\"\n  path \"\" closed (0 100) (1 100) (1 99) (0 99) fill none stroke none\n",
         {"a block of definitions at line 2 is skipped: the host keeps nothing to refer to",
          "a paint by reference (url) at line 3 is left out: the host paints flat colours only"}},
        {Svg("<foo/>\n<bar:baz xmlns:bar=\"urn:x\"><rect/></bar:baz>\n<foo/>"), "layer \"Layer 1\"\n",
         {"2 <foo> elements are skipped (the first at line 2): the host does not know this kind of element",
          "an element <bar:baz> at line 3 is skipped: the host does not know this kind of element"}},
        {Svg("<style>rect{fill:red}</style>\n<script>alert(1)</script>\n<use/>\n<clipPath/>\n<mask/>\n<pattern/>\n"
             "<filter/>\n<marker/>\n<symbol/>\n<foreignObject/>"),
         "layer \"Layer 1\"\n",
         {"a style sheet at line 2 is skipped: the host reads style attributes, not style sheets",
          "a script at line 3 is skipped: the host runs no scripts",
          "a use of another element at line 4 is skipped: the host keeps no references between objects",
          "a clipping path at line 5 is skipped: the host does not clip",
          "a mask at line 6 is skipped: the host does not mask",
          "a gradient or pattern at line 7 is skipped: the host paints flat colours only",
          "a filter at line 8 is skipped: the host draws no filter effects",
          "a marker at line 9 is skipped: the host draws no markers",
          "a block of definitions at line 10 is skipped: the host keeps nothing to refer to",
          "a foreign object at line 11 is skipped: the host draws only SVG"}},
        // Descriptions and an editor's settings hold nothing drawn: nothing to say.
        {Svg("<title>t</title><desc>d</desc><metadata><x/></metadata>"
             "<sodipodi:namedview xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\"/>" + rect),
         square, {}},
        {Svg("<rect width=\"1\" height=\"1\" display=\"none\"/>\n<g visibility=\"hidden\">" + rect + "</g>"),
         "layer \"Layer 1\"\n  group \"\"\n",
         {"2 hidden objects are skipped (the first at line 2): the host hides only whole layers"}},
        {Svg("<rect width=\"1\" height=\"1\" opacity=\"0.5\"/>"), square,
         {"a partly transparent object at line 2 is drawn opaque: the host has no transparency"}},
        {Svg("<rect width=\"1\" height=\"1\" stroke=\"bogus\" stroke-linecap=\"pointy\"/>"), square,
         {"a value that cannot be read at line 2 is left out: what is inherited or the default holds instead"}},
        {Svg("<rect width=\"1\" height=\"1\" transform=\"spin(3)\"/>"), "layer \"Layer 1\"\n",
         {"an object whose transform cannot be read at line 2 is skipped: where it stands cannot be told"}},
        {Svg("<path d=\"M0 0 L10 10 X 5\" fill=\"none\" stroke=\"black\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100) (10 90)" + kStroke + "\n",
         {"a shape whose data has an error at line 2 is drawn up to the error: what follows cannot be read"}},
        {Svg("<polygon points=\"0 0 1 0 1\"/>\n<path d=\"L 1 1\"/>"),
         "layer \"Layer 1\"\n  path \"\" closed (0 100) (1 100) fill rgb 0 0 0 stroke none\n",
         {"2 shapes whose data have errors are drawn up to the error (the first at line 2): what follows cannot be read"}},
        {Svg("<rect width=\"0\" height=\"1\"/>\n<circle r=\"0\"/>"), "layer \"Layer 1\"\n",
         {"2 shapes of no size are skipped (the first at line 2): SVG draws nothing of them"}},
        {Svg("<path d=\"M0 0 L1 0 L1 1 Z M5 5 L6 5 L6 6 Z\" inkscape:label=\"two\"/>"),
         "layer \"Layer 1\"\n  group \"two\"\n    path \"\" closed (0 100) (1 100) (1 99) fill rgb 0 0 0 stroke none\n"
         "    path \"\" closed (5 95) (6 95) (6 94) fill rgb 0 0 0 stroke none\n",
         {"a filled path of several parts at line 2 is made a group of one path per part: a host path has one part, so "
          "holes one part made in another are filled"}},
        {Svg("<line x2=\"1\" stroke=\"black\" fill=\"none\" stroke-dasharray=\"1 2 3 4 5 6 7 8\"/>"),
         "layer \"Layer 1\"\n  path \"\" open (0 100) (1 100) fill none stroke rgb 0 0 0 width 1 cap butt join miter "
         "miter 4 dash 1,2,3,4,5,6 offset 0\n",
         {"a dash pattern of more than 6 values at line 2 is cut to its first 6: the host holds at most 6"}},
        // A switch draws the first child that asks for nothing.
        {Svg("<switch><foreignObject requiredExtensions=\"x\"/>" + rect + "<circle r=\"5\"/></switch>"),
         "layer \"Layer 1\"\n  group \"\"\n    path \"\" closed (0 100) (1 100) (1 99) (0 99) fill rgb 0 0 0 stroke none\n",
         {}},
        {"<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\n<!-- made elsewhere -->\n"
         "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
         "<?xml-stylesheet href=\"x.css\"?>\n" + Svg(rect) + "<!-- after -->\n",
         square, {}},
    };
    for (const Foreign& c : cases)
        Check(c);
}

// Out of range and not finite: the object is skipped and said, the rest read.
TEST(SvgForeign, CoordinatesOutOfRangeSkipTheirObject)
{
    const std::string kept = "<line x2=\"1\" stroke=\"black\" fill=\"none\"/>";
    const std::string said = "an object with a coordinate or size out of range at line 2 is skipped: the host holds "
                             "finite values within 10000000 points of the origin";
    for (const char* bad : {
             "<path d=\"M0 0 L1e39 0\"/>",
             "<path d=\"M0 0 L1 0 A1e38 1e38 0 0 1 3e38 3e38\"/>",
             "<rect x=\"1e30\" width=\"1\" height=\"1\"/>",
             "<rect x=\"10000001\" width=\"1\" height=\"1\"/>",
             "<rect width=\"1\" height=\"1\" transform=\"scale(1e38) scale(1e38)\"/>",
             "<rect width=\"1\" height=\"1\" transform=\"translate(1e39)\"/>",
             "<line x2=\"1\" stroke=\"black\" stroke-width=\"1e30\"/>",
             "<text x=\"1e20\">far</text>",
             "<text font-size=\"1e20\">huge</text>",
         }) {
        Check({Svg(bad + ("\n" + kept)), "layer \"Layer 1\"\n  path \"\" open (0 100) (1 100)" + kStroke + "\n", {said}});
    }
    // "nan" and "inf" are no SVG numbers: the data stops there.
    Check({Svg("<path d=\"M0 0 L nan 0\"/>\n<path d=\"M inf 0\"/>"), "layer \"Layer 1\"\n  path \"\" open (0 100) fill rgb 0 0 0 stroke none\n",
           {"2 shapes whose data have errors are drawn up to the error (the first at line 2): what follows cannot be read"}});
}

TEST(SvgForeign, ArcsCirclesAndRoundedCornersAreCurves)
{
    const struct {
        std::string shape;
        std::vector<AIRealPoint> points; // the anchors, to within 1e-4
        bool closed;
        AIRealPoint firstOut;             // the first point's outgoing control point
    } cases[] = {
        {"<path d=\"M0 0 A10 10 0 0 1 20 0\"/>", {{0, 100}, {10, 110}, {20, 100}}, false, {0, 105.522847f}},
        {"<path d=\"M0 0 a10 10 0 1 0 20 0\"/>", {{0, 100}, {10, 90}, {20, 100}}, false, {0, 94.477153f}},
        {"<path d=\"M0 0 A5 5 0 0 1 40 0\"/>", {{0, 100}, {20, 120}, {40, 100}}, false, {0, 111.045695f}},
        {"<circle cx=\"50\" cy=\"50\" r=\"10\"/>", {{60, 50}, {50, 40}, {40, 50}, {50, 60}}, true, {60, 44.477153f}},
        {"<ellipse cx=\"50\" cy=\"50\" rx=\"20\" ry=\"10\"/>", {{70, 50}, {50, 40}, {30, 50}, {50, 60}}, true, {70, 44.477153f}},
        {"<ellipse cx=\"50\" cy=\"50\" rx=\"20\" ry=\"auto\"/>", {{70, 50}, {50, 30}, {30, 50}, {50, 70}}, true, {70, 38.954305f}},
        {"<rect width=\"20\" height=\"10\" rx=\"5\"/>",
         {{5, 100}, {15, 100}, {20, 95}, {20, 95}, {15, 90}, {5, 90}, {0, 95}, {0, 95}}, true, {5, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        const auto read = readSvg(Svg(c.shape), kFonts, 1);
        ASSERT_NE(read.document, nullptr) << read.refusal;
        EXPECT_EQ(read.skipped, std::vector<std::string>{});
        const auto& layer = read.document->art(read.document->layer(read.document->layers().front())->group)->children;
        ASSERT_EQ(layer.size(), 1u);
        const Art& path = *read.document->art(layer[0]);
        EXPECT_EQ(path.path().closed, c.closed);
        ASSERT_EQ(path.path().segments.size(), c.points.size());
        for (size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_NEAR(path.path().segments[i].p.h, c.points[i].h, 1e-4) << i;
            EXPECT_NEAR(path.path().segments[i].p.v, c.points[i].v, 1e-4) << i;
        }
        EXPECT_NEAR(path.path().segments[0].out.h, c.firstOut.h, 1e-4);
        EXPECT_NEAR(path.path().segments[0].out.v, c.firstOut.v, 1e-4);
    }
}

// Files that are not SVG, or not well-formed, or that would make the reader fetch, expand or
// nest without end: refused whole, saying why and where.
TEST(SvgForeign, BadFilesAreRefusedSayingWhy)
{
    std::string deep = kHead;
    for (int i = 0; i < 300; ++i)
        deep += "<g>\n";
    const struct {
        std::string input;
        std::string refusal;
    } cases[] = {
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE svg [\n<!ENTITY lol \"lol\">\n]>\n<svg/>",
         "the file cannot be read: line 2: the document type declares entities or an internal subset: external or "
         "declared entities are not read"},
        {"<!DOCTYPE svg SYSTEM \"file:///etc/passwd\">\n<svg>\n<text>&xxe;</text></svg>",
         "the file cannot be read: line 3: the entity &xxe; is not read: external or declared entities are not read"},
        {"<svg><!ENTITY a \"b\"></svg>",
         "the file cannot be read: line 1: an entity declaration: external or declared entities are not read"},
        {deep, "the file cannot be read: line 257: elements nest deeper than 256"},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\"><g>", "the file cannot be read: line 1: the file ends before <g> (line 1) is closed"},
        {"<svg>\n<rect x=\"1", "the file cannot be read: line 2: the value of the attribute x is not closed"},
        {"<svg>\n<rect x=\"1\"", "the file cannot be read: line 2: the file ends inside a tag"},
        {"<svg>\n<g>\n</svg>", "the file cannot be read: line 3: <g> (line 2) is closed by </svg>"},
        {"<svg><rect x=\"1\" x=\"2\"/></svg>", "the file cannot be read: line 1: the attribute x is given twice"},
        {"<svg><rect x=\"1\"y=\"2\"/></svg>", "the file cannot be read: line 1: a tag whose attributes cannot be read"},
        {"<svg><text>&#0;</text></svg>", "the file cannot be read: line 1: the character reference &#0; names no character XML allows"},
        {"<svg><text>a & b</text></svg>",
         "the file cannot be read: line 1: an '&' that begins no entity (write &amp; for the character)"},
        {"<svg>\n<text>\xFF</text></svg>", "the file cannot be read: line 2: bytes that are not UTF-8"},
        {"<svg>\n<text>\xE2\x82</text></svg>", "the file cannot be read: line 2: bytes that are not UTF-8"},
        {std::string("<svg>\n\n<text>a\0b</text></svg>", 29), "the file cannot be read: line 3: a NUL byte, which XML does not allow"},
        {"<svg><text>\x1B</text></svg>", "the file cannot be read: line 1: a control character (code 27) that XML does not allow"},
        {"\xFF\xFE<\0s\0v\0g\0", "the file cannot be read: line 1: the file is UTF-16; only UTF-8 is read"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><svg/>",
         "the file cannot be read: line 1: the file is encoded in ISO-8859-1; only UTF-8 is read"},
        {"<svg/><svg/>", "the file cannot be read: line 1: a second root element <svg>"},
        {"<svg/>trailing", "the file cannot be read: line 1: text after the root element"},
        {"hello", "the file cannot be read: line 1: text before the root element"},
        {"", "the file cannot be read: line 1: the file holds no element"},
        {"   \n  ", "the file cannot be read: line 2: the file holds no element"},
        {"<svg><!-- open", "the file cannot be read: line 1: a comment <!-- is not closed"},
        {"<html><body/></html>", "the file is not SVG: its root element is <html>, not <svg>"},
        {"<svg xmlns=\"http://example.com/other\"/>", "the file is not SVG: its root element <svg> is not in SVG's namespace"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 80));
        const auto read = readSvg(c.input, kFonts, 1);
        EXPECT_EQ(read.document, nullptr);
        EXPECT_EQ(read.refusal, c.refusal);
        EXPECT_EQ(read.skipped, std::vector<std::string>{});
    }
    // Just within the depth: read.
    std::string within = kHead;
    for (int i = 0; i < 255; ++i)
        within += "<g>";
    for (int i = 0; i < 255; ++i)
        within += "</g>";
    EXPECT_NE(readSvg(within + "</svg>", kFonts, 1).document, nullptr);
}

// The most objects and points a file may hold: one more is refused, never opened in part.
TEST(SvgForeign, TooManyObjectsOrPointsAreRefused)
{
    std::string groups = kHead;
    groups.reserve(host::render::kMostSvgObjects * 4 + 200);
    for (size_t i = 0; i < host::render::kMostSvgObjects; ++i)
        groups += "<g/>";
    const auto objects = readSvg(groups + "</svg>", kFonts, 1);
    EXPECT_EQ(objects.document, nullptr);
    EXPECT_EQ(objects.refusal, "the drawing holds more than 500000 objects (layers, groups, paths and texts); the host "
                               "reads at most that many");

    std::string points = kHead + std::string("<path d=\"M0 0");
    points.reserve(host::render::kMostSvgPoints * 3 + 200);
    for (size_t i = 0; i < host::render::kMostSvgPoints; ++i)
        points += "h1";
    const auto many = readSvg(points + "\"/></svg>", kFonts, 1);
    EXPECT_EQ(many.document, nullptr);
    EXPECT_EQ(many.refusal, "the drawing holds more than 4000000 path points; the host reads at most that many");
    // Across paths, too.
    std::string spread = kHead;
    for (size_t i = 0; i < 4; ++i) {
        spread += "<path d=\"M0 0";
        for (size_t k = 0; k < host::render::kMostSvgPoints / 4; ++k)
            spread += "h1";
        spread += "\"/>";
    }
    EXPECT_EQ(readSvg(spread + "</svg>", kFonts, 1).refusal,
              "the drawing holds more than 4000000 path points; the host reads at most that many");
}

} // namespace
} // namespace render_test
