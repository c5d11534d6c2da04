// The strip above a panel that the host draws: the panel's title, and at the right the
// button that opens its flyout menu.
#pragma once

#include "Window.h"

#include <memory>

namespace host {
class Host;
struct Panel;
}

namespace host::desktop {

class PanelHeader {
public:
    static constexpr double kHeight = 18, kButtonWidth = 22;

    PanelHeader(Host& host, const Panel& panel);

    ns::Window& window() { return *window_; }
    // As wide as the panel shows now.
    void fitWidth(double width);
    // Opens the flyout menu under its button, as a click on it does.
    void openFlyout();

private:
    Host& host_;
    const Panel& panel_;
    std::unique_ptr<ns::Window> window_;
};

} // namespace host::desktop
