// The slots that keep short-lived objects by handle: taken again as soon as they are given
// back, yet no handle comes twice and no stale or foreign one finds anything.
#include "document/SlotTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

using host::doc::SlotTable;
using Table = SlotTable<std::string>;

TEST(SlotTable, SlotsAreTakenAgainButNoHandleComesTwice)
{
    Table table;
    std::set<uintptr_t> given;
    std::vector<uintptr_t> stale;
    // As a text frame's references come and go: a few made, then given back, the last first,
    // many times over; one of them kept alive across the turns.
    const uintptr_t kept = table.emplace("kept").handle;
    for (int turn = 0; turn < 200; ++turn) {
        std::vector<uintptr_t> alive;
        for (int i = 0; i < 5; ++i) {
            const uintptr_t handle = table.emplace(std::to_string(turn * 5 + i)).handle;
            ASSERT_TRUE(given.insert(handle).second) << "handle given out twice at turn " << turn;
            alive.push_back(handle);
        }
        for (auto it = alive.rbegin(); it != alive.rend(); ++it) {
            ASSERT_NE(table.find(*it), nullptr);
            ASSERT_TRUE(table.erase(*it));
            stale.push_back(*it);
        }
    }
    EXPECT_EQ(table.size(), 1u);
    ASSERT_NE(table.find(kept), nullptr);
    EXPECT_EQ(*table.find(kept), "kept");
    // Every handle given back finds nothing, though its slot holds another object now.
    const uintptr_t fresh = table.emplace("fresh").handle;
    for (uintptr_t handle : stale) {
        ASSERT_EQ(table.find(handle), nullptr);
        ASSERT_FALSE(table.erase(handle));
    }
    EXPECT_EQ(*table.find(fresh), "fresh");
}

TEST(SlotTable, ForeignHandlesFindNothing)
{
    Table table;
    const uintptr_t handle = table.emplace("one").handle;
    const uintptr_t index = handle & Table::kIndexMask;
    const struct {
        const char* what;
        uintptr_t handle;
    } foreign[] = {
        {"null", 0},
        {"a document's handle", 17},
        {"a handle counted from far above the document's", uintptr_t{1} << 40},
        {"the slot's index without the mark", handle & ~Table::kMark},
        {"the mark alone", Table::kMark},
        {"the slot under another number", handle + (uintptr_t{1} << Table::kIndexBits)},
        {"a slot never made", (handle & ~Table::kIndexMask) | (index + 1)},
        {"the largest number", UINTPTR_MAX},
    };
    for (const auto& each : foreign) {
        EXPECT_EQ(table.find(each.handle), nullptr) << each.what;
        EXPECT_FALSE(table.erase(each.handle)) << each.what;
    }
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(*table.find(handle), "one");
}

TEST(SlotTable, ObjectsStayWhereTheyWereMadeAndTheSlotsGoWhenAllAreGivenBack)
{
    Table table;
    std::vector<uintptr_t> handles;
    std::vector<const std::string*> places;
    for (int i = 0; i < 1000; ++i) {
        const auto made = table.emplace(std::to_string(i));
        handles.push_back(made.handle);
        places.push_back(&made.value);
    }
    for (size_t i = 0; i < handles.size(); ++i)
        ASSERT_EQ(table.find(handles[i]), places[i]) << "object " << i << " moved";

    std::vector<std::string> seen;
    table.forEach([&](const std::string& value) { seen.push_back(value); });
    EXPECT_EQ(seen.size(), 1000u);
    EXPECT_EQ(seen.front(), "0");

    for (uintptr_t handle : handles)
        ASSERT_TRUE(table.erase(handle));
    EXPECT_EQ(table.size(), 0u);
    // Emptied, the slots start again from the first, under numbers never given before.
    const uintptr_t again = table.emplace("again").handle;
    for (uintptr_t handle : handles) {
        ASSERT_NE(again, handle);
        ASSERT_EQ(table.find(handle), nullptr);
    }
    EXPECT_EQ(*table.find(again), "again");
}

} // namespace
