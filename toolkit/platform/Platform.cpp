#include "Platform.h"

#include "Application.h"
#include "ChangedPixels.h"
#include "NativePointer.h"
#include "XErrors.h"

#include <SDL_syswm.h>
#include "Cursor.h"
#include "Pasteboard.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace ns::platform {

struct Platform::Native {
    SDL_Window* window = nullptr;
    uint32_t id = 0;
    Surface surface;
    uint64_t version = 0;
    int width = 0, height = 0, x = INT32_MIN, y = INT32_MIN;
    // What was presented last, and how it lay: the picture's size and rows, and the window
    // surface's. Pixels are compared only with a picture laid out alike on a surface alike.
    std::unique_ptr<Image> shown;
    std::array<int, 6> layout{};
    // The picture before it, which the next drawing may draw into.
    std::unique_ptr<Image> spare;
    std::string title;
    // Forgets what was presented: the next presentation is whole.
    void forgetPixels()
    {
        if (shown != nullptr)
            spare = std::move(shown);
        version = 0;
    }

    ~Native()
    {
        if (window == nullptr)
            return;
        // What the display still hears about this window after it is gone is no fault.
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11)
            windowGone(info.info.x11.window);
        SDL_DestroyWindow(window);
    }
};

namespace {

// A picture's pixels as cairo holds them, read once it has drawn everything.
struct Pixels {
    int width, height, stride;
    const unsigned char* data;
};

Pixels pixelsOf(const Image& image)
{
    cairo_surface_t* source = image.surface();
    cairo_surface_flush(source);
    return {cairo_image_surface_get_width(source), cairo_image_surface_get_height(source),
            cairo_image_surface_get_stride(source), cairo_image_surface_get_data(source)};
}

const char* const kEventNames[] = {"down", "up", "dragged", "moved", "entered", "exited", "key", "key up", "wheel"};

Uint32 flagsFor(SurfaceKind kind)
{
    switch (kind) {
    case SurfaceKind::Document:
        return SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    case SurfaceKind::Utility:
        return SDL_WINDOW_SHOWN | SDL_WINDOW_UTILITY;
    case SurfaceKind::Dialog:
        return SDL_WINDOW_SHOWN;
    case SurfaceKind::Menu:
        return SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU;
    case SurfaceKind::ToolTip:
        return SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_TOOLTIP;
    }
    return SDL_WINDOW_SHOWN;
}

} // namespace

std::unique_ptr<Platform> Platform::open(double scale, std::string& reason)
{
    if (scale != 0 && scale != 1 && scale != 2) {
        reason = "the scale must be 1 or 2";
        return nullptr;
    }
    // Our own windows are drawn by cairo: no compositor bypass games, no screensaver blanking.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The pixels are cairo's, handed to the display as they are (through shared memory on X11)
    // and only where they changed; through a GL texture instead, as SDL would choose, every
    // frame is uploaded and drawn whole, which costs more than the copy where GL has no GPU.
    // SDL_FRAMEBUFFER_ACCELERATION in the environment still has the last word.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        reason = SDL_GetError();
        return nullptr;
    }
    // When no display answers, SDL may fall back to a driver that shows nothing: that is no
    // window, unless it was asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
                              std::strcmp(driver, "evdev") == 0) &&
        (asked == nullptr || std::strstr(asked, driver) == nullptr)) {
        reason = std::string("no display answers (SDL offers only its \"") + driver + "\" driver)";
        SDL_Quit();
        return nullptr;
    }
    if (driver != nullptr && std::strcmp(driver, "x11") == 0)
        toleratedGoneWindows();
    SDL_Rect whole{0, 0, 1440, 900};
    SDL_GetDisplayBounds(0, &whole);
    SDL_Rect usable = whole;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        usable = whole;
    if (scale == 0) {
        float dpi = 0;
        scale = SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) == 0 && dpi >= 192 ? 2 : 1;
    }
    SDL_StartTextInput();
    receiveNativePointerEvents();
    // Copy and paste reach other programs through the display's clipboard while it is open.
    Pasteboard::general().useSystemClipboard({
        .read = []() -> std::optional<std::string> {
            if (SDL_HasClipboardText() != SDL_TRUE)
                return std::nullopt;
            char* text = SDL_GetClipboardText();
            if (text == nullptr)
                return std::nullopt;
            std::string held(text);
            SDL_free(text);
            return held;
        },
        .write = [](const std::string& text) { SDL_SetClipboardText(text.c_str()); },
    });
    const double height = whole.h / scale;
    return std::unique_ptr<Platform>(new Platform(
        scale, MakeRect(0, 0, whole.w / scale, height),
        MakeRect(usable.x / scale, height - (usable.y + usable.h) / scale, usable.w / scale, usable.h / scale)));
}

