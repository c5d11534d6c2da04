#include "ToolTip.h"

#include "RectFill.h"
#include "TextDrawing.h"

#include <cmath>
#include <memory>
#include <optional>

namespace ns {

namespace {

class ToolTipView : public View {
public:
    ToolTipView(const ToolTipWindow& tip, Rect frame) : View(frame), tip_(tip) {}

    void drawRect(const Rect&) override
    {
        Color(1, 1, 0.88).setFill();
        RectFill(bounds());
        Color(0.55, 0.55, 0.55).setFill();
        const Rect b = bounds();
        const Rect edges[] = {MakeRect(0, 0, b.size.width, 1), MakeRect(0, b.size.height - 1, b.size.width, 1),
                              MakeRect(0, 0, 1, b.size.height), MakeRect(b.size.width - 1, 0, 1, b.size.height)};
        RectFillList(edges, 4);
        drawString(tip_.text(), MakeRect(ToolTipWindow::kPadding, 0, b.size.width - 2 * ToolTipWindow::kPadding, b.size.height),
                   Color::blackColor());
    }

private:
    const ToolTipWindow& tip_;
};

struct Watched {
    const Window* window = nullptr;
    std::string text;
    Point screen;
    std::chrono::steady_clock::time_point since;
};

struct ToolTips {
    std::optional<Watched> watched;
    std::unique_ptr<ToolTipWindow> shown;
    bool dismissed = false; // until the pointer moves onto another tip
};

ToolTips& tips()
{
    static ToolTips state;
    return state;
}

// The tip of the view under the point, or of the nearest of its superviews that has one.
std::string tipAt(Window& window, Point locationInWindow)
{
    for (View* view = window.contentView()->hitTest(locationInWindow); view != nullptr; view = view->superview())
        if (std::string tip = view->toolTipAt(view->convertPointFromWindow(locationInWindow)); !tip.empty())
            return tip;
    return {};
}

} // namespace

ToolTipWindow::ToolTipWindow(std::string text, Point topLeft)
    : Window(MakeRect(topLeft.x, topLeft.y - kHeight, std::ceil(stringWidth(text)) + 2 * kPadding + 2, kHeight), "tooltip"),
      text_(std::move(text))
{
    setIdentifier("tooltip");
    setContentView(std::make_unique<ToolTipView>(*this, Rect{{0, 0}, frame().size}));
}

void ToolTipWindow::pointerMoved(Window& window, Point locationInWindow, std::chrono::steady_clock::time_point now)
{
    if (&window == tips().shown.get())
        return;
    std::string text = tipAt(window, locationInWindow);
    ToolTips& state = tips();
    const Point screen{window.frame().origin.x + locationInWindow.x, window.frame().origin.y + locationInWindow.y};
    if (state.watched && state.watched->window == &window && state.watched->text == text) {
        // Resting on the same tip: it stays where it is, or keeps waiting.
        if (!state.shown)
            state.watched->screen = screen;
        return;
    }
    state.shown.reset();
    state.dismissed = false;
    if (text.empty())
        state.watched.reset();
    else
        state.watched = Watched{&window, std::move(text), screen, now};
}

void ToolTipWindow::dismiss()
{
    tips().shown.reset();
    tips().dismissed = true;
}

void ToolTipWindow::windowGone(const Window* window)
{
    ToolTips& state = tips();
    if (window == state.shown.get())
        return;
    if (state.watched && state.watched->window == window) {
        state.watched.reset();
        state.shown.reset();
    }
}

bool ToolTipWindow::showDue(std::chrono::steady_clock::time_point now)
{
    ToolTips& state = tips();
    if (state.shown || state.dismissed || !state.watched || now - state.watched->since < kDelay)
        return false;
    state.shown = std::make_unique<ToolTipWindow>(state.watched->text,
                                                  Point{state.watched->screen.x + 4, state.watched->screen.y - 20});
    state.shown->orderFront(nullptr);
    return true;
}

ToolTipWindow* ToolTipWindow::shown()
{
    return tips().shown.get();
}

} // namespace ns
