// What plug-ins keep on groups, in the SVG: written as one JSON object typed by its JSON kinds,
// read back exactly; what is damaged or beyond the limits is skipped and said, the group kept.
#include "Documents.h"
#include "Svg.h"
#include "SvgDictionary.h"
#include "SvgReader.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace render_test {
namespace {

using host::doc::Dictionary;
using host::doc::DictionaryValue;
using host::render::dictionaryFromJson;
using host::render::dictionaryJson;
using host::render::ReadDictionary;
using Status = ReadDictionary::Status;

DictionaryValue text(const std::string& t)
{
    return std::make_shared<const std::string>(t);
}

Dictionary one(const std::string& key, DictionaryValue value)
{
    Dictionary dictionary;
    EXPECT_TRUE(dictionary.set(key, std::move(value))) << key;
    return dictionary;
}

// The same value, bit for bit where it is a real.
bool sameBits(const DictionaryValue& a, const DictionaryValue& b)
{
    if (const double* x = std::get_if<double>(&a)) {
        const double* y = std::get_if<double>(&b);
        return y != nullptr && std::memcmp(x, y, sizeof(double)) == 0;
    }
    return host::doc::sameValue(a, b);
}

TEST(SvgDictionary, EachKindIsWrittenAsItsJsonKindAndReadBackTheSame)
{
    const double smallest = std::numeric_limits<double>::denorm_min();
    const struct {
        DictionaryValue value;
        const char* json;
    } cases[] = {
        {int32_t{3}, R"({"k":3})"},
        {int32_t{-2147483647 - 1}, R"({"k":-2147483648})"},
        {int32_t{2147483647}, R"({"k":2147483647})"},
        {true, R"({"k":true})"},
        {false, R"({"k":false})"},
        {3.0, R"({"k":3.0})"}, // an integral real is still a real
        {-0.0, R"({"k":-0.0})"},
        {0.1, R"({"k":0.1})"},
        {1e300, R"({"k":1e+300})"},
        {smallest, R"({"k":5e-324})"},
        {std::numeric_limits<double>::max(), R"({"k":1.7976931348623157e+308})"},
        {text(""), R"({"k":""})"},
        {text("a \"quoted\" \\ line\nand\ttab"), R"({"k":"a \"quoted\" \\ line\nand\ttab"})"},
        {text("\x01\x1f"), R"({"k":"\u0001\u001f"})"},
        {text("<&'>"), R"({"k":"<&'>"})"}, // the XML writer escapes these
        {text("\xEF\xBF\xBE\xEF\xBF\xBF"), R"({"k":"\ufffe\uffff"})"}, // XML cannot hold them
        {text("Ann\u00e9e \U0001F600"), "{\"k\":\"Ann\u00e9e \U0001F600\"}"},
    };
    for (const auto& c : cases) {
        const Dictionary written = one("k", c.value);
        EXPECT_EQ(dictionaryJson(written), c.json);
        const ReadDictionary read = dictionaryFromJson(dictionaryJson(written));
        ASSERT_EQ(read.status, Status::Read) << c.json;
        ASSERT_NE(read.dictionary.find("k"), nullptr) << c.json;
        EXPECT_TRUE(sameBits(*read.dictionary.find("k"), c.value)) << c.json;
    }
}

TEST(SvgDictionary, EveryFiniteDoubleReadsBackBitForBit)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string json = dictionaryJson(one("r", value));
        const ReadDictionary read = dictionaryFromJson(json);
        ASSERT_EQ(read.status, Status::Read) << json;
        ASSERT_TRUE(sameBits(*read.dictionary.find("r"), value)) << json;
    }
}

