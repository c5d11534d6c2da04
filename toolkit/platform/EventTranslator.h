// Native input as the toolkit's events: SDL's mouse, wheel, key and text events made into
// toolkit events for the toolkit window under the pointer (or the one a drag began in, to
// its end, wherever the pointer goes), points in that window's coordinates, keys paired with
// the text they type. It keeps only what pairing needs; it opens nothing and draws nothing,
// so it runs without a display.
#pragma once

#include "Event.h"
#include "Surface.h"

#include <SDL.h>

#include <optional>
#include <string>
#include <vector>

namespace ns::platform {

class EventTranslator {
public:
    // `scale` pixels per point.
    explicit EventTranslator(double scale) : scale_(scale) {}

    // A native window and the surface it shows.
    struct Shown {
        uint32_t id;
        const Surface* surface;
    };

    // The toolkit events one native event makes, in order; none for input that goes to no
    // shown window, or that only prepares a later event (a key that types text waits for
    // its text). `shown` lists the native windows bottom to top: the pointer's events go to
    // the topmost under the pointer, whichever window the system names (it may still name
    // the one a drag left). `modifiers` are SDL's, held as the event came. `place`, when
    // known, is where the pointer was on the screen, in pixels from its top-left corner: it
    // wins over the point in the window the event names.
    std::vector<Event> translate(const SDL_Event& event, const std::vector<Shown>& shown, uint16_t modifiers,
                                 std::optional<std::pair<int, int>> place = std::nullopt);

    // The screen's height in points: where y upward starts. Needed only with places.
    void setScreenHeight(double height) { screenHeight_ = height; }

    // SDL's modifier state as the toolkit's flags: Shift, Alt as Option, Ctrl as Command
    // (the keyboard's shortcut key), the logo key as Control.
    static uint32_t modifierFlags(uint16_t sdlModifiers);
    // The toolkit's code and characters of a key that types no text (Return, Tab, Escape,
    // Backspace as Delete, the arrows, Home and End); null for any other.
    static std::optional<std::pair<uint16_t, std::string>> namedKey(SDL_Keycode key);

    // The window clicked last, when it still shows; 0 otherwise.
    uint32_t lastClicked(const std::vector<Shown>& shown) const
    {
        for (const Shown& s : shown)
            if (s.id == lastKeyWindow_)
                return s.id;
        return 0;
    }

    // A drag in progress: its window's id.
    std::optional<uint32_t> dragging() const;

private:
    struct Press {
        uint32_t windowID;
        Region region;
        Rect frame; // the surface's, on the screen
    };
    // The point of the screen (points, y upward) at pixel (x, y) of a surface.
    Point screenPoint(const Surface& surface, double x, double y) const;
    static Point windowPoint(const Region& region, const Rect& frame, Point screen);
    static const Region* regionAt(const Surface& surface, Point screen);

    double scale_;
    double screenHeight_ = 0;
    std::optional<Press> pressed_;
    uint32_t textModifiers_ = 0; // held at the key whose text comes next
    bool commandKeyDown_ = false; // the last key went with Command: its text is no typing
    Point lastPointer_;
    // Where keys go: the dialog running modally, else the window clicked last while it shows,
    // else the one the system names.
    template <typename Lookup>
    uint32_t keyWindow(uint32_t named, const Lookup& lookup) const;
    uint32_t lastKeyWindow_ = 0; // the window clicked last
    uint32_t shownFirst_ = 0;    // the bottom window shown
    uint32_t shownModal_ = 0;    // the dialog running modally, when shown
};

} // namespace ns::platform
