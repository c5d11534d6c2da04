// What an X display shows, read back for the window test: a window's pixels (XGetImage),
// the pointer's cursor image (XFixes), and the number of pixels two pictures differ in.
//   xreadback window WINDOW-ID|root FILE.png
//   xreadback cursor FILE.png            (prints "hot spot X Y")
//   xreadback compare A.png B.png        (prints the number of differing pixels)
// Exit status 0 on success, 1 when the display, the window or a file cannot be read.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int fail(const std::string& why)
{
    std::fprintf(stderr, "xreadback: %s\n", why.c_str());
    return 1;
}

int readWindow(Display* display, const char* id, const char* file)
{
    const Window window =
        std::strcmp(id, "root") == 0 ? DefaultRootWindow(display) : static_cast<Window>(std::strtoul(id, nullptr, 0));
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0)
        return fail(std::string("no window ") + id);
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return fail("cannot read the window's pixels");
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, attributes.width, attributes.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x) {
            const uint32_t pixel = static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xffffff;
            std::memcpy(data + y * stride + x * 4, &pixel, 4);
        }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file);
    cairo_surface_destroy(surface);
    XDestroyImage(image);
    return status == CAIRO_STATUS_SUCCESS ? 0 : fail(std::string("cannot write ") + file);
}

int readCursor(Display* display, const char* file)
{
    int event = 0, error = 0;
    if (!XFixesQueryExtension(display, &event, &error))
        return fail("the display has no XFixes");
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    if (cursor == nullptr)
        return fail("cannot read the cursor");
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cursor->width, cursor->height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < cursor->height; ++y)
        for (int x = 0; x < cursor->width; ++x) {
            const auto pixel = static_cast<uint32_t>(cursor->pixels[y * cursor->width + x]);
            std::memcpy(data + y * stride + x * 4, &pixel, 4);
        }
    cairo_surface_mark_dirty(surface);
    std::printf("hot spot %d %d\n", cursor->xhot, cursor->yhot);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file);
    cairo_surface_destroy(surface);
    XFree(cursor);
    return status == CAIRO_STATUS_SUCCESS ? 0 : fail(std::string("cannot write ") + file);
}

// Colours compared, the alpha only where either pixel is not opaque.
int compare(const char* a, const char* b)
{
    cairo_surface_t* first = cairo_image_surface_create_from_png(a);
    cairo_surface_t* second = cairo_image_surface_create_from_png(b);
    int result = 0;
    if (cairo_surface_status(first) != CAIRO_STATUS_SUCCESS || cairo_surface_status(second) != CAIRO_STATUS_SUCCESS) {
        result = fail(std::string("cannot read ") + a + " or " + b);
    } else {
        const int w = cairo_image_surface_get_width(first), h = cairo_image_surface_get_height(first);
        if (w != cairo_image_surface_get_width(second) || h != cairo_image_surface_get_height(second)) {
            std::printf("sizes differ: %dx%d and %dx%d\n", w, h, cairo_image_surface_get_width(second),
                        cairo_image_surface_get_height(second));
            result = 1;
        } else {
            const bool alpha = cairo_image_surface_get_format(first) == CAIRO_FORMAT_ARGB32 &&
                               cairo_image_surface_get_format(second) == CAIRO_FORMAT_ARGB32;
            long differing = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    uint32_t p = 0, q = 0;
                    std::memcpy(&p, cairo_image_surface_get_data(first) + y * cairo_image_surface_get_stride(first) + x * 4, 4);
                    std::memcpy(&q, cairo_image_surface_get_data(second) + y * cairo_image_surface_get_stride(second) + x * 4, 4);
                    const uint32_t mask = alpha ? 0xffffffff : 0xffffff;
                    differing += (p & mask) != (q & mask);
                }
            std::printf("%ld\n", differing);
        }
    }
    cairo_surface_destroy(first);
    cairo_surface_destroy(second);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "compare" && argc == 4)
        return compare(argv[2], argv[3]);
    if ((what == "window" && argc == 4) || (what == "cursor" && argc == 3)) {
        Display* display = XOpenDisplay(nullptr);
        if (display == nullptr)
            return fail("cannot open the display");
        const int result = what == "window" ? readWindow(display, argv[2], argv[3]) : readCursor(display, argv[2]);
        XCloseDisplay(display);
        return result;
    }
    std::fprintf(stderr, "usage: xreadback window WINDOW-ID FILE.png | cursor FILE.png | compare A.png B.png\n");
    return 2;
}