TEST(SvgDictionary, WhatTheWriterWouldNotWriteIsDamagedOrBeyondTheLimits)
{
    const std::string longKey(Dictionary::kMostKeyBytes + 1, 'k');
    const std::string longText(Dictionary::kMostTextBytes + 1, 't');
    std::string manyEntries = "{";
    for (size_t i = 0; i <= Dictionary::kMostEntries; ++i)
        manyEntries += (i > 0 ? ",\"" : "\"") + std::to_string(i) + "\":0";
    manyEntries += "}";
    const std::string mebibyte(Dictionary::kMostTextBytes - 1, 'x');
    std::string manyBytes = "{";
    for (int i = 0; i < 9; ++i)
        manyBytes += (i > 0 ? ",\"" : "\"") + std::to_string(i) + "\":\"" + mebibyte + "\"";
    manyBytes += "}";
    const struct {
        const char* what;
        std::string json;
        Status status;
    } cases[] = {
        {"an empty object", "{}", Status::Read},
        {"white space around", " { \"a\" : 1 } ", Status::Read},
        {"not JSON", "{a:1}", Status::Damaged},
        {"cut short", "{\"a\":1", Status::Damaged},
        {"more after the object", "{\"a\":1}x", Status::Damaged},
        {"two objects", "{}{}", Status::Damaged},
        {"nothing", "", Status::Damaged},
        {"an array", "[1,2]", Status::Damaged},
        {"a number alone", "3", Status::Damaged},
        {"a text alone", "\"a\"", Status::Damaged},
        {"null", "{\"a\":null}", Status::Damaged},
        {"an array as a value", "{\"a\":[]}", Status::Damaged},
        {"an object as a value", "{\"a\":{}}", Status::Damaged},
        {"a key twice", "{\"a\":1,\"a\":2}", Status::Damaged},
        {"an integer past 32 bits", "{\"a\":2147483648}", Status::Damaged},
        {"an integer below 32 bits", "{\"a\":-2147483649}", Status::Damaged},
        {"an integer past 64 bits", "{\"a\":123456789012345678901234567890}", Status::Damaged},
        {"a real past a double", "{\"a\":1e400}", Status::Damaged},
        {"an empty key", "{\"\":1}", Status::Damaged},
        {"NUL in a key", "{\"a\\u0000b\":1}", Status::Damaged},
        {"NUL in a text", "{\"a\":\"x\\u0000\"}", Status::Damaged},
        {"half a surrogate pair", "{\"a\":\"\\ud800\"}", Status::Damaged},
        {"bytes that are not UTF-8", "{\"a\":\"\xff\"}", Status::Damaged},
        {"a key of 256 bytes", "{\"" + longKey + "\":1}", Status::TooLarge},
        {"a text past 1 MiB", "{\"a\":\"" + longText + "\"}", Status::TooLarge},
        {"one entry too many", manyEntries, Status::TooLarge},
        {"past 8 MiB in all", manyBytes, Status::TooLarge},
        {"deep arrays", std::string(100000, '[') + std::string(100000, ']'), Status::Damaged},
    };
    for (const auto& c : cases) {
        const ReadDictionary read = dictionaryFromJson(c.json);
        EXPECT_EQ(read.status, c.status) << c.what;
        EXPECT_TRUE(c.status == Status::Read || read.dictionary.empty()) << c.what;
    }
}

// A document whose layer and groups keep dictionaries, one group empty.
struct Kept : Papier {
    Kept()
    {
        const AIArtHandle layerGroup = document.layer(document.layers().front())->group;
        document.edit(layerGroup)->dictionary = one("layer", true);
        Art& table = nouveau(ArtKind::Group, kPlaceAboveAll, nullptr, "Table");
        table.dictionary = one("NombreLignes", int32_t{3});
        table.dictionary.set("Titre", text("\"Ann\u00e9e\"\n<1>"));
        table.dictionary.set("Epaisseur", 4.0);
        const AIArtHandle outer = dernier();
        chemin(outer, {{0, 0}, {10, 10}}, false, "rule");
        nouveau(ArtKind::Group, kPlaceInsideOnTop, outer, "Empty").dictionary = one("z", -0.0);
    }
};