Platform::Platform(double scale, Rect screen, Rect visible)
    : scale_(scale), screen_(screen), visible_(visible), translator_(scale), trace_(SDL_getenv("VARO_TRACE_INPUT") != nullptr)
{
    translator_.setScreenHeight(screen.maxY());
}

Platform::~Platform()
{
    Pasteboard::general().useSystemClipboard({});
    natives_.clear();
    if (nativeCursor_ != nullptr)
        SDL_FreeCursor(static_cast<SDL_Cursor*>(nativeCursor_));
    SDL_Quit();
}

bool Platform::recordFrameTimes(const std::string& path)
{
    frameTimes_.open(path, std::ios::trunc);
    return static_cast<bool>(frameTimes_);
}

uint32_t Platform::nativeWindowOf(const Window* window) const
{
    for (const auto& n : natives_)
        if (n->surface.window == window)
            return n->id;
    return 0;
}

bool Platform::pointerIsIn(uint32_t windowID) const
{
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    for (const auto& n : natives_)
        if (n->id == windowID)
            return x >= n->x && x < n->x + n->width && y >= n->y && y < n->y + n->height;
    return false;
}

const Surface* Platform::surfaceOf(uint32_t windowID) const
{
    for (const auto& n : natives_)
        if (n->id == windowID)
            return &n->surface;
    return nullptr;
}

void Platform::draw(Native& native, const Surface& surface, bool force)
{
    if (!force && surface.version != 0 && surface.version == native.version)
        return;
    std::unique_ptr<Image> picture = surface.draw(scale_, std::move(native.spare));
    if (!picture)
        return;
    const auto [width, height, stride, data] = pixelsOf(*picture);
    // SDL makes the surface anew, blank, when the window's size changed.
    SDL_Surface* target = SDL_GetWindowSurface(native.window);
    if (target == nullptr) {
        native.forgetPixels();
        return;
    }
    // Only what differs from the pixels on the screen is presented: after an edit of the page,
    // the table's part of the window, not the menu bar, the tools and the margins around it.
    const std::array<int, 6> layout{width, height, stride, target->w, target->h, target->pitch};
    const bool known = !force && native.shown != nullptr && native.layout == layout;
    const PixelRect changed =
        known ? changedPixels(pixelsOf(*native.shown).data, data, width, height, stride) : PixelRect{0, 0, width, height};
    if (changed.empty()) {
        native.version = surface.version;
        native.spare = std::move(picture);
        return;
    }
    const int right = std::min(changed.x + changed.width, target->w);
    const int bottom = std::min(changed.y + changed.height, target->h);
    if (right > changed.x && bottom > changed.y) {
        const ptrdiff_t from = static_cast<ptrdiff_t>(changed.y) * stride + static_cast<ptrdiff_t>(changed.x) * 4;
        const ptrdiff_t to = static_cast<ptrdiff_t>(changed.y) * target->pitch +
                             static_cast<ptrdiff_t>(changed.x) * target->format->BytesPerPixel;
        // Cairo's ARGB32 is premultiplied, and every window is opaque: the bytes are the colours.
        const SDL_Rect rect{changed.x, changed.y, right - changed.x, bottom - changed.y};
        if (SDL_ConvertPixels(rect.w, rect.h, SDL_PIXELFORMAT_ARGB8888, data + from, stride, target->format->format,
                              static_cast<unsigned char*>(target->pixels) + to, target->pitch) != 0 ||
            SDL_UpdateWindowSurfaceRects(native.window, &rect, 1) != 0) {
            // Not shown: the next presentation shows it all.
            native.forgetPixels();
            return;
        }
    }
    // The picture is what the screen shows now; the one before becomes the spare.
    native.version = surface.version;
    native.layout = layout;
    native.spare = std::exchange(native.shown, std::move(picture));
}

