// Whatever names and texts the document holds, the SVG reads back through an XML parser, and
// what it reads is what the document holds (less what XML cannot carry).
#include "Documents.h"
#include "Svg.h"
#include "document/Unicode.h"

#include <expat.h>

#include <map>

namespace render_test {
namespace {

constexpr const char* kSvg = "http://www.w3.org/2000/svg ";
constexpr const char* kLabel = "http://www.inkscape.org/namespaces/inkscape label";

// Every element as the parser read it, in document order, with its namespaces resolved.
struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text; // the character data directly inside it
};

struct Lecture {
    std::vector<Element> elements;
    std::vector<size_t> open;
    std::string error;
};

Lecture Lis(const std::string& svg)
{
    Lecture lecture;
    XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
    XML_SetUserData(parser, &lecture);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& l = *static_cast<Lecture*>(data);
            Element element{name, {}, {}};
            for (size_t i = 0; attributes[i] != nullptr; i += 2)
                element.attributes[attributes[i]] = attributes[i + 1];
            l.open.push_back(l.elements.size());
            l.elements.push_back(std::move(element));
        },
        [](void* data, const XML_Char*) { static_cast<Lecture*>(data)->open.pop_back(); });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        auto& l = *static_cast<Lecture*>(data);
        if (!l.open.empty())
            l.elements[l.open.back()].text.append(text, static_cast<size_t>(length));
    });
    if (XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), XML_TRUE) != XML_STATUS_OK)
        lecture.error = std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line " +
                        std::to_string(XML_GetCurrentLineNumber(parser));
    XML_ParserFree(parser);
    return lecture;
}

TEST(WellFormed, NamesTitlesFontsAndTextsReadBackAsHeld)
{
    const std::string fffd = "\xEF\xBF\xBD";
    const struct {
        std::string held;
        std::string read; // what a reader of the file gets back
    } cases[] = {
        {"Table", "Table"},
        {"</text><script>alert(1)</script>", "</text><script>alert(1)</script>"},
        {"\"/><g onload=\"x\" a='b'", "\"/><g onload=\"x\" a='b'"},
        {"]]> & &amp; &#0; <!-- -->", "]]> & &amp; &#0; <!-- -->"},
        {"tab\tline\nreturn\r", "tab\tline\nreturn\r"},
        {std::string("nul\0bell\x07 esc\x1b", 14), "nul" + fffd + "bell" + fffd + " esc" + fffd},
        {"\xF0\x9F\x93\x8A \xE2\x82\xAC \xC3\xA9", "\xF0\x9F\x93\x8A \xE2\x82\xAC \xC3\xA9"},
        {"stray \xFF and cut \xE2\x82", "stray " + fffd + " and cut " + fffd + fffd},
        {"", ""},
    };
    for (const auto& c : cases) {
        Papier papier;
        papier.fonts = host::doc::FontList(std::vector<std::string>{c.held});
        papier.document.editLayer(papier.document.currentLayer())->title = c.held;
        papier.nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, c.held);
        Art& texte = papier.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr, c.held);
        // The text engine holds UTF-16 only: bytes that are not UTF-8 never reach it.
        if (!host::doc::utf8ToUtf16(c.held, &texte.pointText().text)) {
            ASSERT_TRUE(host::doc::utf8ToUtf16(c.read, &texte.pointText().text));
        }

        const std::string svg = host::render::svgOf(papier.document, papier.fonts);
        const Lecture lecture = Lis(svg);
        ASSERT_EQ(lecture.error, "") << c.held << "\n" << svg;
        // The root, the flip, the layer, then the group and the text in paint order.
        ASSERT_EQ(lecture.elements.size(), 5u) << svg;
        EXPECT_EQ(lecture.elements[0].name, kSvg + std::string("svg"));
        const Element& layer = lecture.elements[2];
        const Element& group = lecture.elements[3];
        const Element& text = lecture.elements[4];
        EXPECT_EQ(layer.attributes.at("http://www.inkscape.org/namespaces/inkscape groupmode"), "layer");
        EXPECT_EQ(layer.attributes.at(kLabel), c.read);
        ASSERT_EQ(text.name, kSvg + std::string("text"));
        EXPECT_EQ(text.attributes.at("font-family"), c.read);
        EXPECT_EQ(text.text, c.read);
        ASSERT_EQ(group.name, kSvg + std::string("g"));
        if (c.held.empty()) {
            EXPECT_EQ(group.attributes.count(kLabel), 0u) << "unnamed art carries no label";
            continue;
        }
        EXPECT_EQ(group.attributes.at(kLabel), c.read);
        EXPECT_EQ(text.attributes.at(kLabel), c.read);
    }
}

} // namespace
} // namespace render_test