TEST(SvgDictionary, TheHostsOwnFileReadsBackEveryDictionaryAndWritesTheSameBytes)
{
    Kept kept;
    const std::string written = host::render::svgOf(kept.document, kept.fonts);
    EXPECT_EQ(host::render::svgOf(kept.document, kept.fonts), written) << "written twice, the same bytes";
    EXPECT_NE(written.find(" inkscape:label=\"Table\" data-dictionary=\"{&quot;Epaisseur&quot;:4.0,&quot;NombreLignes&quot;:3,"
                           "&quot;Titre&quot;:&quot;\\&quot;Ann\u00e9e\\&quot;\\n&lt;1&gt;&quot;}\">"),
              std::string::npos)
        << written;

    const auto read = host::render::readSvg(written, kept.fonts, 1);
    ASSERT_NE(read.document, nullptr) << read.refusal;
    EXPECT_TRUE(read.skipped.empty()) << read.skipped.front();
    const host::doc::Document& again = *read.document;
    EXPECT_TRUE(again.art(again.layer(again.layers().front())->group)->dictionary == one("layer", true));
    const AIArtHandle table = again.art(again.layer(again.layers().front())->group)->children.front();
    EXPECT_TRUE(again.art(table)->dictionary == kept.document.art(kept.handles[0])->dictionary);
    const auto& inside = again.art(table)->children;
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_TRUE(again.art(inside[0])->dictionary.empty()) << "a path keeps none";
    EXPECT_TRUE(sameBits(*again.art(inside[1])->dictionary.find("z"), -0.0));
    EXPECT_EQ(host::render::svgOf(again, kept.fonts), written);
}

TEST(SvgDictionary, ADamagedDictionaryIsSkippedAndSaidAndItsGroupKept)
{
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\">\n"
        "<g inkscape:groupmode=\"layer\" inkscape:label=\"L\">\n"
        "<g inkscape:label=\"good\" data-dictionary=\"{&quot;a&quot;:1}\"/>\n"
        "<g inkscape:label=\"null\" data-dictionary=\"{&quot;a&quot;:null}\"><path d=\"M0 0 L1 1\"/></g>\n"
        "<g inkscape:label=\"json\" data-dictionary=\"{a}\"/>\n"
        "<g inkscape:label=\"long\" data-dictionary=\"{&quot;" + std::string(300, 'k') + "&quot;:1}\"/>\n"
        "<path data-dictionary=\"{&quot;a&quot;:1}\" d=\"M0 0 L1 1\"/>\n"
        "</g>\n</svg>\n";
    const host::doc::FontList fonts(std::vector<std::string>{"Test Sans"});
    const auto read = host::render::readSvg(svg, fonts, 1);
    ASSERT_NE(read.document, nullptr) << read.refusal;
    EXPECT_EQ(read.skipped,
              (std::vector<std::string>{
                  "2 damaged dictionaries are skipped (the first at line 4): a group's dictionary is one JSON object of "
                  "whole numbers within 32 bits, reals, true or false, and texts, each key once",
                  "a dictionary beyond the host's limits at line 6 is skipped: the host holds at most 200000 entries, "
                  "keys of 1 to 255 bytes, texts of at most 1 MiB, and 8 MiB of keys and texts in all"}));
    const host::doc::Document& document = *read.document;
    const auto& art = document.art(document.layer(document.layers().front())->group)->children;
    ASSERT_EQ(art.size(), 5u) << "every group kept, and the path";
    const char* names[] = {"good", "null", "json", "long", ""};
    for (size_t i = 0; i < art.size(); ++i) {
        EXPECT_EQ(document.art(art[i])->name, names[i]);
        EXPECT_EQ(document.art(art[i])->dictionary.size(), i == 0 ? 1u : 0u) << names[i];
    }
    EXPECT_EQ(document.art(art[1])->children.size(), 1u) << "what the group holds is read";
}

} // namespace
} // namespace render_test