void Platform::present(const std::vector<Surface>& surfaces)
{
    // Those no longer listed close first: their pending input is for nobody.
    const size_t before = natives_.size();
    std::erase_if(natives_, [&](const std::unique_ptr<Native>& n) {
        return std::none_of(surfaces.begin(), surfaces.end(), [&](const Surface& s) { return s.window == n->surface.window; });
    });
    // The keyboard of a window that closed goes back to the window clicked last, else the
    // document: the display server would leave it with nobody.
    if (natives_.size() != before && !natives_.empty()) {
        std::vector<EventTranslator::Shown> shown;
        for (const auto& n : natives_)
            shown.push_back({n->id, &n->surface});
        const uint32_t id = translator_.lastClicked(shown);
        if (SDL_Window* w = SDL_GetWindowFromID(id != 0 ? id : natives_.front()->id))
            SDL_SetWindowInputFocus(w);
    }
    for (const Surface& s : surfaces) {
        auto found = std::find_if(natives_.begin(), natives_.end(),
                                  [&](const std::unique_ptr<Native>& n) { return n->surface.window == s.window; });
        const int width = std::max(1, static_cast<int>(std::lround(s.frame.size.width * scale_)));
        const int height = std::max(1, static_cast<int>(std::lround(s.frame.size.height * scale_)));
        const int x = static_cast<int>(std::lround(s.frame.origin.x * scale_));
        const int y = static_cast<int>(std::lround((screen_.maxY() - s.frame.maxY()) * scale_));
        bool force = false;
        if (found == natives_.end()) {
            auto native = std::make_unique<Native>();
            native->window = SDL_CreateWindow(s.title.c_str(), x, y, width, height, flagsFor(s.kind));
            if (native->window == nullptr) {
                // Said once per window; the next presentation tries again.
                std::fprintf(stderr, "varo-host: cannot show the window \"%s\": %s\n", s.title.c_str(), SDL_GetError());
                continue;
            }
            // Room for the menu bar's titles, the tool strip and some of the page.
            if (s.kind == SurfaceKind::Document)
                SDL_SetWindowMinimumSize(native->window, static_cast<int>(300 * scale_), static_cast<int>(200 * scale_));
            native->id = SDL_GetWindowID(native->window);
            native->width = width;
            native->height = height;
            native->x = x;
            native->y = y;
            native->title = s.title;
            // A dialog that opens takes the keyboard at once, as the toolkit made it key.
            if (s.window != nullptr && s.window == Application::sharedApplication().keyWindow())
                SDL_SetWindowInputFocus(native->window);
            natives_.push_back(std::move(native));
            found = natives_.end() - 1;
            force = true;
        }
        Native& n = **found;
        n.surface = s;
        if (n.width != width || n.height != height) {
            SDL_SetWindowSize(n.window, width, height);
            n.width = width;
            n.height = height;
            force = true;
        }
        if (n.x != x || n.y != y) {
            SDL_SetWindowPosition(n.window, x, y);
            n.x = x;
            n.y = y;
        }
        if (n.title != s.title) {
            SDL_SetWindowTitle(n.window, s.title.c_str());
            n.title = s.title;
        }
        draw(n, s, force);
    }
    updateCursor();
    if (waiting_ && frameTimes_.is_open()) {
        const auto elapsed = std::chrono::steady_clock::now() - *waiting_;
        errno = 0;
        frameTimes_ << std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() << '\n' << std::flush;
        if (!frameTimes_) {
            frameTimesError_ = errno != 0 ? std::strerror(errno) : "write failed";
            frameTimes_.close();
        }
    }
    waiting_.reset();
}

void Platform::updateCursor()
{
    const Cursor& cursor = Cursor::currentCursor();
    const std::shared_ptr<Image>& image = cursor.image();
    if (image.get() == cursorImage_ && cursor.hotSpot() == cursorHotSpot_)
        return;
    cursorImage_ = image.get();
    cursorHotSpot_ = cursor.hotSpot();
    if (!image)
        return;
    const auto [width, height, stride, data] = pixelsOf(*image);
    const int s = static_cast<int>(scale_);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, width * s, height * s, 32, SDL_PIXELFORMAT_ARGB8888);
    if (picture == nullptr)
        return;
    // Straight alpha, as SDL takes it; each pixel repeated at scale 2.
    for (int row = 0; row < height * s; ++row)
        for (int column = 0; column < width * s; ++column) {
            uint32_t p = 0;
            std::memcpy(&p, data + (row / s) * stride + (column / s) * 4, 4);
            const uint32_t a = p >> 24;
            if (a != 0 && a != 255) {
                const auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
                p = (a << 24) | (un((p >> 16) & 0xff) << 16) | (un((p >> 8) & 0xff) << 8) | un(p & 0xff);
            }
            std::memcpy(static_cast<unsigned char*>(picture->pixels) + row * picture->pitch + column * 4, &p, 4);
        }
    SDL_Cursor* made = SDL_CreateColorCursor(picture, static_cast<int>(cursor.hotSpot().x) * s,
                                             static_cast<int>(cursor.hotSpot().y) * s);
    SDL_FreeSurface(picture);
    if (made == nullptr)
        return;
    SDL_SetCursor(made);
    if (nativeCursor_ != nullptr)
        SDL_FreeCursor(static_cast<SDL_Cursor*>(nativeCursor_));
    nativeCursor_ = made;
}

