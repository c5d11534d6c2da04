#include "EventTranslator.h"

#include "Application.h"

namespace ns::platform {

namespace {

struct NamedKey {
    SDL_Keycode key;
    uint16_t code;
    const char* characters;
};

const NamedKey kNamedKeys[] = {
    {SDLK_RETURN, KeyReturn, "\r"}, {SDLK_KP_ENTER, KeyReturn, "\r"}, {SDLK_TAB, KeyTab, "\t"},
    {SDLK_ESCAPE, KeyEscape, "\x1b"}, {SDLK_BACKSPACE, KeyDelete, "\x7f"}, {SDLK_DELETE, KeyForwardDelete, ""}, {SDLK_LEFT, KeyLeft, ""},
    {SDLK_RIGHT, KeyRight, ""},      {SDLK_DOWN, KeyDown, ""},          {SDLK_UP, KeyUp, ""},
    {SDLK_HOME, KeyHome, ""},        {SDLK_END, KeyEnd, ""},
};

// The text's characters, each whole (UTF-8 sequences kept together).
std::vector<std::string> charactersOf(const char* text)
{
    std::vector<std::string> characters;
    for (const char* p = text; *p != '\0';) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(*p);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        size_t got = 0;
        while (got < length && p[got] != '\0')
            ++got;
        characters.emplace_back(p, got);
        p += got;
    }
    return characters;
}

} // namespace

uint32_t EventTranslator::modifierFlags(uint16_t m)
{
    uint32_t flags = 0;
    if (m & KMOD_SHIFT)
        flags |= ShiftKeyMask;
    if (m & KMOD_ALT)
        flags |= AlternateKeyMask;
    if (m & KMOD_CTRL)
        flags |= CommandKeyMask;
    if (m & KMOD_GUI)
        flags |= ControlKeyMask;
    return flags;
}

std::optional<std::pair<uint16_t, std::string>> EventTranslator::namedKey(SDL_Keycode key)
{
    for (const NamedKey& k : kNamedKeys)
        if (k.key == key)
            return std::make_pair(k.code, std::string(k.characters));
    return std::nullopt;
}

std::optional<uint32_t> EventTranslator::dragging() const
{
    return pressed_ ? std::optional<uint32_t>(pressed_->windowID) : std::nullopt;
}

Point EventTranslator::screenPoint(const Surface& surface, double x, double y) const
{
    return {surface.frame.origin.x + x / scale_, surface.frame.maxY() - y / scale_};
}

Point EventTranslator::windowPoint(const Region& region, const Rect& frame, Point screen)
{
    const double x = screen.x - frame.origin.x - region.area.origin.x;
    const double y = frame.maxY() - screen.y - region.area.origin.y;
    return {region.topLeft.x + x, region.topLeft.y - y};
}

const Region* EventTranslator::regionAt(const Surface& surface, Point screen)
{
    const Point inSurface{screen.x - surface.frame.origin.x, surface.frame.maxY() - screen.y};
    for (const Region& r : surface.regions)
        if (inSurface.x >= r.area.minX() && inSurface.x < r.area.maxX() && inSurface.y >= r.area.minY() &&
            inSurface.y < r.area.maxY())
            return &r;
    return nullptr;
}

template <typename Lookup>
uint32_t EventTranslator::keyWindow(uint32_t named, const Lookup& lookup) const
{
    // A dialog running modally takes the keyboard: nothing else may have its keys.
    if (shownModal_ != 0)
        return shownModal_;
    // The keyboard follows the clicks: the system's focus may lag behind fast input. When the
    // window clicked last has gone (a dialog closed) and the system names none shown, the
    // keys go to the bottom window, the document's.
    if (lastKeyWindow_ != 0 && lookup(lastKeyWindow_) != nullptr)
        return lastKeyWindow_;
    return lookup(named) != nullptr || shownFirst_ == 0 ? named : shownFirst_;
}

