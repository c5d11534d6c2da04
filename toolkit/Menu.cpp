#include "Menu.h"

#include "Application.h"
#include "RectFill.h"
#include "TextDrawing.h"

#include <algorithm>
#include <cmath>

namespace ns {

namespace {

// The menu open now, and those closed while code of theirs may still run (a choice that
// opens a dialog runs it from inside the menu's click): they go when the next menu opens.
// Never destroyed, as the application: a menu left open at exit goes with the process.
struct Menus {
    std::unique_ptr<MenuWindow> open;
    std::vector<std::unique_ptr<MenuWindow>> closed;
    int choosing = 0;
};
Menus& menus()
{
    static Menus* const all = new Menus;
    return *all;
}

double heightOf(const std::vector<MenuEntry>& entries)
{
    double height = 0;
    for (const MenuEntry& e : entries)
        height += e.separator ? MenuWindow::kSeparatorHeight : MenuWindow::kRowHeight;
    return std::max(height, MenuWindow::kRowHeight);
}

double widthOf(const std::vector<MenuEntry>& entries)
{
    double width = MenuWindow::kMinimumWidth;
    for (const MenuEntry& e : entries)
        width = std::max(width, stringWidth(e.title) + 40);
    return std::ceil(width);
}

class MenuView : public View {
public:
    explicit MenuView(MenuWindow& menu, Rect frame) : View(frame), menu_(menu)
    {
        addTrackingArea(std::make_unique<TrackingArea>(bounds(), TrackingMouseMoved | TrackingMouseEnteredAndExited |
                                                                      TrackingActiveAlways, this));
    }

    void drawRect(const Rect&) override
    {
        Color(0.97, 0.97, 0.97).setFill();
        RectFill(bounds());
        Color(0.6, 0.6, 0.6).setFill();
        const Rect b = bounds();
        RectFill(MakeRect(0, 0, b.size.width, 1));
        RectFill(MakeRect(0, b.size.height - 1, b.size.width, 1));
        RectFill(MakeRect(0, 0, 1, b.size.height));
        RectFill(MakeRect(b.size.width - 1, 0, 1, b.size.height));
        for (int i = 0; i < static_cast<int>(menu_.entries().size()); ++i) {
            const MenuEntry& e = menu_.entries()[static_cast<size_t>(i)];
            const Rect r = menu_.entryRect(i);
            if (e.separator) {
                Color(0.8, 0.8, 0.8).setFill();
                RectFill(MakeRect(1, r.midY(), r.size.width - 2, 1));
                continue;
            }
            const bool lit = i == menu_.highlighted() && e.enabled;
            if (lit) {
                Color(0.2, 0.45, 0.85).setFill();
                RectFill(r.insetBy(1, 0));
            }
            const Color ink = lit ? Color::whiteColor() : e.enabled ? Color::blackColor() : Color(0.6, 0.6, 0.6);
            if (e.checked)
                drawString("\u2713", MakeRect(6, r.origin.y, 14, r.size.height), ink);
            drawString(e.title, MakeRect(20, r.origin.y, r.size.width - 24, r.size.height), ink);
        }
    }

    void mouseMoved(const Event& event) override { menu_.highlight(menu_.entryAt(event.locationInWindow())); }
    void mouseExited(const Event&) override { menu_.highlight(-1); }
    void mouseDown(const Event& event) override { menu_.highlight(menu_.entryAt(event.locationInWindow())); }
    void mouseDragged(const Event& event) override { mouseDown(event); }
    void mouseUp(const Event& event) override { menu_.choose(menu_.entryAt(event.locationInWindow())); }

private:
    MenuWindow& menu_;
};

} // namespace

MenuWindow::MenuWindow(std::vector<MenuEntry> entries, Point topLeft, int highlighted, Chosen chosen)
    : Window(MakeRect(topLeft.x, topLeft.y - heightOf(entries), widthOf(entries), heightOf(entries)), "menu"),
      entries_(std::move(entries)), highlighted_(highlighted), chosen_(std::move(chosen))
{
    setIdentifier("menu");
    setContentView(std::make_unique<MenuView>(*this, Rect{{0, 0}, frame().size}));
}

MenuWindow& MenuWindow::popUp(std::vector<MenuEntry> entries, Point topLeft, int highlighted, Chosen chosen,
                              const View* owner)
{
    dismiss();
    if (menus().choosing == 0)
        menus().closed.clear();
    menus().open = std::make_unique<MenuWindow>(std::move(entries), topLeft, highlighted, std::move(chosen));
    menus().open->owner_ = owner;
    menus().open->orderFront(nullptr);
    return *menus().open;
}

void MenuWindow::ownerGone(const View* view)
{
    if (menus().open && menus().open->owner_ == view && view != nullptr) {
        menus().open->chosen_ = nullptr;
        dismiss();
    }
}

MenuWindow* MenuWindow::open()
{
    return menus().open.get();
}

void MenuWindow::dismiss()
{
    if (!menus().open)
        return;
    menus().open->orderOut(nullptr);
    menus().closed.push_back(std::move(menus().open));
}

int MenuWindow::entryAt(Point p) const
{
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
        if (entryRect(i).contains(p))
            return i;
    return -1;
}

Rect MenuWindow::entryRect(int index) const
{
    double top = frame().size.height;
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const double h = entries_[static_cast<size_t>(i)].separator ? kSeparatorHeight : kRowHeight;
        if (i == index)
            return MakeRect(0, top - h, frame().size.width, h);
        top -= h;
    }
    return {};
}

void MenuWindow::highlight(int index)
{
    highlighted_ = index;
}

void MenuWindow::choose(int index)
{
    if (index < 0 || index >= static_cast<int>(entries_.size()) || entries_[static_cast<size_t>(index)].separator ||
        !entries_[static_cast<size_t>(index)].enabled)
        return;
    // Closed first: what the choice does may open another menu or run a dialog.
    Chosen chosen = std::move(chosen_);
    dismiss();
    ++menus().choosing;
    if (chosen)
        chosen(index);
    --menus().choosing;
}

void MenuWindow::step(int direction)
{
    const int count = static_cast<int>(entries_.size());
    int at = highlighted_;
    for (int i = 0; i < count; ++i) {
        at = at < 0 ? (direction > 0 ? 0 : count - 1) : (at + direction + count) % count;
        const MenuEntry& e = entries_[static_cast<size_t>(at)];
        if (!e.separator && e.enabled) {
            highlighted_ = at;
            return;
        }
    }
}

void MenuWindow::keyDown(const Event& event)
{
    switch (event.keyCode()) {
    case KeyEscape:
        dismiss();
        return;
    case KeyReturn:
        choose(highlighted_);
        return;
    case KeyUp:
        step(-1);
        return;
    case KeyDown:
        step(1);
        return;
    default:
        return;
    }
}

Point screenTopLeftOf(const View& view)
{
    const Window* w = view.window();
    const Point inWindow = view.convertPointToWindow({0, view.bounds().size.height});
    return w != nullptr ? Point{w->frame().origin.x + inWindow.x, w->frame().origin.y + inWindow.y} : inWindow;
}

} // namespace ns
