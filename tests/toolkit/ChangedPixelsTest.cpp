// The part of a window presented again: every differing pixel inside it, each of its edges on
// one, and the bytes that pad a row never counted.
#include "ChangedPixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace ns::platform {
namespace {

constexpr int kWidth = 7, kHeight = 5, kStride = 32; // 4 bytes of padding at the end of each row

struct Pictures {
    std::vector<unsigned char> before = std::vector<unsigned char>(kStride * kHeight, 0x40);
    std::vector<unsigned char> after = before;
    void change(int x, int y, int channel = 0) { after[static_cast<size_t>(y * kStride + x * 4 + channel)] ^= 0x01; }
    PixelRect changed() const { return changedPixels(before.data(), after.data(), kWidth, kHeight, kStride); }
};

struct Case {
    const char* name;
    std::vector<std::pair<int, int>> pixels;
    PixelRect expected;
};

TEST(ChangedPixels, IsTheBoxOfTheChangedPixels)
{
    const std::vector<Case> cases = {
        {"nothing changed", {}, {}},
        {"one pixel", {{3, 2}}, {3, 2, 1, 1}},
        {"opposite corners", {{0, 0}, {6, 4}}, {0, 0, kWidth, kHeight}},
        {"a row's last pixel and another row's first", {{6, 1}, {0, 3}}, {0, 1, kWidth, 3}},
        {"a box inside", {{2, 1}, {4, 1}, {3, 3}}, {2, 1, 3, 3}},
        {"one column", {{5, 0}, {5, 4}}, {5, 0, 1, kHeight}},
    };
    for (const Case& c : cases) {
        Pictures p;
        for (auto [x, y] : c.pixels)
            p.change(x, y, 3);
        EXPECT_EQ(p.changed(), c.expected) << c.name;
    }
}

TEST(ChangedPixels, PaddingBetweenRowsIsNotPicture)
{
    Pictures p;
    p.after[kWidth * 4 + 1] = 0x99;
    p.after[3 * kStride + kStride - 1] = 0x99;
    EXPECT_TRUE(p.changed().empty());
}

// Random changes, and the rectangle checked against every pixel: nothing that differs lies
// outside it, and each of its four edges holds a pixel that differs.
TEST(ChangedPixels, HoldsEveryChangeAndNoMore)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        Pictures p;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i)
            p.change(static_cast<int>(random() % kWidth), static_cast<int>(random() % kHeight),
                     static_cast<int>(random() % 4));
        const PixelRect r = p.changed();
        bool edges[4] = {};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const size_t at = static_cast<size_t>(y * kStride + x * 4);
                if (std::equal(p.before.begin() + at, p.before.begin() + at + 4, p.after.begin() + at))
                    continue;
                ASSERT_TRUE(x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) << "trial " << trial;
                edges[0] |= x == r.x;
                edges[1] |= x == r.x + r.width - 1;
                edges[2] |= y == r.y;
                edges[3] |= y == r.y + r.height - 1;
            }
        if (!r.empty())
            EXPECT_TRUE(edges[0] && edges[1] && edges[2] && edges[3]) << "trial " << trial;
        else
            EXPECT_EQ(p.before, p.after) << "trial " << trial;
    }
}

} // namespace
} // namespace ns::platform
