#include "ChangedPixels.h"

#include <cstddef>
#include <cstring>

namespace ns::platform {

namespace {

constexpr int kPixel = 4;

bool rowsDiffer(const unsigned char* before, const unsigned char* after, int row, int stride, int from, int to)
{
    const ptrdiff_t at = static_cast<ptrdiff_t>(row) * stride + static_cast<ptrdiff_t>(from) * kPixel;
    return std::memcmp(before + at, after + at, static_cast<size_t>(to - from) * kPixel) != 0;
}

bool pixelDiffers(const unsigned char* before, const unsigned char* after, int row, int stride, int column)
{
    return rowsDiffer(before, after, row, stride, column, column + 1);
}

} // namespace

PixelRect changedPixels(const unsigned char* before, const unsigned char* after, int width, int height, int stride)
{
    int top = 0;
    while (top < height && !rowsDiffer(before, after, top, stride, 0, width))
        ++top;
    if (top == height)
        return {};
    int bottom = height;
    while (!rowsDiffer(before, after, bottom - 1, stride, 0, width))
        --bottom;
    // The columns: each row of the band narrows them only where it differs outside them, which
    // a comparison of the whole stretch outside tells at once.
    int left = width, right = 0;
    for (int row = top; row < bottom; ++row) {
        if (left > 0 && rowsDiffer(before, after, row, stride, 0, left)) {
            int column = 0;
            while (!pixelDiffers(before, after, row, stride, column))
                ++column;
            left = column;
        }
        if (right < width && rowsDiffer(before, after, row, stride, right, width)) {
            int column = width;
            while (!pixelDiffers(before, after, row, stride, column - 1))
                --column;
            right = column;
        }
    }
    return {left, top, right - left, bottom - top};
}

} // namespace ns::platform
