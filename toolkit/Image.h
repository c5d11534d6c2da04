// Pictures: drawn into between lockFocus and unlockFocus, or read from a PNG file, and
// composited into the current context.
#pragma once

#include "GraphicsContext.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace ns {

class Image {
public:
    // A transparent image of that size, one pixel per point.
    explicit Image(Size size);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Made by the toolkit's own code, so that an image outlives the code that asked for it
    // (a plug-in unloaded while the current cursor still shows its picture).
    static std::shared_ptr<Image> initWithSize(Size size);
    // Null when the file is missing or not a PNG.
    static std::shared_ptr<Image> imageWithContentsOfFile(const std::filesystem::path& path);

    Size size() const { return size_; }
    // Every pixel transparent again, as in a new image.
    void clear();

    // Drawing goes into the image until unlockFocus; the context before comes back then.
    void lockFocus();
    void unlockFocus();
    bool isFocused() const { return context_ != nullptr; }

    // Draws the part `from` of the image (the whole image when `from` is empty) with its
    // bottom-left corner at `point` of the current context, `fraction` its opacity. In a
    // flipped context too the picture stands upright, above the point.
    void drawAtPoint(Point point, const Rect& from, CompositingOperation operation, double fraction) const;

    // A pixel as 0xAARRGGBB, not premultiplied, (x, y) counted from the bottom-left corner;
    // 0 outside the image.
    uint32_t pixelAt(int x, int y) const;
    // An empty reason on success.
    std::string writePNG(const std::filesystem::path& path) const;

    cairo_surface_t* surface() const { return surface_; }

private:
    Image(cairo_surface_t* surface, Size size);

    cairo_surface_t* surface_;
    Size size_;
    std::unique_ptr<GraphicsContext> context_;
};

} // namespace ns
