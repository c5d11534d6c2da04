// The dictionary art carries: when two values are the same, and copies that share their
// entries until one of them changes. (What a key and a value may be is the suite's test, and
// the SVG reader's.)
#include "document/Dictionary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using host::doc::Dictionary;
using host::doc::DictionaryValue;

DictionaryValue text(const std::string& t)
{
    return std::make_shared<const std::string>(t);
}

TEST(Dictionary, ValuesAreTheSameOnlyOfOneKindAndBitForBit)
{
    const struct {
        DictionaryValue a, b;
        bool same;
    } cases[] = {
        {int32_t{1}, int32_t{1}, true},
        {int32_t{1}, true, false},
        {int32_t{1}, 1.0, false},
        {0.0, -0.0, false},
        {0.1, 0.1, true},
        {text("a"), text("a"), true},
        {text("a"), text("b"), false},
        {false, false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::doc::sameValue(c.a, c.b), c.same) << c.a.index() << " " << c.b.index();
}

TEST(Dictionary, CopiesShareTheirEntriesUntilOneChanges)
{
    Dictionary original;
    ASSERT_TRUE(original.set("title", text("a text longer than a small-string buffer")));
    ASSERT_TRUE(original.set("n", int32_t{1}));
    EXPECT_EQ(original.bytes(), 5u + 40u + 1u);
    const char* title = std::get<host::doc::DictionaryText>(*original.find("title"))->c_str();

    Dictionary copy = original;
    EXPECT_EQ(&copy.entries(), &original.entries()) << "a copy shares the entries";
    ASSERT_TRUE(copy.set("n", int32_t{2}));
    EXPECT_NE(&copy.entries(), &original.entries()) << "the change made it its own";
    EXPECT_EQ(std::get<int32_t>(*original.find("n")), 1);
    EXPECT_EQ(std::get<host::doc::DictionaryText>(*copy.find("title"))->c_str(), title) << "the text is still shared";
    EXPECT_FALSE(copy == original);
    ASSERT_TRUE(copy.set("n", int32_t{1}));
    EXPECT_TRUE(copy == original) << "equal entries, each its own";

    EXPECT_TRUE(copy.erase("n"));
    EXPECT_FALSE(copy.erase("n"));
    EXPECT_TRUE(copy.erase("title"));
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(copy.bytes(), 0u);
    EXPECT_TRUE(copy == Dictionary());
    EXPECT_EQ(original.size(), 2u);
}

} // namespace
