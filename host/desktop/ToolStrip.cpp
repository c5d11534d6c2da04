#include "ToolStrip.h"

#include "Host.h"

#include "Cursor.h"
#include "RectFill.h"

#include <cmath>
#include <string>

namespace host::desktop {

namespace {

// The file of a plug-in tool's icon: the picture of its resource number in its plug-in's
// resources, the dark one in the dark theme.
std::filesystem::path iconFile(const Tool& tool, bool dark)
{
    const ai_int32 id = dark && tool.darkIcon != 0 ? tool.darkIcon : tool.normalIcon;
    return tool.owner->resources / (std::to_string(id) + ".png");
}

void drawArrow(const ns::Rect& square, bool)
{
    const std::shared_ptr<ns::Image>& icon = ns::Cursor::arrowCursor().image();
    icon->drawAtPoint({std::round(square.midX() - icon->size().width / 2), std::round(square.midY() - icon->size().height / 2)},
                      {}, ns::CompositingOperation::SourceOver, 1);
}

// A capital T of two bars: the type tool.
void drawLetterT(const ns::Rect& square, bool dark)
{
    (dark ? ns::Color(0.92, 0.92, 0.92) : ns::Color::blackColor()).setFill();
    const double x = std::round(square.midX()), y = std::round(square.midY());
    ns::RectFill(ns::MakeRect(x - 7, y + 5, 14, 2));
    ns::RectFill(ns::MakeRect(x - 1, y - 7, 2, 12));
}

// The host's own tools the strip shows, in their order, and their pictograms.
const struct {
    const char* title;
    void (*draw)(const ns::Rect& square, bool dark);
} kHostToolIcons[] = {
    {Selection::kToolTitle, drawArrow},
    {TypeTool::kToolTitle, drawLetterT},
};

} // namespace

ToolStrip::ToolStrip(Host& host, ns::Rect frame) : ns::View(frame), host_(host)
{
    setIdentifier("tools");
}

std::vector<Tool*> ToolStrip::tools() const
{
    std::vector<Tool*> shown;
    for (const auto& icon : kHostToolIcons)
        if (Tool* tool = host_.tools().withTitle(icon.title); tool != nullptr && tool->owner == nullptr)
            shown.push_back(tool);
    for (const auto& tool : host_.tools().all())
        if (tool->owner != nullptr)
            shown.push_back(tool.get());
    return shown;
}

ns::Rect ToolStrip::buttonRect(size_t index) const
{
    const double inset = (kWidth - kButton) / 2;
    return ns::MakeRect(inset, bounds().size.height - inset - (static_cast<double>(index) + 1) * (kButton + 2), kButton,
                        kButton);
}

void ToolStrip::drawRect(const ns::Rect&)
{
    const bool dark = host_.theme().dark();
    (dark ? ns::Color(0.2, 0.2, 0.2) : ns::Color(0.86, 0.86, 0.86)).setFill();
    ns::RectFill(bounds());
    const std::vector<Tool*> shown = tools();
    for (size_t i = 0; i < shown.size(); ++i) {
        const ns::Rect r = buttonRect(i);
        if (shown[i] == host_.tools().selected()) {
            (dark ? ns::Color(0.38, 0.38, 0.38) : ns::Color(0.7, 0.7, 0.7)).setFill();
            ns::RectFill(r);
        }
        if (shown[i]->owner == nullptr) {
            for (const auto& own : kHostToolIcons)
                if (shown[i]->title == own.title)
                    own.draw(r, dark);
            continue;
        }
        if (const std::shared_ptr<ns::Image> icon = iconOf(*shown[i], dark); icon != nullptr)
            icon->drawAtPoint({std::round(r.midX() - icon->size().width / 2), std::round(r.midY() - icon->size().height / 2)},
                              {}, ns::CompositingOperation::SourceOver, 1);
    }
}

std::shared_ptr<ns::Image> ToolStrip::iconOf(const Tool& tool, bool dark)
{
    if (tool.owner == nullptr)
        return nullptr;
    // Read once: the strip is drawn again with every frame of the document window.
    std::filesystem::path file = iconFile(tool, dark);
    if (const auto found = icons_.find(file); found != icons_.end())
        return found->second;
    std::shared_ptr<ns::Image> icon = ns::Image::imageWithContentsOfFile(file);
    icons_.emplace(std::move(file), icon);
    return icon;
}

void ToolStrip::mouseDown(const ns::Event& event)
{
    const ns::Point p = convertPointFromWindow(event.locationInWindow());
    const std::vector<Tool*> shown = tools();
    for (size_t i = 0; i < shown.size(); ++i)
        if (buttonRect(i).contains(p)) {
            host_.tools().select(*shown[i]);
            if (event.clickCount() == 2)
                host_.toolEvents().editOptions();
            return;
        }
}

void ToolStrip::mouseMoved(const ns::Event&)
{
    ns::Cursor::arrowCursor().set();
}

std::string ToolStrip::toolTipAt(ns::Point point) const
{
    const std::vector<Tool*> shown = tools();
    for (size_t i = 0; i < shown.size(); ++i)
        if (buttonRect(i).contains(point))
            return shown[i]->tooltip.empty() ? shown[i]->title : shown[i]->tooltip;
    return {};
}

} // namespace host::desktop
