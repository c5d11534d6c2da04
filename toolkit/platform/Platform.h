// The platform layer on SDL2: a native window for each surface the host lists, its pixels
// copied in when they changed, native input turned into toolkit events and posted to the
// application's queue (the same the script reader feeds), and the toolkit's cursor shown as
// a native colour cursor. It owns no widget, focus or modality: the toolkit does.
#pragma once

#include "EventTranslator.h"
#include "Surface.h"
#include "WindowLayer.h"

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

class Platform final : public WindowLayer {
public:
    // Opens the display. `scale` 1 or 2; 0 takes it from the screen (2 from 192 dots per
    // inch). Null, with the reason, when there is no display to open.
    static std::unique_ptr<Platform> open(double scale, std::string& reason);
    ~Platform() override;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    double scale() const { return scale_; }

    // What WindowLayer.h says of each.
    Rect screenFrame() const override { return screen_; }
    Rect visibleFrame() const override { return visible_; }
    void present(const std::vector<Surface>& surfaces) override;
    int pollEvents(int timeoutMs) override;
    bool quitRequested() const override { return quitRequested_; }
    bool takeCloseRequest() override { return std::exchange(closeRequested_, false); }
    std::optional<Size> takeDocumentResize() override { return std::exchange(documentResize_, std::nullopt); }
    bool recordFrameTimes(const std::string& path) override;
    const std::string& frameTimesError() const override { return frameTimesError_; }

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
