// The pictures and sounds the bundle carries: each opens as what its name says, with the
// layout its readers expect.
#include "Image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

uint32_t Big32(const Bytes& b, size_t at)
{
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

uint16_t Big16(const Bytes& b, size_t at)
{
    return static_cast<uint16_t>(b[at] << 8 | b[at + 1]);
}

std::string Tag(const Bytes& b, size_t at)
{
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

// An 80-bit IEEE extended number, as AIFF writes its sample rate.
double Extended(const Bytes& b, size_t at)
{
    const int exponent = (Big16(b, at) & 0x7FFF) - 16383;
    const uint64_t mantissa = uint64_t{Big32(b, at + 2)} << 32 | Big32(b, at + 6);
    return std::ldexp(static_cast<double>(mantissa), exponent - 63) * ((b[at] & 0x80) ? -1 : 1);
}

double Luminance(uint32_t argb)
{
    return 0.299 * ((argb >> 16) & 0xFF) + 0.587 * ((argb >> 8) & 0xFF) + 0.114 * (argb & 0xFF);
}

TEST(BundleResources, EachPictureIsAPngOfItsSizeWithLinesOnTransparent)
{
    const struct {
        const char* name;
        int width, height;
    } pictures[] = {{"IconePanneauReduit.png", 23, 18}, {"16051.png", 24, 24}, {"16052.png", 24, 24}};
    std::vector<double> lines; // the luminance of each picture's lines
    for (const auto& p : pictures) {
        const fs::path path = fs::path(VARO_RESOURCES_DIR) / p.name;
        // The toolkit reads it as a PNG (through cairo): every pixel clear or opaque, some of each.
        const auto image = ns::Image::imageWithContentsOfFile(path);
        ASSERT_NE(image, nullptr) << p.name;
        EXPECT_EQ(image->size().width, p.width) << p.name;
        EXPECT_EQ(image->size().height, p.height) << p.name;
        int clear = 0, opaque = 0;
        uint32_t line = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const uint32_t pixel = image->pixelAt(x, y);
                const uint32_t alpha = pixel >> 24;
                clear += alpha == 0;
                opaque += alpha == 0xFF;
                if (alpha == 0xFF)
                    line = pixel;
            }
        EXPECT_EQ(clear + opaque, p.width * p.height) << p.name;
        EXPECT_GT(opaque, p.width) << p.name;
        EXPECT_GT(clear, opaque) << p.name << ": lines, not a block";
        EXPECT_EQ(image->pixelAt(0, 0) >> 24, 0u) << p.name << ": a clear margin";
        lines.push_back(Luminance(line));
    }
    EXPECT_LT(lines[1], 100) << "16051 is drawn dark, for light interfaces";
    EXPECT_GT(lines[2], 180) << "16052 is drawn light, for dark interfaces";
}

TEST(BundleResources, EachSoundIsAShortMonoAiffWhoseChunksFillItsForm)
{
    for (const char* name : {"Pop.aiff", "Bruit.aiff", "Tink.aiff"}) {
        const Bytes bytes = ReadFile(fs::path(VARO_RESOURCES_DIR) / name);
        ASSERT_GE(bytes.size(), 12u) << name;
        EXPECT_EQ(Tag(bytes, 0), "FORM") << name;
        EXPECT_EQ(Big32(bytes, 4), bytes.size() - 8) << name;
        EXPECT_EQ(Tag(bytes, 8), "AIFF") << name;

        // Walk the chunks: each whole within the form, even-padded, COMM before SSND.
        uint32_t frames = 0, channels = 0, bits = 0, soundBytes = 0;
        double rate = 0;
        bool comm = false, ssnd = false;
        size_t at = 12;
        while (at + 8 <= bytes.size()) {
            const std::string tag = Tag(bytes, at);
            const uint32_t size = Big32(bytes, at + 4);
            ASSERT_LE(at + 8 + size, bytes.size()) << name << " " << tag;
            if (tag == "COMM") {
                ASSERT_EQ(size, 18u) << name;
                channels = Big16(bytes, at + 8);
                frames = Big32(bytes, at + 10);
                bits = Big16(bytes, at + 14);
                rate = Extended(bytes, at + 16);
                comm = true;
            } else if (tag == "SSND") {
                EXPECT_TRUE(comm) << name << ": COMM comes first";
                EXPECT_EQ(Big32(bytes, at + 8), 0u) << name << ": offset";
                soundBytes = size - 8;
                ssnd = true;
            }
            at += 8 + size + (size & 1);
        }
        EXPECT_EQ(at, bytes.size()) << name << ": the chunks end where the form does";
        ASSERT_TRUE(comm && ssnd) << name;
        EXPECT_EQ(std::make_tuple(channels, bits, rate), std::make_tuple(1u, 16u, 22050.0)) << name << ": mono, 16 bits, 22050 Hz";
        EXPECT_EQ(soundBytes, frames * channels * bits / 8) << name;
        EXPECT_GT(frames, 0u) << name;
        EXPECT_LT(frames / rate, 1.0) << name << ": a fraction of a second";
    }
}

} // namespace
