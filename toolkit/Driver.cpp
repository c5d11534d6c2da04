#include "Driver.h"

#include "Application.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "Slider.h"
#include "TextField.h"

namespace ns::driver {

namespace {

std::string noView(std::string_view identifier)
{
    return "no control \"" + std::string(identifier) + "\"";
}

struct NamedKey {
    const char* name;
    uint16_t keyCode;
    const char* characters;
};

const NamedKey kNamedKeys[] = {
    {"Return", KeyReturn, "\r"}, {"Tab", KeyTab, "\t"},      {"Escape", KeyEscape, "\x1b"}, {"Delete", KeyDelete, "\x7f"},
    {"Up", KeyUp, ""},           {"Down", KeyDown, ""},      {"Left", KeyLeft, ""},         {"Right", KeyRight, ""},
    {"fn", KeyFunction, ""},
};

} // namespace

View* findView(Window& window, std::string_view identifier)
{
    return identifier.empty() ? nullptr : window.contentView()->viewWithIdentifier(identifier);
}

std::string click(Window& window, std::string_view identifier, uint32_t modifierFlags)
{
    View* view = findView(window, identifier);
    if (view == nullptr)
        return noView(identifier);
    const Point centre = view->convertPointToWindow({view->bounds().midX(), view->bounds().midY()});
    Application& application = Application::sharedApplication();
    application.sendEvent(Event::mouseEvent(EventType::LeftMouseDown, centre, modifierFlags, &window));
    application.sendEvent(Event::mouseEvent(EventType::LeftMouseUp, centre, modifierFlags, &window));
    return {};
}

std::string type(Window& window, std::string_view identifier, const std::string& text)
{
    auto* field = dynamic_cast<TextField*>(findView(window, identifier));
    if (field == nullptr)
        return findView(window, identifier) ? "\"" + std::string(identifier) + "\" is not a text field" : noView(identifier);
    if (!field->acceptsFirstResponder() || field->isHiddenOrHasHiddenAncestor())
        return "\"" + std::string(identifier) + "\" cannot be typed into";
    field->selectText(nullptr);
    if (!field->isEditing())
        return "\"" + std::string(identifier) + "\" refused the focus";
    // As typed: it replaces the selected text.
    field->insertText(text);
    return {};
}

namespace {

// A control chosen from or slid is clicked first: what was typed into another field goes as
// the click would send it.
void clickedFirst(Window& window, const View& view)
{
    if (&view != dynamic_cast<View*>(window.firstResponder()))
        window.commitEditing();
}

} // namespace

std::string choose(Window& window, std::string_view identifier, int index)
{
    View* view = findView(window, identifier);
    if (view == nullptr)
        return noView(identifier);
    clickedFirst(window, *view);
    bool chosen = false;
    if (auto* popUp = dynamic_cast<PopUpButton*>(view))
        chosen = popUp->chooseItemAtIndex(index);
    else if (auto* combo = dynamic_cast<ComboBox*>(view))
        chosen = combo->chooseItemAtIndex(index);
    else
        return "\"" + std::string(identifier) + "\" has no items to choose";
    return chosen ? std::string() : "\"" + std::string(identifier) + "\" has no item " + std::to_string(index) + " to choose, or is disabled";
}

std::string slide(Window& window, std::string_view identifier, double value)
{
    auto* slider = dynamic_cast<Slider*>(findView(window, identifier));
    if (slider == nullptr)
        return findView(window, identifier) ? "\"" + std::string(identifier) + "\" is not a slider" : noView(identifier);
    if (!slider->isEnabled())
        return "\"" + std::string(identifier) + "\" is disabled";
    clickedFirst(window, *slider);
    slider->setDoubleValue(value);
    slider->sendAction();
    return {};
}

std::optional<Event> keyNamed(std::string_view name, uint32_t modifierFlags, Window* window)
{
    for (const NamedKey& k : kNamedKeys)
        if (name == k.name)
            return Event::keyEvent(k.keyCode, k.characters, modifierFlags, window);
    if (name.size() == 1 && static_cast<unsigned char>(name[0]) >= 0x20)
        return Event::keyEvent(0, std::string(name), modifierFlags, window);
    return std::nullopt;
}

std::string key(Window& window, std::string_view name, uint32_t modifierFlags)
{
    const std::optional<Event> event = keyNamed(name, modifierFlags, &window);
    if (!event)
        return "no key \"" + std::string(name) + "\"";
    Application::sharedApplication().sendEvent(*event);
    return {};
}

void mouseMove(Window& window, Point location, uint32_t modifierFlags)
{
    Application::sharedApplication().sendEvent(Event::mouseEvent(EventType::MouseMoved, location, modifierFlags, &window));
}

std::string renderWindow(const Window& window, const std::filesystem::path& path, double scale)
{
    return window.render(scale)->writePNG(path);
}

std::string renderView(View& view, const std::filesystem::path& path, double scale)
{
    const Size size = view.frame().size;
    Image image(Size{size.width * scale, size.height * scale});
    GraphicsContext context(image.surface(), size.height, scale);
    {
        GraphicsContext::Scope scope(context);
        if (const Window* w = view.window()) {
            w->backgroundColor().setFill();
            GraphicsContext::currentContext()->useFill();
        }
        context.translate(-view.frame().origin.x, -view.frame().origin.y);
        view.drawHierarchy(context);
    }
    return image.writePNG(path);
}

} // namespace ns::driver
