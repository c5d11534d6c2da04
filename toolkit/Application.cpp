#include "Application.h"

#include "Menu.h"
#include "ToolTip.h"
#include "Window.h"

#include <algorithm>
#include <chrono>

namespace ns {

Application& Application::sharedApplication()
{
    // Never destroyed: windows that live in other code's statics (a plug-in's controller)
    // leave it as the process ends, after this file's statics would have gone.
    static Application* const application = new Application;
    return *application;
}

int Application::runModalForWindow(Window& window)
{
    // A window runs modally once at a time: a second request while it runs is refused.
    for (const ModalRun& run : modal_)
        if (run.window == &window)
            return ModalResponseAbort;
    modal_.push_back(ModalRun{&window});
    ++modalRuns_;
    window.makeKeyAndOrderFront(this);
    int code = ModalResponseAbort;
    while (true) {
        if (modal_.back().stopped) {
            code = modal_.back().code;
            break;
        }
        if (!pump_ || !pump_())
            break; // nothing more will come: the run cannot end otherwise
    }
    modal_.pop_back();
    return code;
}

void Application::stopModalWithCode(int code)
{
    if (modal_.empty())
        return;
    modal_.back().stopped = true;
    modal_.back().code = code;
}

void Application::activateIgnoringOtherApps(bool)
{
    ++activations_;
}

void Application::addWindow(Window* window)
{
    windows_.push_back(window);
}

bool Application::sendEvent(const Event& event)
{
    Window* window = event.window();
    if (window == nullptr || std::find(windows_.begin(), windows_.end(), window) == windows_.end())
        return false;
    const bool pressed = event.type() == EventType::LeftMouseDown || event.type() == EventType::KeyDown;
    // An open menu takes the keys; a click elsewhere closes it and does nothing more.
    if (MenuWindow* menu = MenuWindow::open(); menu != nullptr && window != menu) {
        if (event.type() == EventType::LeftMouseDown) {
            MenuWindow::dismiss();
            return true;
        }
        if (event.type() == EventType::KeyDown) {
            menu->sendEvent(event);
            return true;
        }
    }
    if (Window* modal = modalWindow(); modal != nullptr && modal != window && window != MenuWindow::open()) {
        // The keyboard is the dialog's while it runs, whichever window the keys were typed
        // at: keys typed as it opened, before the screen showed it, are its too.
        if (event.type() == EventType::KeyDown) {
            modal->sendEvent(event);
            return true;
        }
        if (pressed && refused_)
            refused_(event, *modal);
        return false;
    }
    // A click in a window leaves the field being typed into in any other: what was typed
    // goes, as a click beside it in its own window sends it. A modal run that this starts (an
    // alert) takes the click's place.
    if (event.type() == EventType::LeftMouseDown && window != MenuWindow::open()) {
        bool uninterrupted = true;
        for (Window* other : std::vector<Window*>(windows_))
            if (other != window && !other->commitEditing())
                uninterrupted = false;
        if (!uninterrupted)
            return true;
    }
    // The pointer resting shows a tip; pressing or typing takes it away.
    if (event.type() == EventType::MouseMoved)
        ToolTipWindow::pointerMoved(*window, event.locationInWindow(), std::chrono::steady_clock::now());
    else if (pressed)
        ToolTipWindow::dismiss();
    // A click makes its window key, as a user's click does; a menu never is.
    if (event.type() == EventType::LeftMouseDown && !window->isKeyWindow() && window != MenuWindow::open())
        window->makeKeyAndOrderFront(this);
    if (event.type() == EventType::KeyDown && (event.modifierFlags() & CommandKeyMask) != 0 &&
        !window->hasKeyEquivalent(event) && menuKey_ && menuKey_(event))
        return true;
    window->sendEvent(event);
    return true;
}

std::optional<Event> Application::nextEvent()
{
    if (queue_.empty())
        return std::nullopt;
    Event event = queue_.front();
    queue_.pop_front();
    return event;
}

void Application::removeWindow(Window* window)
{
    std::erase_if(queue_, [window](const Event& event) { return event.window() == window; });
    std::erase(windows_, window);
    if (key_ == window)
        key_ = nullptr;
    if (main_ == window)
        main_ = nullptr; // going away: it hears nothing more
    for (ModalRun& run : modal_)
        if (run.window == window) {
            run.stopped = true;
            run.code = ModalResponseAbort;
        }
    ToolTipWindow::windowGone(window);
}

void Application::setMain(Window* window)
{
    if (main_ == window)
        return;
    Window* previous = main_;
    main_ = window;
    if (previous != nullptr && previous->delegate() != nullptr)
        previous->delegate()->windowDidResignMain(*previous);
    if (window != nullptr && window->delegate() != nullptr)
        window->delegate()->windowDidBecomeMain(*window);
}

void Application::makeKeyAndMain(Window* window)
{
    // Ordered front: the last of the list is the frontmost.
    std::erase(windows_, window);
    windows_.push_back(window);
    key_ = window;
    setMain(window);
}

void Application::orderFront(Window* window)
{
    std::erase(windows_, window);
    windows_.push_back(window);
}

void Application::windowOrderedOut(Window* window)
{
    if (key_ == window)
        key_ = nullptr;
    if (main_ == window) {
        // The frontmost other visible window becomes main, as the platform does.
        Window* next = nullptr;
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
            if (*it != window && (*it)->isVisible()) {
                next = *it;
                break;
            }
        setMain(next);
        key_ = next;
    }
}

Application::CurrentEventScope::CurrentEventScope(const Event& event)
    : previous_(sharedApplication().current_)
{
    sharedApplication().current_ = &event;
}

Application::CurrentEventScope::~CurrentEventScope()
{
    sharedApplication().current_ = previous_;
}

} // namespace ns
