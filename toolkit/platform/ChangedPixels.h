// Where a window's new picture differs from the one on the screen, so that only that part is
// converted and handed to the display.
#pragma once

namespace ns::platform {

// A rectangle of pixels, from the picture's top-left corner.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The smallest rectangle outside which two pictures of 32-bit pixels, of the same size and
// row stride in bytes, are alike; empty when they are alike everywhere.
PixelRect changedPixels(const unsigned char* before, const unsigned char* after, int width, int height, int stride);

} // namespace ns::platform
