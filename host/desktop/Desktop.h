// Everything the host shows on a screen: the document window, each shown panel under the
// strip of its title and flyout button, the dialogs and the open menu. Each is listed as a
// surface, with how its pixels are drawn: the same drawing makes a script's snapshots and
// what a real window presents.
#pragma once

#include "DocumentWindow.h"
#include "PanelHeader.h"

#include "Surface.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host {
class Host;
struct Panel;
}

namespace host::desktop {

class Desktop {
public:
    Desktop(Host& host, std::filesystem::path savePath);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // The desktop of the run; null when there is none.
    static Desktop* current();

    DocumentWindow& document() { return document_; }

    // Shows the document window, sized to fit the screen, with room for the panel beside it.
    void show();
    // What shows now, bottom to top: the document window (once shown), the shown panels,
    // the dialogs, the open menu.
    std::vector<ns::platform::Surface> surfaces();
    // The surface of that title or window identifier, shown or not ("document" is the
    // document window); null when there is none.
    std::optional<ns::platform::Surface> surfaceNamed(const std::string& name);

    // A panel's strip as the host shows it: its face in the theme's colour, then the top of
    // its view, `height` points of it. Null for a size that shows nothing.
    static std::unique_ptr<ns::Image> panelPicture(Host& host, const Panel& panel, double scale);

private:
    ns::platform::Surface documentSurface();
    ns::platform::Surface panelSurface(const Panel& panel);
    PanelHeader& headerOf(const Panel& panel);
    void forgetGonePanels();

    Host& host_;
    DocumentWindow document_;
    bool shown_ = false;
    std::map<const Panel*, std::unique_ptr<PanelHeader>> headers_;
    // Where each panel's top-left corner stands on the screen (y upward), as the host keeps it.
    std::map<std::string, ns::Point> panelPlaces_;
};

} // namespace host::desktop
