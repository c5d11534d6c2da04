#include "Image.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

namespace ns {

std::shared_ptr<Image> Image::initWithSize(Size size)
{
    return std::make_shared<Image>(size);
}


namespace {

int pixels(double points)
{
    return std::max(0, static_cast<int>(std::ceil(points)));
}

} // namespace

Image::Image(Size size)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixels(size.width), pixels(size.height))), size_(size)
{
}

Image::Image(cairo_surface_t* surface, Size size) : surface_(surface), size_(size) {}

Image::~Image()
{
    if (context_)
        unlockFocus();
    cairo_surface_destroy(surface_);
}

void Image::clear()
{
    cairo_t* c = cairo_create(surface_);
    cairo_set_operator(c, CAIRO_OPERATOR_CLEAR);
    cairo_paint(c);
    cairo_destroy(c);
}

std::shared_ptr<Image> Image::imageWithContentsOfFile(const std::filesystem::path& path)
{
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    const Size size{static_cast<double>(cairo_image_surface_get_width(surface)),
                    static_cast<double>(cairo_image_surface_get_height(surface))};
    return std::shared_ptr<Image>(new Image(surface, size));
}

void Image::lockFocus()
{
    if (context_)
        return;
    context_ = std::make_unique<GraphicsContext>(surface_, size_.height);
    GraphicsContext::push(context_.get());
}

void Image::unlockFocus()
{
    if (!context_)
        return;
    GraphicsContext::pop();
    context_.reset();
    cairo_surface_flush(surface_);
}

void Image::drawAtPoint(Point point, const Rect& from, CompositingOperation operation, double fraction) const
{
    GraphicsContext* context = GraphicsContext::currentContext();
    if (context == nullptr)
        return;
    const Rect part = from.isEmpty() ? Rect{{0, 0}, size_} : from.intersection({{0, 0}, size_});
    GraphicsContext::saveGraphicsState();
    context->setCompositingOperation(operation);
    cairo_t* cairo = context->cairo();
    if (context->isFlipped()) {
        // y runs downward, as the surface's rows do: the point is the picture's lower left
        // corner, and the picture lies above it.
        cairo_rectangle(cairo, point.x, point.y - part.size.height, part.size.width, part.size.height);
        cairo_clip(cairo);
        cairo_translate(cairo, point.x - part.minX(), point.y - part.size.height - (size_.height - part.maxY()));
    } else {
        cairo_rectangle(cairo, point.x, point.y, part.size.width, part.size.height);
        cairo_clip(cairo);
        // The surface's rows run downward: stand it upright at the point.
        cairo_translate(cairo, point.x - part.minX(), point.y - part.minY() + size_.height);
        cairo_scale(cairo, 1, -1);
    }
    cairo_set_source_surface(cairo, surface_, 0, 0);
    cairo_paint_with_alpha(cairo, fraction);
    GraphicsContext::restoreGraphicsState();
}

uint32_t Image::pixelAt(int x, int y) const
{
    cairo_surface_flush(surface_);
    const int width = cairo_image_surface_get_width(surface_), height = cairo_image_surface_get_height(surface_);
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const unsigned char* row = cairo_image_surface_get_data(surface_) +
                               static_cast<ptrdiff_t>(height - 1 - y) * cairo_image_surface_get_stride(surface_);
    uint32_t value = 0;
    std::memcpy(&value, row + static_cast<ptrdiff_t>(x) * 4, 4);
    const uint32_t alpha = value >> 24;
    if (alpha == 0)
        return 0;
    const auto unpremultiply = [&](int shift) { return ((((value >> shift) & 0xFF) * 255 + alpha / 2) / alpha) << shift; };
    return (alpha << 24) | unpremultiply(16) | unpremultiply(8) | unpremultiply(0);
}

std::string Image::writePNG(const std::filesystem::path& path) const
{
    cairo_surface_flush(surface_);
    const cairo_status_t status = cairo_surface_write_to_png(surface_, path.c_str());
    return status == CAIRO_STATUS_SUCCESS ? std::string() : "cannot write " + path.string() + ": " + cairo_status_to_string(status);
}

} // namespace ns
