// Native input as toolkit events, without a display: one table of SDL events and what the
// toolkit must hear of them, at scale 1 and 2, over a document window and a panel beside it.
#include "EventTranslator.h"

#include "Application.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <vector>

namespace ns::platform {
namespace {

SDL_Event button(Uint32 type, Uint32 window, int x, int y, Uint8 clicks = 1)
{
    SDL_Event e{};
    e.type = type;
    e.button.windowID = window;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    e.button.clicks = clicks;
    return e;
}

SDL_Event motion(Uint32 window, int x, int y, bool held)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = window;
    e.motion.x = x;
    e.motion.y = y;
    e.motion.state = held ? SDL_BUTTON_LMASK : 0;
    return e;
}

SDL_Event key(Uint32 window, SDL_Keycode sym, Uint16 mod = 0)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = window;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event text(Uint32 window, const char* typed)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = window;
    std::snprintf(e.text.text, sizeof e.text.text, "%s", typed);
    return e;
}

// "down doc (10, 20) shift" and the like: what the toolkit hears, one word list per event.
std::string describe(const Event& e, const Window& document, const Window& panel)
{
    static const char* const kTypes[] = {"down", "up", "drag", "move", "entered", "exited", "key", "keyup", "wheel"};
    std::string s = kTypes[static_cast<int>(e.type())];
    s += e.window() == &document ? " doc" : e.window() == &panel ? " panel" : " ?";
    if (e.type() == EventType::KeyDown)
        s += " " + std::to_string(e.keyCode()) + " \"" + e.characters() + "\"";
    else
        s += " (" + std::to_string(static_cast<int>(e.locationInWindow().x * 2) / 2.0).substr(0, 5) + ", " +
             std::to_string(e.locationInWindow().y).substr(0, 5) + ")";
    const struct {
        uint32_t mask;
        const char* name;
    } kFlags[] = {{ShiftKeyMask, "shift"}, {AlternateKeyMask, "option"}, {CommandKeyMask, "command"}, {ControlKeyMask, "control"}};
    for (const auto& f : kFlags)
        if (e.modifierFlags() & f.mask)
            s += std::string(" ") + f.name;
    if (e.type() == EventType::LeftMouseDown && e.clickCount() != 1)
        s += " x" + std::to_string(e.clickCount());
    return s;
}

