// The pages that keep objects by handle: found by any number, mad or not, and brought back
// after their page went, from before the first page kept as from after the last.
#include "document/PagedTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using host::doc::PagedTable;

std::vector<std::string> all(const PagedTable<std::string>& table)
{
    std::vector<std::string> seen;
    table.forEach([&](const std::string& value) { seen.push_back(value); });
    return seen;
}

TEST(PagedTable, ObjectsComeAndGoInRunsAndComeBackFromBeforeTheFirstPage)
{
    constexpr uintptr_t kFirst = uintptr_t{1} << 40;
    PagedTable<std::string> table(kFirst);
    // Three runs of handles, far apart: pages come for each and go with their last object.
    for (uintptr_t id = kFirst; id < kFirst + 3000; ++id)
        table.emplace(id, std::to_string(id - kFirst));
    EXPECT_EQ(table.size(), 3000u);
    for (uintptr_t id = kFirst; id < kFirst + 2990; ++id)
        ASSERT_TRUE(table.erase(id));
    EXPECT_EQ(all(table).front(), "2990") << "what is left, in the order of the handles";
    EXPECT_EQ(table.size(), 10u);

    const struct {
        const char* what;
        uintptr_t id;
    } nothing[] = {
        {"null", 0},
        {"a handle erased", kFirst + 5},
        {"one never given", kFirst + 100'000},
        {"a number below every page", 17},
        {"the largest number", UINTPTR_MAX},
    };
    for (const auto& each : nothing) {
        EXPECT_EQ(table.find(each.id), nullptr) << each.what;
        EXPECT_FALSE(table.erase(each.id)) << each.what;
    }

    // An undo brings back handles whose pages went, before the first page kept; objects made
    // elsewhere, far away included, move none of those there.
    const std::string* const kept = table.find(kFirst + 2999);
    table.emplace(kFirst + 1, "back");
    ASSERT_NE(table.find(kFirst + 1), nullptr);
    EXPECT_EQ(*table.find(kFirst + 1), "back");
    table.emplace(kFirst + 5000, "later");
    table.emplace(kFirst << 2, "far");
    EXPECT_EQ(table.find(kFirst + 2999), kept) << "the later ones stay where they were";
    EXPECT_EQ(*kept, "2999");
    ASSERT_TRUE(table.erase(kFirst + 5000));
    ASSERT_TRUE(table.erase(kFirst << 2));
    EXPECT_EQ(all(table).front(), "back");

    // Emptied, then used again from anywhere.
    for (uintptr_t id : {kFirst + 1, kFirst + 2990, kFirst + 2991, kFirst + 2992, kFirst + 2993, kFirst + 2994,
                         kFirst + 2995, kFirst + 2996, kFirst + 2997, kFirst + 2998, kFirst + 2999})
        ASSERT_TRUE(table.erase(id));
    EXPECT_EQ(table.size(), 0u);
    EXPECT_TRUE(all(table).empty());
    table.emplace(3, "low");
    table.emplace(kFirst + 9000, "high");
    EXPECT_EQ(all(table), (std::vector<std::string>{"low", "high"}));
}

// An object whose making throws when asked to, and that counts the objects alive.
struct Counted {
    static inline int alive = 0;
    explicit Counted(bool fail)
    {
        if (fail)
            throw std::runtime_error("refused");
        ++alive;
    }
    Counted(const Counted&) = delete;
    ~Counted() { --alive; }
};

TEST(PagedTable, AnObjectWhoseMakingThrowsLeavesItsPlaceEmptyAndTheTableDestroysWhatItHolds)
{
    {
        PagedTable<Counted> table(1);
        table.emplace(1, false);
        table.emplace(2, false);
        EXPECT_THROW(table.emplace(3, true), std::runtime_error);
        EXPECT_EQ(table.find(3), nullptr);
        EXPECT_THROW(table.emplace(2, true), std::runtime_error) << "in the place of one alive";
        EXPECT_EQ(table.find(2), nullptr) << "the one replaced went, as with std::optional";
        EXPECT_EQ(table.size(), 1u);
        EXPECT_EQ(Counted::alive, 1);
        EXPECT_NE(table.find(1), nullptr);
        table.emplace(700, false); // on a page of its own
        EXPECT_EQ(Counted::alive, 2);
    }
    EXPECT_EQ(Counted::alive, 0) << "the table's pages destroyed what they held";
}

} // namespace
