// Makes the plug-in's pictures and sounds in plugin/resources/. The files are committed and
// the build never runs this; it records how they were made and makes them again if need be:
//
//   c++ -std=c++20 -O2 scripts/make-resources.cpp -o /tmp/make-resources
//   /tmp/make-resources plugin/resources
//
// Standard library only, and deterministic: the same bytes on every machine whose sin() and
// exp() round alike (the noise comes from a fixed linear congruential sequence).
//
// Pictures: PNG, 8-bit RGBA, not interlaced, the image data in stored (uncompressed) deflate
// blocks. IconePanneauReduit.png is the panel's small icon (23 x 18, grey); 16051.png and
// 16052.png are the tool's icons (24 x 24) for light interfaces (dark lines) and for dark
// ones (light lines). Each is a table pictogram: a frame, a title row under a double rule,
// column and row rules, on transparent. GlissiereCurseur.png is the colour sliders' knob
// (12 x 19): a dark window around the colour track, over an upward pointer, light with a dark
// outline, symmetric about the knob's centre.
//
// Sounds: AIFF, mono, 16-bit, 22050 Hz, a FORM of a COMM and an SSND chunk. Pop.aiff is a
// short falling thump, Bruit.aiff a burst of noise, Tink.aiff a high short ring.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void put16(Bytes& out, uint16_t value)
{
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

void putText(Bytes& out, const char* text)
{
    for (; *text != '\0'; ++text)
        out.push_back(static_cast<unsigned char>(*text));
}

bool write(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "make-resources: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    return true;
}

// --- PNG ---

uint32_t crc32(const unsigned char* data, size_t length, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putChunk(Bytes& png, const char* type, const Bytes& data)
{
    put32(png, static_cast<uint32_t>(data.size()));
    Bytes typed;
    putText(typed, type);
    typed.insert(typed.end(), data.begin(), data.end());
    png.insert(png.end(), typed.begin(), typed.end());
    put32(png, crc32(typed.data(), typed.size()));
}

// A zlib stream of stored blocks: no compression, so that the encoder stays a few lines.
Bytes zlibStored(const Bytes& raw)
{
    Bytes out{0x78, 0x01};
    size_t at = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - at, 65535);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<unsigned char>(length));
        out.push_back(static_cast<unsigned char>(length >> 8));
        out.push_back(static_cast<unsigned char>(~length));
        out.push_back(static_cast<unsigned char>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (const unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put32(out, (b << 16) | a);
    return out;
}

struct Picture {
    int width, height;
    std::vector<uint32_t> pixels; // 0xRRGGBBAA, top row first

    Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w * h), 0) {}
    void set(int x, int y, uint32_t rgba)
    {
        if (x >= 0 && x < width && y >= 0 && y < height)
            pixels[static_cast<size_t>(y * width + x)] = rgba;
    }
    void hline(int x0, int x1, int y, uint32_t rgba)
    {
        for (int x = x0; x <= x1; ++x)
            set(x, y, rgba);
    }
    void vline(int x, int y0, int y1, uint32_t rgba)
    {
        for (int y = y0; y <= y1; ++y)
            set(x, y, rgba);
    }

    Bytes png() const
    {
        Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        Bytes header;
        put32(header, static_cast<uint32_t>(width));
        put32(header, static_cast<uint32_t>(height));
        header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, deflate, no filter, not interlaced
        putChunk(out, "IHDR", header);
        Bytes raw;
        for (int y = 0; y < height; ++y) {
            raw.push_back(0); // filter: none
            for (int x = 0; x < width; ++x)
                put32(raw, pixels[static_cast<size_t>(y * width + x)]);
        }
        putChunk(out, "IDAT", zlibStored(raw));
        putChunk(out, "IEND", {});
        return out;
    }
};

// A table in the box (left, top)-(right, bottom), rows counted below the title row.
Picture table(int width, int height, int left, int top, int right, int bottom, const std::vector<int>& columns,
              const std::vector<int>& rows, int titleRule, uint32_t rgba)
{
    Picture p(width, height);
    p.hline(left, right, top, rgba);
    p.hline(left, right, bottom, rgba);
    p.vline(left, top, bottom, rgba);
    p.vline(right, top, bottom, rgba);
    p.hline(left, right, titleRule, rgba); // the title row's double rule
    p.hline(left, right, titleRule + 2, rgba);
    for (const int x : columns)
        p.vline(x, titleRule + 2, bottom, rgba);
    for (const int y : rows)
        p.hline(left, right, y, rgba);
    return p;
}

