// How the exports write numbers, colours and text.
#include "Colors.h"
#include "Numbers.h"
#include "Xml.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

TEST(Numbers, PlainDecimalsThatReadBackAsTheSameFloat)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0, "0"},           {-0.0f, "0"},        {73.5f, "73.5"},        {-18.96f, "-18.96"},
        {595.28f, "595.28"}, {0.1f, "0.1"},       {1e-7f, "0.0000001"},   {3e10f, "30000001024"}, // whole numbers exactly as the float holds them
        {123456.79f, "123456.79"},
        {std::numeric_limits<float>::quiet_NaN(), "0"},
        {std::numeric_limits<float>::infinity(), "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::render::formatNumber(c.value), c.text) << c.value;

    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinates(-20000, 20000);
    for (int i = 0; i < 10000; ++i) {
        const float value = coordinates(random) / static_cast<float>(1 << (i % 12));
        const std::string text = host::render::formatNumber(value);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
    }
}

AIColor Couleur(AIColorTag kind, float a, float b = 0, float c = 0, float d = 0)
{
    AIColor color{};
    color.kind = kind;
    if (kind == kGrayColor)
        color.c.g.gray = a;
    else if (kind == kThreeColor)
        color.c.rgb = {a, b, c};
    else
        color.c.f = {a, b, c, d};
    return color;
}

TEST(Colors, EachKindForDisplayAndAsHeld)
{
    const struct {
        AIColor color;
        const char* css;
        const char* held;
    } cases[] = {
        {Couleur(kGrayColor, 0), "rgb(255,255,255)", "gray 0"},
        {Couleur(kGrayColor, 1), "rgb(0,0,0)", "gray 1"},
        {Couleur(kGrayColor, 0.5f), "rgb(128,128,128)", "gray 0.5"},
        {Couleur(kThreeColor, 1, 0.2f, 0), "rgb(255,51,0)", "rgb 1 0.2 0"},
        {Couleur(kFourColor, 0, 0, 0, 1), "rgb(0,0,0)", "cmyk 0 0 0 1"},
        {Couleur(kFourColor, 1, 0, 0, 0), "rgb(0,255,255)", "cmyk 1 0 0 0"},
        {Couleur(kFourColor, 0, 0.6f, 0.9f, 0.5f), "rgb(128,51,13)", "cmyk 0 0.6 0.9 0.5"},
        {Couleur(kGrayColor, 2), "rgb(0,0,0)", "gray 2"}, // shown clamped, written as held
        {Couleur(kNoneColor, 0), "none", "none"},
        {Couleur(kPattern, 0), "none", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(host::render::cssColor(c.color), c.css) << c.held;
        EXPECT_EQ(host::render::heldColor(c.color), c.held);
    }
}

// What a reader gets back of every kind of text is the well-formedness test's; here, the
// forms it is written in.
TEST(Xml, NoTextCanBreakTheFile)
{
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"</text><script>alert(1)</script>", "&lt;/text&gt;&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"say \"hi\" or 'ho'", "say &quot;hi&quot; or &apos;ho&apos;"},
        {"tab\there\nline\rend", "tab&#9;here&#10;line&#13;end"},
        {"noncharacter \xEF\xBF\xBE", "noncharacter \xEF\xBF\xBD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::render::escapeXml(c.text), c.written) << c.text;
}

} // namespace