std::vector<Event> EventTranslator::translate(const SDL_Event& e, const std::vector<Shown>& shown, uint16_t modifiers,
                                              std::optional<std::pair<int, int>> place)
{
    std::vector<Event> out;
    shownFirst_ = shown.empty() ? 0 : shown.front().id;
    shownModal_ = 0;
    if (const Window* modal = Application::sharedApplication().modalWindow(); modal != nullptr)
        for (const Shown& s : shown)
            if (s.surface->window == modal)
                shownModal_ = s.id;
    const auto lookup = [&](uint32_t id) -> const Surface* {
        for (const Shown& s : shown)
            if (s.id == id)
                return s.surface;
        return nullptr;
    };
    // The topmost window under a point of the screen, and its id.
    const auto under = [&](Point screen, uint32_t& id) -> const Surface* {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it)
            if (regionAt(*it->surface, screen) != nullptr) {
                id = it->id;
                return it->surface;
            }
        return nullptr;
    };
    const auto endDrag = [&](Point screen, uint32_t flags) {
        out.push_back(Event::mouseEvent(EventType::LeftMouseUp, windowPoint(pressed_->region, pressed_->frame, screen), flags,
                                        pressed_->region.window));
        pressed_.reset();
    };
    // A drag whose window went away ends there, unheard.
    if (pressed_ && lookup(pressed_->windowID) == nullptr)
        pressed_.reset();
    const uint32_t held = modifierFlags(modifiers);
    // The pointer's point on the screen: the display server's when it gave one.
    const auto screenOf = [&](const Surface& named, double x, double y) {
        return place ? Point{place->first / scale_, screenHeight_ - place->second / scale_} : screenPoint(named, x, y);
    };
    switch (e.type) {
    case SDL_MOUSEBUTTONDOWN: {
        const Surface* named = lookup(e.button.windowID);
        if (named == nullptr || e.button.button != SDL_BUTTON_LEFT)
            break;
        const Point screen = screenOf(*named, e.button.x, e.button.y);
        uint32_t id = 0;
        const Surface* s = under(screen, id);
        const Region* r = s != nullptr ? regionAt(*s, screen) : nullptr;
        if (r == nullptr)
            break;
        if (pressed_) // a press whose release never came: it ends before the next begins
            endDrag(screen, held);
        pressed_ = Press{id, *r, s->frame};
        // A menu takes no keys: they stay with the window that opened it; a modal dialog has
        // them while it runs anyway.
        if (s->kind != SurfaceKind::Menu && id != shownModal_)
            lastKeyWindow_ = id;
        out.push_back(Event::mouseEvent(EventType::LeftMouseDown, windowPoint(*r, s->frame, screen), held, r->window,
                                        e.button.clicks));
        break;
    }
    case SDL_MOUSEMOTION: {
        const Surface* s = lookup(e.motion.windowID);
        if (pressed_) {
            // Over another window, or none, the drag's own window still hears it.
            const Surface* over = s != nullptr ? s : lookup(pressed_->windowID);
            const Point screen = screenOf(*over, e.motion.x, e.motion.y);
            lastPointer_ = screen;
            if ((e.motion.state & SDL_BUTTON_LMASK) == 0) {
                endDrag(screen, held); // released where nobody saw it
                break;
            }
            out.push_back(Event::mouseEvent(EventType::LeftMouseDragged,
                                            windowPoint(pressed_->region, pressed_->frame, screen), held,
                                            pressed_->region.window));
            break;
        }
        if (s == nullptr)
            break;
        const Point screen = screenOf(*s, e.motion.x, e.motion.y);
        lastPointer_ = screen;
        uint32_t id = 0;
        if (const Surface* top = under(screen, id))
            if (const Region* r = regionAt(*top, screen))
                out.push_back(Event::mouseEvent(EventType::MouseMoved, windowPoint(*r, top->frame, screen), held, r->window, 0));
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        if (!pressed_ || e.button.button != SDL_BUTTON_LEFT)
            break;
        const Surface* s = lookup(e.button.windowID);
        const Surface* over = s != nullptr ? s : lookup(pressed_->windowID);
        endDrag(screenOf(*over, e.button.x, e.button.y), held);
        break;
    }
    case SDL_MOUSEWHEEL: {
        uint32_t id = 0;
        const Surface* s = under(lastPointer_, id);
        const Region* r = s != nullptr ? regionAt(*s, lastPointer_) : nullptr;
        if (r == nullptr)
            break;
        const double flip = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
        out.push_back(Event::scrollEvent(windowPoint(*r, s->frame, lastPointer_), e.wheel.x * flip, e.wheel.y * flip, held,
                                         r->window));
        break;
    }
    case SDL_KEYDOWN: {
        const uint32_t flags = modifierFlags(e.key.keysym.mod);
        const uint32_t id = keyWindow(e.key.windowID, lookup);
        const Surface* s = lookup(id);
        commandKeyDown_ = (flags & CommandKeyMask) != 0;
        if (s == nullptr)
            break;
        // A modal dialog has the keys while it runs only: after it, they go back where they were.
        if (id != shownModal_)
            lastKeyWindow_ = id;
        if (const auto named = namedKey(e.key.keysym.sym)) {
            out.push_back(Event::keyEvent(named->first, named->second, flags, s->window));
        } else if (commandKeyDown_) {
            // A shortcut types nothing: its character is the key's own.
            const SDL_Keycode key = e.key.keysym.sym;
            if (key >= 0x20 && key < 0x7f)
                out.push_back(Event::keyEvent(0, std::string(1, static_cast<char>(key)), flags, s->window));
        } else {
            textModifiers_ = flags;
        }
        break;
    }
    case SDL_TEXTINPUT: {
        const Surface* s = lookup(keyWindow(e.text.windowID, lookup));
        if (s == nullptr || commandKeyDown_)
            break;
        for (const std::string& c : charactersOf(e.text.text))
            if (static_cast<unsigned char>(c[0]) >= 0x20 && c[0] != 0x7f)
                out.push_back(Event::keyEvent(0, c, textModifiers_, s->window));
        break;
    }
    default:
        break;
    }
    return out;
}

} // namespace ns::platform
