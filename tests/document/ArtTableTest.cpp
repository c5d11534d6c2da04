// The document's art by handle: the slot last reached is found again at once, and forgotten
// whenever what it held goes.
#include "document/ArtTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace {

using host::doc::Art;
using host::doc::ArtKind;
using host::doc::ArtTable;

Art named(const char* name)
{
    Art art;
    art.name = name;
    return art;
}

TEST(ArtTable, WhatTheLastSlotReachedHeldIsForgottenWhenItGoes)
{
    constexpr uintptr_t kId = 7;
    const struct {
        const char* what;
        std::function<void(ArtTable&)> after;
        const char* name; // of the art found at kId afterwards; null for none
    } cases[] = {
        {"nothing", [](ArtTable&) {}, "made"},
        {"the art erased", [](ArtTable& table) { table.erase(kId); }, nullptr},
        {"the art erased and made again", [](ArtTable& table) {
             table.erase(kId);
             table.make(kId, ArtKind::Group).art.name = "again";
         }, "again"},
        {"another art put in its place", [](ArtTable& table) { table.put(kId, named("put")); }, "put"},
        {"another handle reached, then this one erased", [](ArtTable& table) {
             table.make(kId + 1, ArtKind::Group);
             table.erase(kId);
         }, nullptr},
        {"every art erased, its page let go", [](ArtTable& table) {
             table.erase(kId + 1);
             table.erase(kId);
         }, nullptr},
    };
    for (const auto& each : cases) {
        ArtTable table;
        table.make(kId + 1, ArtKind::Group);
        table.make(kId, ArtKind::Group).art.name = "made";
        ASSERT_NE(table.slot(kId), nullptr) << each.what;
        each.after(table);
        const ArtTable& constant = table;
        if (each.name == nullptr) {
            EXPECT_EQ(constant.find(kId), nullptr) << each.what;
            EXPECT_EQ(table.find(kId), nullptr) << each.what;
            EXPECT_EQ(table.slot(kId), nullptr) << each.what;
        } else {
            ASSERT_NE(constant.find(kId), nullptr) << each.what;
            EXPECT_EQ(constant.find(kId)->name, each.name) << each.what;
            EXPECT_EQ(table.find(kId), constant.find(kId)) << each.what;
        }
        EXPECT_EQ(constant.find(0), nullptr) << each.what << ": handle 0 is never art's";
    }
}

TEST(ArtTable, AMovedTableKeepsItsArtAndTheOneMovedFromHasNone)
{
    ArtTable from;
    from.make(3, ArtKind::Group).art.name = "three";
    ArtTable to(std::move(from));
    ASSERT_NE(to.find(3), nullptr);
    EXPECT_EQ(to.find(3)->name, "three");
    EXPECT_EQ(std::as_const(from).find(3), nullptr);
    EXPECT_EQ(from.size(), 0u);

    ArtTable again;
    again.make(4, ArtKind::Group);
    again = std::move(to);
    EXPECT_EQ(again.find(4), nullptr) << "what it held before is gone";
    ASSERT_NE(again.find(3), nullptr);
    EXPECT_EQ(std::as_const(to).find(3), nullptr);
    EXPECT_EQ(to.size(), 0u);
}

} // namespace
