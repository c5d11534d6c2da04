#include "Desktop.h"

#include "Host.h"

#include "Application.h"
#include "Menu.h"
#include "ToolTip.h"
#include "Screen.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace host::desktop {

namespace {

using ns::platform::Region;
using ns::platform::Surface;
using ns::platform::SurfaceKind;

Desktop* gCurrent = nullptr;

// Room left beside the document window for the panel.
constexpr double kPanelRoom = 260, kGap = 10;

// A window drawn whole, as its own frame shows it.
Surface windowSurface(ns::Window& window, SurfaceKind kind)
{
    Surface s;
    s.window = &window;
    s.kind = kind;
    s.title = window.title();
    s.frame = window.frame();
    s.regions.push_back({&window, {{0, 0}, window.frame().size}, {0, window.frame().size.height}});
    s.draw = [&window](double scale, std::unique_ptr<ns::Image> spare) { return window.render(scale, std::move(spare)); };
    return s;
}

} // namespace

Desktop::Desktop(Host& host, std::filesystem::path savePath) : host_(host), document_(host, std::move(savePath))
{
    gCurrent = this;
}

Desktop::~Desktop()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

Desktop* Desktop::current()
{
    return gCurrent;
}

void Desktop::show()
{
    const ns::Rect screen = ns::Screen::mainScreen().visibleFrame();
    const ns::Size size{std::min(DocumentWindow::kDefaultWidth, std::max(screen.size.width - kPanelRoom, 300.0)),
                        std::min(DocumentWindow::kDefaultHeight, std::max(screen.size.height, 200.0))};
    // Made at the screen's top-left corner, it keeps that corner.
    document_.resize(size);
    // The page fits the window as it is first shown; later resizes keep the view's zoom.
    document_.fit();
    document_.window().makeKeyAndOrderFront(nullptr);
    shown_ = true;
}

void Desktop::forgetGonePanels()
{
    std::erase_if(headers_, [&](const auto& entry) {
        const auto& all = host_.panels().all();
        return std::none_of(all.begin(), all.end(), [&](const auto& p) { return p.get() == entry.first; });
    });
}

PanelHeader& Desktop::headerOf(const Panel& panel)
{
    auto& header = headers_[&panel];
    if (!header)
        header = std::make_unique<PanelHeader>(host_, panel);
    return *header;
}

std::unique_ptr<ns::Image> Desktop::panelPicture(Host& host, const Panel& panel, double scale)
{
    const double width = std::ceil(panel.size.width), height = std::ceil(panel.size.height);
    if (!(width >= 1 && height >= 1 && width <= 1e4 && height <= 1e4) || !(scale >= 1 && scale <= 4))
        return nullptr;
    ns::View& view = *panel.view;
    auto image = std::make_unique<ns::Image>(ns::Size{width * scale, height * scale});
    ns::GraphicsContext context(image->surface(), height, scale);
    ns::GraphicsContext::Scope scope(context);
    // The host draws its panels' face in its theme.
    const AIUIThemeColor face = host.theme().color(1, 0).value_or(AIUIThemeColor{1, 0.93f, 0.93f, 0.93f});
    ns::Color(face.red, face.green, face.blue, face.alpha).setFill();
    context.useFill();
    cairo_paint(context.cairo());
    // The view is pinned to the panel's top-left corner: its top strip shows.
    context.translate(-view.frame().origin.x, -(view.frame().origin.y + view.frame().size.height - height));
    view.drawHierarchy(context);
    return image;
}

Surface Desktop::documentSurface()
{
    return windowSurface(document_.window(), SurfaceKind::Document);
}