int Platform::pollEvents(int timeoutMs)
{
    SDL_Event first;
    if (!SDL_WaitEventTimeout(&first, timeoutMs))
        return 0;
    if (!waiting_)
        waiting_ = std::chrono::steady_clock::now();
    // All that has come, so that each event can be seen with the one after it. A display
    // server's event is read at once: SDL keeps its message only until the next poll.
    std::vector<SDL_Event> events;
    std::vector<std::optional<NativePointer>> pointers;
    for (SDL_Event e = first;;) {
        events.push_back(e);
        pointers.push_back(nativePointer(e));
        if (!SDL_PollEvent(&e))
            break;
    }
    Application& application = Application::sharedApplication();
    std::vector<EventTranslator::Shown> shown;
    for (const auto& n : natives_)
        shown.push_back({n->id, &n->surface});
    // The display server's place of the pointer event SDL hands over next; a press or a
    // release SDL hands over later (after a move it made up) still has the last one.
    std::optional<std::pair<int, int>> fresh;
    const auto translate = [&](const SDL_Event& event) {
        std::optional<std::pair<int, int>> place;
        if (event.type == SDL_MOUSEMOTION)
            place = fresh;
        else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
            place = fresh ? fresh : place_;
        if (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
            fresh.reset();
        for (const Event& e : translator_.translate(event, shown, static_cast<uint16_t>(SDL_GetModState()), place)) {
            if (trace_)
                std::fprintf(stderr, "input: SDL %#x -> %s \"%s\" (%g, %g) flags %#x key %u \"%s\"\n", event.type,
                             kEventNames[static_cast<int>(e.type())], e.window() != nullptr ? e.window()->title().c_str() : "",
                             e.locationInWindow().x, e.locationInWindow().y, e.modifierFlags(), e.keyCode(),
                             e.characters().c_str());
            application.postEvent(e);
        }
        // A click gives the keyboard to its window, as a window manager would.
        if (event.type == SDL_MOUSEBUTTONDOWN && translator_.dragging())
            if (SDL_Window* w = SDL_GetWindowFromID(*translator_.dragging()); w != nullptr && SDL_GetKeyboardFocus() != w)
                SDL_SetWindowInputFocus(w);
    };
    // A move the display server told that SDL passed over (it does, as it changes its mind
    // about the window under the pointer): made here, so that no move is lost.
    std::optional<NativePointer> untold;
    const auto tellMove = [&] {
        if (!untold || shown.empty())
            return;
        SDL_Event move{};
        move.type = SDL_MOUSEMOTION;
        move.motion.windowID = shown.front().id; // the place says where it really was
        move.motion.state = untold->held ? SDL_BUTTON_LMASK : 0;
        untold.reset();
        translate(move);
    };
    for (size_t i = 0; i < events.size(); ++i) {
        const SDL_Event& event = events[i];
        if (event.type == SDL_SYSWMEVENT) {
            if (pointers[i]) {
                tellMove();
                place_ = fresh = std::make_pair(pointers[i]->x, pointers[i]->y);
                if (pointers[i]->moved)
                    untold = pointers[i];
            }
            continue;
        }
        if (event.type == SDL_MOUSEMOTION && untold) {
            untold.reset(); // SDL tells this one itself
        } else {
            tellMove();
        }
        if (event.type == SDL_QUIT) {
            quitRequested_ = true;
            continue;
        }
        if (event.type == SDL_WINDOWEVENT) {
            if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                if (const Surface* s = surfaceOf(event.window.windowID); s != nullptr && s->kind == SurfaceKind::Document)
                    closeRequested_ = true;
            // A window resized has a new, blank surface. The person resized the document window:
            // its new size, in points, for the host to lay it out at; the native window already
            // has it.
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                for (const auto& n : natives_) {
                    if (n->id != event.window.windowID)
                        continue;
                    n->forgetPixels();
                    if (n->surface.kind == SurfaceKind::Document &&
                        (n->width != event.window.data1 || n->height != event.window.data2)) {
                        n->width = event.window.data1;
                        n->height = event.window.data2;
                        documentResize_ = Size{event.window.data1 / scale_, event.window.data2 / scale_};
                    }
                }
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
                for (const auto& n : natives_)
                    if (n->id == event.window.windowID)
                        n->forgetPixels(); // shown again in full at the next presentation
            continue;
        }
        // A move with no place of the display server's may be one SDL made up: it names a window
        // the pointer may have left already.
        if (event.type == SDL_MOUSEMOTION && !fresh && !translator_.dragging() && !pointerIsIn(event.motion.windowID))
            continue;
        translate(event);
    }
    tellMove();
    return static_cast<int>(events.size());
}

} // namespace ns::platform
