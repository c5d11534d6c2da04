// The platform layer on SDL2: a native window for each surface the host lists, its pixels
// copied in when they changed, native input turned into toolkit events and posted to the
// application's queue (the same the script reader feeds), and the toolkit's cursor shown as
// a native colour cursor. It owns no widget, focus or modality: the toolkit does.
#pragma once

#include "EventTranslator.h"
#include "Surface.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ns::platform {

class Platform {
public:
    // Opens the display. `scale` 1 or 2; 0 takes it from the screen (2 from 192 dots per
    // inch). Null, with the reason, when there is no display to open.
    static std::unique_ptr<Platform> open(double scale, std::string& reason);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    double scale() const { return scale_; }
    // The whole screen, and the part of it windows may use, in points, y upward from the
    // screen's bottom-left corner.
    Rect screenFrame() const { return screen_; }
    Rect visibleFrame() const { return visible_; }

    // The native windows made to match the surfaces, bottom to top: new ones made, gone ones
    // closed, moved and resized ones set, and the pixels of those whose picture changed
    // presented. Then the native cursor is the toolkit's current one.
    void present(const std::vector<Surface>& surfaces);

    // Waits up to `timeoutMs` for native input, then posts the events of all that has come to
    // the application's queue. The number of native events seen (a window uncovered is one,
    // though it posts nothing): none means nothing needs presenting.
    int pollEvents(int timeoutMs);
    // The session was asked to end (a signal, the display's session ending): at once.
    bool quitRequested() const { return quitRequested_; }
    // Whether the person closed the document window since the last call, which forgets it:
    // whoever hears it may ask first, and stay.
    bool takeCloseRequest() { return std::exchange(closeRequested_, false); }
    // The size, in points, the person gave the document window since the last call; none when
    // it was not resized.
    std::optional<Size> takeDocumentResize() { return std::exchange(documentResize_, std::nullopt); }

    // Each presented frame's time from its first input to its pixels, in microseconds, one
    // line each, to `path`. False when the file cannot be written.
    bool recordFrameTimes(const std::string& path);
    // Why a frame's time could not be written (the disk full, say): nothing more is written
    // then. Empty while they can be.
    const std::string& frameTimesError() const { return frameTimesError_; }
    // The native id of the window that shows that toolkit window; 0 for none.
    uint32_t nativeWindowOf(const Window* window) const;

private:
    struct Native;
    Platform(double scale, Rect screen, Rect visible);
    void draw(Native& native, const Surface& surface, bool force);
    void updateCursor();
    const Surface* surfaceOf(uint32_t windowID) const;
    // Whether the pointer is over that native window now.
    bool pointerIsIn(uint32_t windowID) const;

    double scale_;
    Rect screen_, visible_;
    std::vector<std::unique_ptr<Native>> natives_;
    EventTranslator translator_;
    bool quitRequested_ = false;
    bool closeRequested_ = false;
    std::optional<Size> documentResize_;
    bool trace_ = false; // VARO_TRACE_INPUT: each toolkit event made, on standard error
    // Where the display server last said the pointer was, in pixels; null until it says. SDL
    // hands over some moves (of the input extension) with no event of the server's: their place
    // is SDL's.
    std::optional<std::pair<int, int>> place_;
    // The cursor shown: which image and hot spot, and SDL's cursor made of it.
    const void* cursorImage_ = nullptr;
    Point cursorHotSpot_{-1, -1};
    void* nativeCursor_ = nullptr;
    // The first input not yet presented.
    std::optional<std::chrono::steady_clock::time_point> waiting_;
    std::ofstream frameTimes_;
    std::string frameTimesError_;
};

} // namespace ns::platform
