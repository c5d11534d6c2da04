// What a host does to drive an interface: find views by identifier, click, type, press
// keys, move the mouse, and render pictures. Each operation answers an empty string when it
// was done and the reason when it could not be.
#pragma once

#include "Event.h"
#include "View.h"
#include "Window.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ns::driver {

// The view of the window with that identifier, hidden or not; null when there is none.
View* findView(Window& window, std::string_view identifier);

// A mouse-down and a mouse-up at the centre of the view found: whatever is on top there
// takes the click, as under a real mouse.
std::string click(Window& window, std::string_view identifier, uint32_t modifierFlags = 0);
// Focuses the text field and replaces its text, committing nothing.
std::string type(Window& window, std::string_view identifier, const std::string& text);
// The user's choice of an item of a pop-up button or a combo box.
std::string choose(Window& window, std::string_view identifier, int index);
// Sets a slider's value and sends its action, as a drag that ends there.
std::string slide(Window& window, std::string_view identifier, double value);

// A key by name: "Return", "Tab", "Escape", "Delete", "Up", "Down", "Left", "Right", "fn",
// or one character. Null for a name that is none of these.
std::optional<Event> keyNamed(std::string_view name, uint32_t modifierFlags, Window* window);
// To the window's first responder (or its key equivalents).
std::string key(Window& window, std::string_view name, uint32_t modifierFlags = 0);

void mouseMove(Window& window, Point location, uint32_t modifierFlags = 0);

// The window or one view of it, drawn afresh, written as a PNG file.
std::string renderWindow(const Window& window, const std::filesystem::path& path, double scale = 1);
std::string renderView(View& view, const std::filesystem::path& path, double scale = 1);

} // namespace ns::driver
