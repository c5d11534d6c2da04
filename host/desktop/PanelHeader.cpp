#include "PanelHeader.h"

#include "Host.h"

#include "Cursor.h"
#include "Menu.h"
#include "RectFill.h"
#include "TextDrawing.h"

namespace host::desktop {

namespace {

class HeaderView : public ns::View {
public:
    HeaderView(Host& host, const Panel& panel, PanelHeader& header, ns::Rect frame)
        : ns::View(frame), host_(host), panel_(panel), header_(header)
    {
    }

    void drawRect(const ns::Rect&) override
    {
        const bool dark = host_.theme().dark();
        (dark ? ns::Color(0.16, 0.16, 0.16) : ns::Color(0.8, 0.8, 0.8)).setFill();
        ns::RectFill(bounds());
        const ns::Color ink = dark ? ns::Color(0.9, 0.9, 0.9) : ns::Color::blackColor();
        ns::drawString(panel_.title, ns::MakeRect(6, 0, bounds().size.width - PanelHeader::kButtonWidth - 6, bounds().size.height), ink);
        if (host_.panels().findMenu(panel_.flyoutMenu) != nullptr) {
            // Three bars: the flyout menu's button.
            ink.setFill();
            const double x = bounds().size.width - PanelHeader::kButtonWidth + 6;
            for (int i = 0; i < 3; ++i)
                ns::RectFill(ns::MakeRect(x, 5 + 4 * i, 10, 1.5));
        }
    }

    void mouseDown(const ns::Event& event) override
    {
        if (convertPointFromWindow(event.locationInWindow()).x >= bounds().size.width - PanelHeader::kButtonWidth)
            header_.openFlyout();
    }

    void mouseMoved(const ns::Event&) override { ns::Cursor::arrowCursor().set(); }

private:
    Host& host_;
    const Panel& panel_;
    PanelHeader& header_;
};

} // namespace

PanelHeader::PanelHeader(Host& host, const Panel& panel) : host_(host), panel_(panel)
{
    window_ = std::make_unique<ns::Window>(ns::MakeRect(0, 0, panel.size.width, kHeight), panel.title);
    window_->setIdentifier(panel.identifier + ".header");
    auto view = std::make_unique<HeaderView>(host, panel, *this, ns::MakeRect(0, 0, panel.size.width, kHeight));
    view->addTrackingArea(std::make_unique<ns::TrackingArea>(view->bounds(), ns::TrackingMouseMoved | ns::TrackingActiveAlways,
                                                             view.get()));
    window_->setContentView(std::move(view));
}

void PanelHeader::fitWidth(double width)
{
    const ns::Rect frame = window_->frame();
    if (frame.size.width != width)
        window_->setFrame(ns::MakeRect(frame.origin.x, frame.origin.y, width, kHeight), false);
}

void PanelHeader::openFlyout()
{
    const FlyoutMenu* menu = host_.panels().findMenu(panel_.flyoutMenu);
    if (menu == nullptr || menu->items.empty())
        return;
    std::vector<ns::MenuEntry> entries;
    std::vector<ai_uint32> ids;
    for (const FlyoutItem& item : menu->items) {
        entries.push_back({item.text, item.enabled, item.separator});
        ids.push_back(item.id);
    }
    const ns::Rect frame = window_->frame();
    ns::MenuWindow::popUp(std::move(entries), {frame.maxX() - kButtonWidth, frame.minY()}, -1,
                          [this, ids](int index) {
                              const std::string reason = host_.panels().chooseFlyoutItem(ids[static_cast<size_t>(index)], host_.log());
                              if (!reason.empty())
                                  host_.log().warning(reason);
                          },
                          window_->contentView());
}

} // namespace host::desktop
