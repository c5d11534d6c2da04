// The strip of tools down the document window's left side: the host's selection tool, its
// Type tool and every tool a plug-in added, each a square with its icon, the selected one lit. A click
// selects the tool; a double click asks its plug-in for its options, as a double click on a
// tool does.
#pragma once

#include "View.h"

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

namespace ns {
class Image;
}

namespace host {
class Host;
struct Tool;
}

namespace host::desktop {

class ToolStrip : public ns::View {
public:
    static constexpr double kWidth = 40, kButton = 32;

    ToolStrip(Host& host, ns::Rect frame);

    // The tools shown, top first.
    std::vector<Tool*> tools() const;
    // The square of the i-th tool, in the strip's coordinates.
    ns::Rect buttonRect(size_t index) const;

    void drawRect(const ns::Rect& dirty) override;
    void mouseDown(const ns::Event& event) override;
    void mouseMoved(const ns::Event& event) override;
    // The tool's tip over its square: the plug-in's tip for it, else its title.
    std::string toolTipAt(ns::Point point) const override;

private:
    // A plug-in tool's icon, null when there is none; the host's own tools are drawn.
    std::shared_ptr<ns::Image> iconOf(const Tool& tool, bool dark);

    Host& host_;
    std::map<std::filesystem::path, std::shared_ptr<ns::Image>> icons_; // by file, as read
};

} // namespace host::desktop