// The colour sliders' knob. Rows 1 to 6 lie over the slider's bar: the window leaves them
// open so that the track's colour shows through.
Picture knob()
{
    const uint32_t outline = 0x404040FF, face = 0xF2F2F2FF;
    Picture p(12, 19);
    p.hline(3, 8, 0, outline);
    p.hline(3, 8, 7, outline);
    p.vline(3, 0, 7, outline);
    p.vline(8, 0, 7, outline);
    // The pointer: widening from its tip (row 9) to the body (rows 13 to 18, columns 1 to 10).
    const auto inside = [](int x, int y) {
        if (y < 9 || y > 18)
            return false;
        const int half = std::min(y - 8, 5);
        return x >= 6 - half && x <= 5 + half;
    };
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 12; ++x)
            if (inside(x, y)) {
                const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
                p.set(x, y, edge ? outline : face);
            }
    return p;
}

// --- AIFF ---

constexpr int kRate = 22050;

// The sample rate as the 80-bit IEEE extended number COMM holds.
void putExtended(Bytes& out, uint32_t value)
{
    int exponent = 31;
    while (exponent > 0 && (value & (1u << exponent)) == 0)
        --exponent;
    put16(out, static_cast<uint16_t>(16383 + exponent));
    const uint64_t mantissa = static_cast<uint64_t>(value) << (63 - exponent);
    put32(out, static_cast<uint32_t>(mantissa >> 32));
    put32(out, static_cast<uint32_t>(mantissa));
}

Bytes aiff(const std::vector<double>& samples)
{
    const auto frames = static_cast<uint32_t>(samples.size());
    Bytes comm;
    put16(comm, 1);  // channels
    put32(comm, frames);
    put16(comm, 16); // bits per sample
    putExtended(comm, kRate);
    Bytes ssnd;
    put32(ssnd, 0); // offset
    put32(ssnd, 0); // block size
    for (const double s : samples) {
        const double clamped = std::fmax(-1.0, std::fmin(1.0, s));
        put16(ssnd, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clamped * 32767))));
    }
    Bytes out;
    putText(out, "FORM");
    put32(out, static_cast<uint32_t>(4 + 8 + comm.size() + 8 + ssnd.size()));
    putText(out, "AIFF");
    putText(out, "COMM");
    put32(out, static_cast<uint32_t>(comm.size()));
    out.insert(out.end(), comm.begin(), comm.end());
    putText(out, "SSND");
    put32(out, static_cast<uint32_t>(ssnd.size()));
    out.insert(out.end(), ssnd.begin(), ssnd.end());
    return out;
}

constexpr double kPi = 3.14159265358979323846;

std::vector<double> pop()
{
    std::vector<double> s(static_cast<size_t>(kRate * 0.08));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += 2 * kPi * (150 + 450 * std::exp(-t * 60)) / kRate; // 600 Hz falling to 150 Hz
        s[i] = 0.8 * std::exp(-t * 45) * std::sin(phase);
    }
    return s;
}

std::vector<double> bruit()
{
    std::vector<double> s(static_cast<size_t>(kRate * 0.25));
    uint32_t seed = 12345;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = static_cast<double>(seed >> 8) / static_cast<double>(1u << 24) * 2 - 1;
        const double envelope = std::fmin(1.0, t / 0.005) * std::exp(-t * 14);
        s[i] = 0.6 * envelope * noise;
    }
    return s;
}

std::vector<double> tink()
{
    std::vector<double> s(static_cast<size_t>(kRate * 0.12));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double ring = std::sin(2 * kPi * 3520 * t) + 0.3 * std::sin(2 * kPi * 7040 * t);
        s[i] = 0.5 * std::fmin(1.0, t / 0.001) * std::exp(-t * 40) * ring;
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-resources FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const uint32_t grey = 0x808080FF, dark = 0x333333FF, light = 0xE0E0E0FF;
    bool ok = true;
    ok &= write(folder + "/IconePanneauReduit.png", table(23, 18, 1, 1, 21, 16, {8, 14}, {9, 12}, 4, grey).png());
    ok &= write(folder + "/16051.png", table(24, 24, 2, 3, 21, 20, {8, 14}, {11, 14, 17}, 6, dark).png());
    ok &= write(folder + "/16052.png", table(24, 24, 2, 3, 21, 20, {8, 14}, {11, 14, 17}, 6, light).png());
    ok &= write(folder + "/GlissiereCurseur.png", knob().png());
    ok &= write(folder + "/Pop.aiff", aiff(pop()));
    ok &= write(folder + "/Bruit.aiff", aiff(bruit()));
    ok &= write(folder + "/Tink.aiff", aiff(tink()));
    return ok ? 0 : 1;
}
