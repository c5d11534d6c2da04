// Tooltips: the help text of the view under the pointer, shown in a small window of its own
// just below the pointer once it has rested there kToolTipDelay. A press, a key, or the
// pointer moving onto another tip takes it away; the next rest shows the new one.
#pragma once

#include "Window.h"

#include <chrono>
#include <string>

namespace ns {

class ToolTipWindow : public Window {
public:
    static constexpr std::chrono::milliseconds kDelay{700};
    static constexpr double kHeight = 18, kPadding = 6;

    // The pointer moved over a window at that point: its view's tip is watched from `now`.
    static void pointerMoved(Window& window, Point locationInWindow, std::chrono::steady_clock::time_point now);
    // Takes the tip away (a press, a key); the pointer's next rest shows one again.
    static void dismiss();
    // A window going away takes the tip it was watched for.
    static void windowGone(const Window* window);
    // Shows the tip once the pointer has rested long enough. True when what shows changed.
    static bool showDue(std::chrono::steady_clock::time_point now);
    // The tip shown now; null for none.
    static ToolTipWindow* shown();

    const std::string& text() const { return text_; }

    ToolTipWindow(std::string text, Point topLeft);

private:
    std::string text_;
};

} // namespace ns
