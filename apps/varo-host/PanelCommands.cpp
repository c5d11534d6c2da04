#include "PanelCommands.h"

#include "Host.h"
#include "Numbers.h"
#include "Painting.h"
#include "PointerCommands.h"
#include "Desktop.h"

#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Driver.h"
#include "Screen.h"
#include "PopUpButton.h"
#include "Slider.h"
#include "TextField.h"

#include <cairo.h>

#include <charconv>
#include <cmath>
#include <optional>

namespace script::panel {

namespace {

const struct {
    const char* name;
    uint32_t mask;
} kModifiers[] = {{"shift", ns::ShiftKeyMask}, {"command", ns::CommandKeyMask}};

uint32_t modifiersFrom(const Words& w, size_t first)
{
    uint32_t flags = 0;
    for (size_t i = first; i < w.size(); ++i)
        for (const auto& modifier : kModifiers)
            if (w[i] == modifier.name)
                flags |= modifier.mask;
    return flags;
}

std::optional<int> parseIndex(const std::string& text)
{
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<double> parseValue(const std::string& text)
{
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool has(ns::Window* window, const std::string& identifier)
{
    return window != nullptr && ns::driver::findView(*window, identifier) != nullptr;
}

// A modal run takes the input of its own window only: true, with a warning, for a control
// of another window while one runs.
bool waitsForModal(host::Host& h, const ns::Window& window, const std::string& identifier)
{
    const ns::Window* modal = ns::Application::sharedApplication().modalWindow();
    if (modal == nullptr || modal == &window)
        return false;
    h.log().warning("control \"" + identifier + "\" waits: the dialog \"" + modal->title() + "\" is modal");
    return true;
}

// Whether a person could see the window: a panel's while the panel is shown, any other while
// it is ordered in.
bool shown(host::Host& h, const ns::Window& window)
{
    for (const auto& panel : h.panels().all())
        if (panel->window.get() == &window)
            return panel->shown;
    return window.isVisible();
}

// A script reaches what a person can: true, with a warning, for a control of a window that
// is not shown (a dialog never opened, or closed; the panel hidden).
bool outOfReach(host::Host& h, const ns::Window& window, const std::string& identifier)
{
    if (shown(h, window))
        return false;
    const std::string name = window.title().empty() ? window.identifier() : window.title();
    h.log().warning("control \"" + identifier + "\" cannot be reached: the window \"" + name + "\" is not shown");
    return true;
}

// Runs a driver operation on the window that has the control, made key first so that what
// the control does with the focus and keys lands where a user's click would put it.
template <typename Operation>
void onControl(host::Host& h, const std::string& identifier, Operation operation)
{
    ns::Window* window = targetFor(h, identifier);
    if (window == nullptr) {
        h.log().warning("no control \"" + identifier + "\"");
        return;
    }
    if (outOfReach(h, *window, identifier) || waitsForModal(h, *window, identifier))
        return;
    if (!window->isKeyWindow())
        window->makeKeyAndOrderFront(nullptr);
    const std::string reason = operation(*window);
    if (!reason.empty())
        h.log().warning(reason);
}

// The panel a picture or a listing is of: the first shown, else the first made.
const host::Panel* shownPanel(host::Host& h)
{
    for (const auto& panel : h.panels().all())
        if (panel->shown)
            return panel.get();
    return h.panels().all().empty() ? nullptr : h.panels().all().front().get();
}

std::string quoted(const std::string& text)
{
    return "\"" + host::escapedAsInC(text) + "\"";
}

std::string number(double value)
{
    return host::render::formatNumber(value);
}

// One line: a control's state and contents; another view's place, which is what tells of
// a veil or an icon.
void describe(const ns::View& view, std::ostream& out)
{
    out << view.identifier() << " hidden=" << (view.isHiddenOrHasHiddenAncestor() ? "yes" : "no");
    const auto* control = dynamic_cast<const ns::Control*>(&view);
    if (control == nullptr) {
        const ns::Rect f = view.frame();
        out << " frame=" << number(f.origin.x) << ',' << number(f.origin.y) << ',' << number(f.size.width) << ','
            << number(f.size.height);
    } else {
        out << " enabled=" << (control->isEnabled() ? "yes" : "no");
        if (const auto* button = dynamic_cast<const ns::Button*>(control))
            out << " title=" << quoted(button->title()) << " state=" << (button->state() != 0 ? 1 : 0);
        else if (const auto* popUp = dynamic_cast<const ns::PopUpButton*>(control))
            out << " value=" << quoted(popUp->stringValue()) << " selected=" << popUp->indexOfSelectedItem();
        else if (const auto* combo = dynamic_cast<const ns::ComboBox*>(control))
            out << " value=" << quoted(combo->stringValue()) << " selected=" << combo->indexOfSelectedItem();
        else
            out << " value=" << quoted(control->stringValue());
    }
    out << " tooltip=" << quoted(view.toolTip()) << '\n';
}

void listViews(const ns::View& view, std::ostream& out)
{
    if (!view.identifier().empty())
        describe(view, out);
    for (const auto& subview : view.subviews())
        listViews(*subview, out);
}

} // namespace

ns::Window* targetFor(host::Host& h, const std::string& identifier)
{
    ns::Application& application = ns::Application::sharedApplication();
    if (has(application.keyWindow(), identifier))
        return application.keyWindow();
    for (const auto& panel : h.panels().all())
        if (has(panel->window.get(), identifier))
            return panel->window.get();
    for (ns::Window* window : application.windows())
        if (has(window, identifier))
            return window;
    return nullptr;
}

std::string checkClick(const Words& w)
{
    return pointer::checkModifiers(w, 1, {"shift", "command"});
}

void click(const Words& w, host::Host& h)
{
    onControl(h, w[0], [&](ns::Window& window) { return ns::driver::click(window, w[0], modifiersFrom(w, 1)); });
}

void type(const Words& w, host::Host& h)
{
    onControl(h, w[0], [&](ns::Window& window) { return ns::driver::type(window, w[0], w[1]); });
}

std::string checkKey(const Words& w)
{
    if (!ns::driver::keyNamed(w[0], 0, nullptr))
        return "no key \"" + w[0] + "\" (Return, Tab, Escape, Delete, Up, Down, Left, Right, fn or one character)";
    return pointer::checkModifiers(w, 1, {"shift", "command"});
}

void key(const Words& w, host::Host& h)
{
    ns::Window* window = ns::Application::sharedApplication().keyWindow();
    if (window == nullptr || !shown(h, *window)) {
        h.log().warning("key " + w[0] + ": no key window shown");
        return;
    }
    const std::string reason = ns::driver::key(*window, w[0], modifiersFrom(w, 1));
    if (!reason.empty())
        h.log().warning(reason);
}

std::string checkChoose(const Words& w)
{
    return parseIndex(w[1]) ? std::string() : "\"" + w[1] + "\" is not an item index (0, 1, 2 ...)";
}

void choose(const Words& w, host::Host& h)
{
    onControl(h, w[0], [&](ns::Window& window) { return ns::driver::choose(window, w[0], *parseIndex(w[1])); });
}

std::string checkSlide(const Words& w)
{
    return parseValue(w[1]) ? std::string() : "\"" + w[1] + "\" is not a slider value (a number)";
}

void slide(const Words& w, host::Host& h)
{
    onControl(h, w[0], [&](ns::Window& window) { return ns::driver::slide(window, w[0], *parseValue(w[1])); });
}

void snapshotPanel(const std::string& file, host::Host& h)
{
    const host::Panel* panel = shownPanel(h);
    if (panel == nullptr) {
        h.log().warning("snapshot panel: no panel");
        return;
    }
    const std::unique_ptr<ns::Image> image = host::desktop::Desktop::panelPicture(h, *panel, 1);
    if (!image) {
        h.log().warning("snapshot panel: the panel's size " + std::to_string(panel->size.width) + "x" +
                        std::to_string(panel->size.height) + " shows nothing to picture");
        return;
    }
    const std::string reason = host::render::writePng(image->surface(), file);
    if (!reason.empty())
        h.log().warning(reason);
}

void printPanel(host::Host& h, std::ostream& out, const Words& identifiers)
{
    const host::Panel* panel = shownPanel(h);
    if (panel == nullptr) {
        h.log().warning("print panel: no panel");
        return;
    }
    if (identifiers.empty()) {
        listViews(*panel->view, out);
        return;
    }
    // A control named is looked for in the panel, then as `click` finds it (the dialogs').
    for (const std::string& identifier : identifiers) {
        const ns::View* view = panel->view->viewWithIdentifier(identifier);
        if (view == nullptr)
            if (ns::Window* window = targetFor(h, identifier))
                view = ns::driver::findView(*window, identifier);
        if (view != nullptr)
            describe(*view, out);
        else
            h.log().warning("print panel: no control \"" + identifier + "\"");
    }
}

void snapshotWindow(const std::string& title, const std::string& file, host::Host& h)
{
    host::desktop::Desktop* desktop = host::desktop::Desktop::current();
    const std::optional<ns::platform::Surface> surface =
        desktop != nullptr ? desktop->surfaceNamed(title) : std::nullopt;
    if (!surface) {
        h.log().warning("snapshot window: no window \"" + title + "\"");
        return;
    }
    const std::unique_ptr<ns::Image> picture = surface->draw(1, nullptr);
    if (!picture) {
        h.log().warning("snapshot window: \"" + title + "\" shows nothing to picture");
        return;
    }
    if (const std::string reason = host::render::writePng(picture->surface(), file); !reason.empty())
        h.log().warning(reason);
}

void hoverControl(const std::string& identifier, host::Host& h)
{
    ns::Window* window = targetFor(h, identifier);
    const ns::View* view = window != nullptr ? ns::driver::findView(*window, identifier) : nullptr;
    if (view == nullptr) {
        h.log().warning("no control \"" + identifier + "\"");
        return;
    }
    if (outOfReach(h, *window, identifier) || waitsForModal(h, *window, identifier))
        return;
    const ns::Rect frame = view->convertRectToWindow(view->bounds());
    ns::driver::mouseMove(*window, {frame.midX(), frame.midY()});
}

void printPlace(host::Host& h, std::ostream& out, const Words& what)
{
    host::desktop::Desktop* desktop = host::desktop::Desktop::current();
    if (desktop == nullptr)
        return;
    const double top = ns::Screen::mainScreen().frame().maxY();
    const auto say = [&](const std::string& name, const ns::Window& window, ns::Point inWindow) {
        out << "place " << name << ' ' << host::render::formatNumber(window.frame().origin.x + inWindow.x) << ' '
            << host::render::formatNumber(top - (window.frame().origin.y + inWindow.y));
    };
    double x = 0, y = 0;
    if (what.size() == 2 && std::from_chars(what[0].data(), what[0].data() + what[0].size(), x).ec == std::errc() &&
        std::from_chars(what[1].data(), what[1].data() + what[1].size(), y).ec == std::errc()) {
        // The pixel nearest the point, and the artwork point that pixel stands for.
        host::desktop::ArtboardView& artboard = desktop->document().artboard();
        const AIPoint p = h.documentView().artworkToView({static_cast<AIReal>(x), static_cast<AIReal>(y)});
        const AIRealPoint at = h.documentView().viewToArtwork(p);
        say(what[0] + " " + what[1], desktop->document().window(),
            artboard.convertPointToWindow({static_cast<double>(p.h), artboard.bounds().size.height - p.v}));
        out << " artwork " << host::render::formatNumber(at.h) << ' ' << host::render::formatNumber(at.v) << '\n';
        return;
    }
    for (const std::string& name : what) {
        host::desktop::ToolStrip& strip = desktop->document().toolStrip();
        const std::vector<host::Tool*> tools = strip.tools();
        bool found = false;
        for (size_t i = 0; i < tools.size() && !found; ++i)
            if (tools[i]->title == name) {
                const ns::Rect r = strip.buttonRect(i);
                say("\"" + name + "\"", desktop->document().window(), strip.convertPointToWindow({r.midX(), r.midY()}));
                out << '\n';
                found = true;
            }
        if (found)
            continue;
        ns::Window* window = targetFor(h, name);
        const ns::View* view = window != nullptr ? ns::driver::findView(*window, name) : nullptr;
        if (view == nullptr) {
            h.log().warning("print place: no control or tool \"" + name + "\"");
            continue;
        }
        const ns::Rect frame = view->convertRectToWindow(view->bounds());
        say(name, *window, {frame.midX(), frame.midY()});
        out << '\n';
    }
}

void printFocus(host::Host&, std::ostream& out)
{
    ns::Window* window = ns::Application::sharedApplication().keyWindow();
    const ns::Responder* responder = window != nullptr ? window->firstResponder() : nullptr;
    // A text field being edited hands the keys to the field editor: the field is the focus.
    const auto* view = dynamic_cast<const ns::View*>(responder);
    while (view != nullptr && view->identifier().empty())
        view = view->superview();
    if (window == nullptr)
        out << "none (no key window)\n";
    else if (view == nullptr)
        out << "none\n";
    else
        out << view->identifier() << '\n';
}

} // namespace script::panel