TEST(EventTranslator, NativeInputBecomesTheToolkitsEvents)
{
    // A document window 100 x 50 points at the screen's top-left corner (screen 1000 high), a
    // panel 40 x 30 at x 200 whose window's top-left point is (0, 30).
    Window document(MakeRect(0, 950, 100, 50)), panel(MakeRect(200, 970, 40, 30));
    Surface doc, pan;
    doc.frame = MakeRect(0, 950, 100, 50);
    doc.regions = {{&document, MakeRect(0, 0, 100, 50), {0, 50}}};
    pan.frame = MakeRect(200, 970, 40, 30);
    pan.regions = {{&panel, MakeRect(0, 0, 40, 30), {0, 30}}};
    doc.window = &document;
    pan.window = &panel;
    const std::vector<EventTranslator::Shown> shown{{1, &doc}, {2, &pan}};

    struct Case {
        const char* what;
        double scale;
        std::vector<SDL_Event> input;
        Uint16 held; // SDL's modifiers
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"a click with each modifier combination", 1, {button(SDL_MOUSEBUTTONDOWN, 1, 10, 20), button(SDL_MOUSEBUTTONUP, 1, 10, 20)},
         KMOD_LSHIFT | KMOD_LALT, {"down doc (10.00, 30.00) shift option", "up doc (10.00, 30.00) shift option"}},
        {"Ctrl is Command, the logo key Control", 1, {button(SDL_MOUSEBUTTONDOWN, 1, 0, 0, 2)}, KMOD_RCTRL | KMOD_LGUI,
         {"down doc (0.000, 50.00) command control x2"}},
        {"pixels are halved at scale 2", 2, {button(SDL_MOUSEBUTTONDOWN, 1, 21, 40)}, 0, {"down doc (10.50, 30.00)"}},
        {"a drag stays with its window, over another and outside all", 1,
         {button(SDL_MOUSEBUTTONDOWN, 1, 90, 10), motion(1, 99, 10, true), motion(2, 5, 5, true), motion(0, 0, 0, true),
          button(SDL_MOUSEBUTTONUP, 2, 5, 5)},
         0,
         {"down doc (90.00, 40.00)", "drag doc (99.00, 40.00)", "drag doc (205.0, 45.00)", "drag doc (0.000, 50.00)",
          "up doc (205.0, 45.00)"}},
        {"a release nobody saw ends the drag at the next move", 1,
         {button(SDL_MOUSEBUTTONDOWN, 2, 1, 1), motion(2, 3, 3, false), motion(2, 4, 4, false)}, 0,
         {"down panel (1.000, 29.00)", "up panel (3.000, 27.00)", "move panel (4.000, 26.00)"}},
        {"the window under the pointer takes it, whichever the system names", 1,
         {motion(1, 210, 10, false), button(SDL_MOUSEBUTTONDOWN, 1, 210, 10)}, 0,
         {"move panel (10.00, 20.00)", "down panel (10.00, 20.00)"}},
        {"a window no longer shown hears no click; keys for it go to the document", 1,
         {button(SDL_MOUSEBUTTONDOWN, 7, 1, 1), key(7, SDLK_RETURN)}, 0, {"key doc 36 \"\r\""}},
        {"named keys, then text paired with its key, UTF-8 whole", 1,
         {key(2, SDLK_TAB, KMOD_LSHIFT), key(2, SDLK_RETURN), key(2, SDLK_ESCAPE), key(2, SDLK_BACKSPACE), key(2, SDLK_UP),
          key(2, SDLK_e, KMOD_LSHIFT), text(2, "E"), key(2, SDLK_UNKNOWN), text(2, "\xC3\xA9\xE2\x82\xAC")},
         0,
         {"key panel 48 \"\t\" shift", "key panel 36 \"\r\"", "key panel 53 \"\x1b\"", "key panel 51 \"\x7f\"", "key panel 126 \"\"",
          "key panel 0 \"E\" shift", "key panel 0 \"\xC3\xA9\"", "key panel 0 \"\xE2\x82\xAC\""}},
        {"Home, End and forward Delete are named; an emoji with its skin tone comes a code point at a time", 1,
         {key(1, SDLK_HOME, KMOD_LSHIFT), key(1, SDLK_END), key(1, SDLK_DELETE), key(1, SDLK_UNKNOWN),
          text(1, "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD")},
         0,
         {"key doc 115 \"\" shift", "key doc 119 \"\"", "key doc 117 \"\"", "key doc 0 \"\xF0\x9F\x91\x8D\"",
          "key doc 0 \"\xF0\x9F\x8F\xBD\""}},
        {"a shortcut types its key, and no text after it", 1, {key(1, SDLK_s, KMOD_LCTRL), text(1, "s")}, 0,
         {"key doc 0 \"s\" command"}},
        {"keys go to the window clicked last, whichever the system names", 1,
         {button(SDL_MOUSEBUTTONDOWN, 2, 1, 1), button(SDL_MOUSEBUTTONUP, 2, 1, 1), key(1, SDLK_a), text(0, "a"),
          key(1, SDLK_RETURN)},
         0, {"down panel (1.000, 29.00)", "up panel (1.000, 29.00)", "key panel 0 \"a\"", "key panel 36 \"\r\""}},
    };
    for (const Case& c : cases) {
        EventTranslator translator(c.scale);
        std::vector<std::string> heard;
        for (const SDL_Event& e : c.input)
            for (const Event& t : translator.translate(e, shown, c.held))
                heard.push_back(describe(t, document, panel));
        EXPECT_EQ(heard, c.heard) << c.what;
    }
}

TEST(EventTranslator, ADialogRunningModallyTakesTheKeysUntilItEnds)
{
    Window document(MakeRect(0, 950, 100, 50)), panel(MakeRect(200, 970, 40, 30)), dialog(MakeRect(50, 900, 60, 40));
    Surface doc, pan, dia;
    doc.frame = document.frame();
    doc.regions = {{&document, MakeRect(0, 0, 100, 50), {0, 50}}};
    doc.window = &document;
    pan.frame = panel.frame();
    pan.regions = {{&panel, MakeRect(0, 0, 40, 30), {0, 30}}};
    pan.window = &panel;
    dia.frame = dialog.frame();
    dia.regions = {{&dialog, MakeRect(0, 0, 60, 40), {0, 40}}};
    dia.window = &dialog;
    const std::vector<EventTranslator::Shown> shown{{1, &doc}, {2, &pan}, {3, &dia}};
    EventTranslator translator(1);
    const auto keyTo = [&](Uint32 named) -> const Window* {
        const std::vector<Event> heard = translator.translate(key(named, SDLK_RETURN), shown, 0);
        return heard.empty() ? nullptr : heard.front().window();
    };
    translator.translate(button(SDL_MOUSEBUTTONDOWN, 2, 1, 1), shown, 0);
    translator.translate(button(SDL_MOUSEBUTTONUP, 2, 1, 1), shown, 0);
    EXPECT_EQ(keyTo(1), &panel) << "before: the window clicked last";

    Application& application = Application::sharedApplication();
    std::vector<const Window*> during;
    application.setEventPump([&] {
        during.push_back(keyTo(2));
        // A click on the dialog while it runs does not keep the keys there after it.
        translator.translate(button(SDL_MOUSEBUTTONDOWN, 3, 5, 5), shown, 0);
        translator.translate(button(SDL_MOUSEBUTTONUP, 3, 5, 5), shown, 0);
        during.push_back(keyTo(1));
        application.stopModal();
        return true;
    });
    application.runModalForWindow(dialog);
    application.setEventPump(nullptr);
    EXPECT_EQ(during, (std::vector<const Window*>{&dialog, &dialog}));
    EXPECT_EQ(keyTo(3), &panel) << "after: back to the window clicked last";
}

} // namespace
} // namespace ns::platform