Surface Desktop::panelSurface(const Panel& panel)
{
    PanelHeader& header = headerOf(panel);
    const double width = std::ceil(panel.size.width), height = std::ceil(panel.size.height);
    header.fitWidth(width);
    const ns::Rect doc = document_.window().frame();
    const ns::Point topLeft = panelPlaces_.try_emplace(panel.identifier, ns::Point{doc.maxX() + kGap, doc.maxY()}).first->second;
    // The panel's window stands so that the top of its view is under the strip.
    ns::View& view = *panel.view;
    const double viewTop = view.frame().origin.y + view.frame().size.height;
    const ns::Rect frame = panel.window->frame();
    const ns::Point origin{topLeft.x - view.frame().origin.x, topLeft.y - PanelHeader::kHeight - viewTop};
    if (frame.origin != origin)
        panel.window->setFrame({origin, frame.size}, false);
    header.window().setFrame(ns::MakeRect(topLeft.x, topLeft.y - PanelHeader::kHeight, width, PanelHeader::kHeight), false);

    Surface s;
    s.window = panel.window.get();
    s.kind = SurfaceKind::Utility;
    s.title = panel.title;
    s.frame = ns::MakeRect(topLeft.x, topLeft.y - PanelHeader::kHeight - height, width, height + PanelHeader::kHeight);
    s.regions.push_back({&header.window(), ns::MakeRect(0, 0, width, PanelHeader::kHeight), {0, PanelHeader::kHeight}});
    s.regions.push_back({panel.window.get(), ns::MakeRect(0, PanelHeader::kHeight, width, height),
                         {view.frame().origin.x, viewTop}});
    Host& h = host_;
    ns::Window* headerWindow = &header.window();
    s.draw = [&h, &panel, headerWindow, width, height](double scale, std::unique_ptr<ns::Image>) {
        auto image = std::make_unique<ns::Image>(ns::Size{width * scale, (height + PanelHeader::kHeight) * scale});
        const std::unique_ptr<ns::Image> strip = headerWindow->render(scale);
        const std::unique_ptr<ns::Image> body = panelPicture(h, panel, scale);
        cairo_t* c = cairo_create(image->surface());
        cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(c, strip->surface(), 0, 0);
        cairo_paint(c);
        if (body) {
            // Only the body's own rectangle: a copy paints transparency wherever its source has none.
            cairo_set_source_surface(c, body->surface(), 0, PanelHeader::kHeight * scale);
            cairo_rectangle(c, 0, PanelHeader::kHeight * scale, width * scale, height * scale);
            cairo_fill(c);
        }
        cairo_destroy(c);
        cairo_surface_mark_dirty(image->surface());
        return image;
    };
    return s;
}

std::vector<Surface> Desktop::surfaces()
{
    forgetGonePanels();
    std::vector<Surface> shown;
    if (shown_) {
        // The version first: it brings the window's title up to date, which the surface takes.
        const uint64_t version = document_.version();
        shown.push_back(documentSurface());
        shown.back().version = version;
    }
    std::vector<const ns::Window*> panelWindows;
    for (const auto& panel : host_.panels().all()) {
        panelWindows.push_back(panel->window.get());
        if (panel->shown && panel->window)
            shown.push_back(panelSurface(*panel));
    }
    const ns::MenuWindow* menu = ns::MenuWindow::open();
    // The dialogs, in the order they came to the front.
    for (ns::Window* window : ns::Application::sharedApplication().windows())
        if (window->isVisible() && window != &document_.window() && window != menu && window != ns::ToolTipWindow::shown() &&
            std::find(panelWindows.begin(), panelWindows.end(), window) == panelWindows.end() &&
            std::none_of(headers_.begin(), headers_.end(), [&](const auto& h) { return &h.second->window() == window; }))
            shown.push_back(windowSurface(*window, SurfaceKind::Dialog));
    if (menu != nullptr)
        shown.push_back(windowSurface(*ns::MenuWindow::open(), SurfaceKind::Menu));
    // A tip takes no input: the pointer goes through it to what is below.
    if (ns::ToolTipWindow* tip = ns::ToolTipWindow::shown()) {
        shown.push_back(windowSurface(*tip, SurfaceKind::ToolTip));
        shown.back().regions.clear();
    }
    return shown;
}

std::optional<Surface> Desktop::surfaceNamed(const std::string& name)
{
    if (name == document_.window().identifier())
        return documentSurface();
    for (const auto& panel : host_.panels().all())
        if (panel->window && (panel->title == name || panel->identifier == name))
            return panelSurface(*panel);
    for (ns::Window* window : ns::Application::sharedApplication().windows())
        if (window->title() == name)
            return windowSurface(*window, SurfaceKind::Dialog);
    return std::nullopt;
}

} // namespace host::desktop
