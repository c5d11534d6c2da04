#include "MenuBar.h"

#include "Host.h"

#include "Cursor.h"
#include "Menu.h"
#include "RectFill.h"
#include "TextDrawing.h"

#include "sdk/AIMenu.h"

#include <cmath>

namespace host::desktop {

namespace {

constexpr double kTitlePadding = 10;

// The host's groups each title shows, in order: the application menu holds "About".
struct Title {
    const char* title;
    std::vector<const char*> groups;
};
const Title kTitles[] = {
    {"Varo-Host", {kAboutMenuGroup}},
    {"File", {"File"}},
    {"Edit", {"Edit"}},
    {"Object", {"Object"}},
    {"View", {}},
    {"Window", {"Window", kToolPalettesMenuGroup}},
    {"Help", {"Help"}},
};

const Title* titleNamed(const std::string& name)
{
    for (const Title& t : kTitles)
        if (name == t.title)
            return &t;
    return nullptr;
}

// A group's items in the order added; a submenu's items follow their item, indented.
void addGroup(Host& host, const MenuGroup& group, int depth, std::vector<MenuBarItem>& into)
{
    for (const auto& item : host.menus().items()) {
        if (item->group != &group)
            continue;
        MenuItem* raw = item.get();
        const std::string title = std::string(static_cast<size_t>(depth) * 3, ' ') + item->title;
        if (item->submenu != nullptr) {
            into.push_back({title, {}, false, nullptr});
            addGroup(host, *item->submenu, depth + 1, into);
        } else {
            into.push_back({title, item->command.text(), item->owner != nullptr, [&host, raw] { host.menus().choose(*raw); }});
        }
    }
}

} // namespace

MenuBar::MenuBar(Host& host, HostActions actions, ns::Rect frame) : ns::View(frame), host_(host), actions_(std::move(actions))
{
    setIdentifier("menubar");
}

std::vector<std::string> MenuBar::titles() const
{
    std::vector<std::string> shown;
    for (const Title& t : kTitles)
        if (!items(t.title).empty())
            shown.emplace_back(t.title);
    return shown;
}

std::vector<MenuBarItem> MenuBar::items(const std::string& name) const
{
    std::vector<MenuBarItem> items;
    const Title* title = titleNamed(name);
    if (title == nullptr)
        return items;
    for (const char* groupName : title->groups)
        if (const MenuGroup* group = host_.menus().groupNamed(groupName))
            addGroup(host_, *group, 0, items);
    // The host's own.
    if (name == "Varo-Host")
        items.push_back({"Quit", "Ctrl+Q", true, actions_.quit});
    else if (name == "File")
        items.insert(items.begin(), {{"Open…", "Ctrl+O", true, actions_.open},
                                     {"Save", "Ctrl+S", true, actions_.save},
                                     {"Save As…", "Ctrl+Shift+S", true, actions_.saveAs}});
    else if (name == "Edit") {
        // The steps they would take, by name.
        const std::string undo = host_.history().undoName(), redo = host_.history().redoName();
        items.insert(items.begin(),
                     {{undo.empty() ? "Undo" : "Undo " + undo, "Ctrl+Z", !undo.empty(), actions_.undo},
                      {redo.empty() ? "Redo" : "Redo " + redo, "Ctrl+Shift+Z", !redo.empty(), actions_.redo}});
    } else if (name == "View") {
        items.push_back({"Zoom In", "Ctrl++", true, actions_.zoomIn});
        items.push_back({"Zoom Out", "Ctrl+-", true, actions_.zoomOut});
        items.push_back({"Fit Artboard", "Ctrl+0", true, actions_.fit});
    }
    return items;
}

ns::Rect MenuBar::titleRect(const std::string& name) const
{
    double x = 6;
    for (const std::string& t : titles()) {
        const double width = std::ceil(ns::stringWidth(t, 12)) + 2 * kTitlePadding;
        if (t == name)
            return ns::MakeRect(x, 0, width, bounds().size.height);
        x += width;
    }
    return {};
}

void MenuBar::drawRect(const ns::Rect&)
{
    const bool dark = host_.theme().dark();
    (dark ? ns::Color(0.24, 0.24, 0.24) : ns::Color(0.95, 0.95, 0.95)).setFill();
    ns::RectFill(bounds());
    ns::Color(0.6, 0.6, 0.6).setFill();
    ns::RectFill(ns::MakeRect(0, 0, bounds().size.width, 1));
    const ns::Color ink = dark ? ns::Color(0.92, 0.92, 0.92) : ns::Color::blackColor();
    for (const std::string& t : titles())
        ns::drawString(t, titleRect(t), ink, ns::TextAlignment::Center, 12);
}

void MenuBar::open(const std::string& name)
{
    const ns::Rect r = titleRect(name);
    if (r.size.width <= 0)
        return;
    // Opening the menus asks the plug-ins to bring their items' titles up to date.
    host_.menus().updateAll();
    const std::vector<MenuBarItem> listed = items(name);
    std::vector<ns::MenuEntry> entries;
    for (const MenuBarItem& item : listed)
        entries.push_back({item.key.empty() ? item.title : item.title + "    " + item.key, item.enabled && item.action != nullptr});
    const ns::Point topLeft = screenTopLeftOf(*this);
    ns::MenuWindow::popUp(std::move(entries), {topLeft.x + r.origin.x, topLeft.y - bounds().size.height}, -1,
                          [listed](int index) {
                              if (const auto& action = listed[static_cast<size_t>(index)].action)
                                  action();
                          },
                          this);
}

void MenuBar::mouseDown(const ns::Event& event)
{
    const ns::Point p = convertPointFromWindow(event.locationInWindow());
    for (const std::string& t : titles())
        if (titleRect(t).contains(p)) {
            open(t);
            return;
        }
}

void MenuBar::mouseMoved(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}

} // namespace host::desktop
