// The application: its windows, which one is key and main, the event being handled, and
// modal runs. The event source (a script today, a real window later) gives it events
// through the pump it installs.
#pragma once

#include "Event.h"
#include "Responder.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace ns {

class Window;

enum : int { ModalResponseCancel = 0, ModalResponseOK = 1, ModalResponseStop = -1000, ModalResponseAbort = -1001 };

class Application : public Responder {
public:
    static Application& sharedApplication();

    // Runs the event loop, through the pump, until stopModal; returns the code stopModal gave
    // (ModalResponseStop), or ModalResponseAbort when the pump has no more events. The window
    // is made key while it runs. A window already running modally is not run again: the
    // request answers ModalResponseAbort at once.
    int runModalForWindow(Window& window);
    void stopModal() { stopModalWithCode(ModalResponseStop); }
    void stopModalWithCode(int code);
    void abortModal() { stopModalWithCode(ModalResponseAbort); }
    Window* modalWindow() const { return modal_.empty() ? nullptr : modal_.back().window; }
    // How many modal runs have started: whoever sees it move while it acts knows that a
    // dialog (an alert) took the person's attention meanwhile.
    uint64_t modalRunsStarted() const { return modalRuns_; }

    // Handles one pending event and answers true, or answers false when there is none.
    using EventPump = std::function<bool()>;
    void setEventPump(EventPump pump) { pump_ = std::move(pump); }

    // The one way in for input, whatever its source (a script, a native window): the event
    // goes to its window. Refused, and false, for a window that is gone, and for
    // any window but the dialog while one runs modally (the refusal hook hears a mouse-down
    // refused so); a key typed at another window then goes to the dialog, which has the
    // keyboard. A mouse-down first commits what was typed into a field of
    // any other window (a modal run that starts then takes the press's place), then makes its
    // window key. A key with Command goes to the main menu's keys first when the
    // window's buttons have no such key equivalent.
    bool sendEvent(const Event& event);
    // Native input waits here, in order, until the pump hands it to sendEvent. Events for a
    // window that goes away leave the queue with it.
    void postEvent(const Event& event) { queue_.push_back(event); }
    std::optional<Event> nextEvent();
    bool hasPendingEvents() const { return !queue_.empty(); }

    using RefusalHook = std::function<void(const Event& event, const Window& modal)>;
    void setRefusalHook(RefusalHook hook) { refused_ = std::move(hook); }
    // Answers true when the main menu took the key.
    using MenuKeyHook = std::function<bool(const Event& event)>;
    void setMenuKeyHook(MenuKeyHook hook) { menuKey_ = std::move(hook); }

    void activateIgnoringOtherApps(bool flag);
    int activations() const { return activations_; }

    // The event being handled; null between events.
    const Event* currentEvent() const { return current_; }
    // The modifier keys held during the current event (none between events).
    uint32_t modifierFlags() const { return current_ != nullptr ? current_->modifierFlags() : 0; }

    Window* keyWindow() const { return key_; }
    Window* mainWindow() const { return main_; }
    const std::vector<Window*>& windows() const { return windows_; }

    // For windows.
    void addWindow(Window* window);
    void removeWindow(Window* window);
    void makeKeyAndMain(Window* window);
    void orderFront(Window* window);
    void windowOrderedOut(Window* window);

    // Makes an event current while it is handled.
    class CurrentEventScope {
    public:
        explicit CurrentEventScope(const Event& event);
        ~CurrentEventScope();
        CurrentEventScope(const CurrentEventScope&) = delete;
        CurrentEventScope& operator=(const CurrentEventScope&) = delete;

    private:
        const Event* previous_;
    };

private:
    struct ModalRun {
        Window* window;
        bool stopped = false;
        int code = ModalResponseStop;
    };
    void setMain(Window* window);

    std::vector<Window*> windows_;
    Window* key_ = nullptr;
    Window* main_ = nullptr;
    std::vector<ModalRun> modal_;
    EventPump pump_;
    std::deque<Event> queue_;
    RefusalHook refused_;
    MenuKeyHook menuKey_;
    const Event* current_ = nullptr;
    int activations_ = 0;
    uint64_t modalRuns_ = 0;
};

} // namespace ns
