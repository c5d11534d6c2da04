// What the host's window session asks of the platform layer, without SDL: the layer lives in
// a module of its own (libvaro_window.so), loaded only when a session opens a real window, so
// that a scripted run does not load SDL and the fifty libraries it brings.
#pragma once

#include "Geometry.h"
#include "Surface.h"

#include <optional>
#include <string>
#include <vector>

namespace ns::platform {

class WindowLayer {
public:
    virtual ~WindowLayer() = default;

    // The whole screen, and the part of it windows may use, in points, y upward from the
    // screen's bottom-left corner.
    virtual Rect screenFrame() const = 0;
    virtual Rect visibleFrame() const = 0;

    // The native windows made to match the surfaces, bottom to top: new ones made, gone ones
    // closed, moved and resized ones set, and the pixels of those whose picture changed
    // presented. Then the native cursor is the toolkit's current one.
    virtual void present(const std::vector<Surface>& surfaces) = 0;

    // Waits up to `timeoutMs` for native input, then posts the events of all that has come to
    // the application's queue. The number of native events seen (a window uncovered is one,
    // though it posts nothing): none means nothing needs presenting.
    virtual int pollEvents(int timeoutMs) = 0;
    // The session was asked to end (a signal, the display's session ending): at once.
    virtual bool quitRequested() const = 0;
    // Whether the person closed the document window since the last call, which forgets it:
    // whoever hears it may ask first, and stay.
    virtual bool takeCloseRequest() = 0;
    // The size, in points, the person gave the document window since the last call; none when
    // it was not resized.
    virtual std::optional<Size> takeDocumentResize() = 0;

    // Each presented frame's time from its first input to its pixels, in microseconds, one
    // line each, to `path`. False when the file cannot be written.
    virtual bool recordFrameTimes(const std::string& path) = 0;
    // Why a frame's time could not be written (the disk full, say): nothing more is written
    // then. Empty while they can be.
    virtual const std::string& frameTimesError() const = 0;
};

// The module's one entry, found by this name: opens the display at `scale` (1 or 2; 0 takes it
// from the screen). A layer the caller owns, or null with the reason in `reason` when there is
// no display to open.
using OpenWindowLayer = WindowLayer* (*)(double scale, std::string* reason);
inline constexpr const char* kOpenWindowLayerEntry = "varo_open_window_layer";
inline constexpr const char* kWindowLayerModule = "libvaro_window.so";

} // namespace ns::platform
