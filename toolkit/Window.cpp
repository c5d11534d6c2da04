#include "Window.h"

#include "Application.h"
#include "Button.h"
#include "RectFill.h"
#include "Screen.h"
#include "TextField.h"
#include "TextView.h"

#include <functional>

namespace ns {

Window::Window(Rect frame, std::string title)
    : title_(std::move(title)), frame_(frame), contentView_(std::make_unique<View>(Rect{{0, 0}, frame.size}))
{
    contentView_->setWindow(this);
    resizePicture();
    Application::sharedApplication().addWindow(this);
}

Window::~Window()
{
    Application::sharedApplication().removeWindow(this);
    firstResponder_ = nullptr;
    defaultButton_ = nullptr;
    cancelButton_ = nullptr;
    mouseDownView_ = nullptr;
    contentView_->setWindow(nullptr);
}

void Window::resizePicture()
{
    picture_ = std::make_unique<Image>(frame_.size);
}

void Window::setFrame(const Rect& frame, bool display, bool)
{
    const bool moved = frame.origin != frame_.origin;
    const bool resized = frame.size != frame_.size;
    frame_ = frame;
    if (resized) {
        contentView_->setFrame({{0, 0}, frame.size});
        resizePicture();
    }
    if (display)
        contentView_->display();
    if (moved && delegate_ != nullptr)
        delegate_->windowDidMove(*this);
}

void Window::center()
{
    const Rect screen = Screen::mainScreen().visibleFrame();
    setFrame({{screen.midX() - frame_.size.width / 2, screen.minY() + (screen.size.height - frame_.size.height) * 2 / 3},
              frame_.size},
             false);
}

void Window::makeKeyAndOrderFront(Object*)
{
    visible_ = true;
    Application::sharedApplication().makeKeyAndMain(this);
}

void Window::orderFront(Object*)
{
    visible_ = true;
    Application::sharedApplication().orderFront(this);
}

void Window::orderOut(Object*)
{
    visible_ = false;
    Application::sharedApplication().windowOrderedOut(this);
}

bool Window::isKeyWindow() const
{
    return Application::sharedApplication().keyWindow() == this;
}

bool Window::isMainWindow() const
{
    return Application::sharedApplication().mainWindow() == this;
}

void Window::setContentView(std::unique_ptr<View> view)
{
    if (!view)
        return;
    makeFirstResponder(nullptr);
    mouseDownView_ = nullptr;
    defaultButton_ = nullptr;
    cancelButton_ = nullptr;
    contentView_->setWindow(nullptr);
    contentView_ = std::move(view);
    contentView_->setFrame({{0, 0}, frame_.size});
    contentView_->setWindow(this);
}

bool Window::makeFirstResponder(Responder* responder)
{
    if (responder == firstResponder_)
        return true;
    if (firstResponder_ != nullptr && !firstResponder_->resignFirstResponder())
        return false;
    firstResponder_ = nullptr;
    if (responder != nullptr && !responder->becomeFirstResponder())
        return false;
    firstResponder_ = responder;
    return true;
}

bool Window::commitEditing()
{
    const uint64_t runs = Application::sharedApplication().modalRunsStarted();
    if (auto* field = dynamic_cast<TextField*>(firstResponder_))
        field->commitEditing();
    if (delegate_ != nullptr)
        delegate_->windowCommitEditing(*this);
    return Application::sharedApplication().modalRunsStarted() == runs;
}

TextView& Window::fieldEditor()
{
    if (!fieldEditor_)
        fieldEditor_ = std::make_unique<TextView>(Rect{});
    return *fieldEditor_;
}

namespace {

// Every shown view, each before its subviews.
void forEachShownView(View& view, const std::function<void(View&)>& visit)
{
    if (view.isHidden())
        return;
    visit(view);
    for (const auto& v : view.subviews())
        forEachShownView(*v, visit);
}

// The first shown button of the tree whose key equivalent is the key's characters with the
// same modifier keys.
Button* buttonWithKeyEquivalent(View& root, const Event& event)
{
    constexpr uint32_t kModifiers = ShiftKeyMask | ControlKeyMask | AlternateKeyMask | CommandKeyMask;
    Button* found = nullptr;
    forEachShownView(root, [&](View& v) {
        if (auto* b = dynamic_cast<Button*>(&v); found == nullptr && b != nullptr && !b->keyEquivalent().empty() &&
                                                 b->keyEquivalent() == event.characters() &&
                                                 b->keyEquivalentModifierMask() == (event.modifierFlags() & kModifiers))
            found = b;
    });
    return found;
}

} // namespace

bool Window::hasKeyEquivalent(const Event& event) const
{
    return buttonWithKeyEquivalent(*contentView_, event) != nullptr;
}

void Window::sendEvent(const Event& event)
{
    Application::CurrentEventScope current(event);
    switch (event.type()) {
    case EventType::LeftMouseDown: {
        mouseDownView_ = contentView_->hitTest(event.locationInWindow());
        // A press anywhere else leaves the field being typed into; on the cancel button it
        // abandons it, on the field's own step button it stays in it.
        const auto* button = dynamic_cast<const Button*>(mouseDownView_);
        const auto* field = dynamic_cast<View*>(firstResponder_);
        if (mouseDownView_ != field &&
            (button == nullptr || (button->keyEquivalent() != "\x1b" && button->steppedField() != field)) &&
            !commitEditing()) {
            // An alert the commit raised takes the press's place.
            mouseDownView_ = nullptr;
            return;
        }
        if (mouseDownView_ == nullptr)
            return;
        if (mouseDownView_->acceptsFirstResponder())
            makeFirstResponder(mouseDownView_);
        mouseDownView_->mouseDown(event);
        return;
    }
    case EventType::LeftMouseDragged:
        if (mouseDownView_ != nullptr)
            mouseDownView_->mouseDragged(event);
        updateTrackingAreas(event);
        return;
    case EventType::LeftMouseUp:
        if (mouseDownView_ != nullptr)
            mouseDownView_->mouseUp(event);
        mouseDownView_ = nullptr;
        return;
    case EventType::MouseMoved:
        updateTrackingAreas(event);
        return;
    case EventType::ScrollWheel:
        if (View* view = contentView_->hitTest(event.locationInWindow()))
            view->scrollWheel(event);
        return;
    case EventType::KeyDown: {
        // Escape and Command keys click their button before any field sees them.
        const bool equivalentFirst = event.keyCode() == KeyEscape || (event.modifierFlags() & CommandKeyMask) != 0;
        if (equivalentFirst)
            if (Button* b = buttonWithKeyEquivalent(*contentView_, event)) {
                b->performClick(this);
                return;
            }
        if (event.keyCode() == KeyEscape && cancelButton_ != nullptr) {
            cancelButton_->performClick(this);
            return;
        }
        auto* field = dynamic_cast<View*>(firstResponder_);
        if (field != nullptr && field->acceptsFirstResponder()) {
            field->keyDown(event);
            // Return commits the field, then clicks the default button.
            if (event.keyCode() == KeyReturn && defaultButton_ != nullptr)
                defaultButton_->performClick(this);
            return;
        }
        if (event.keyCode() == KeyReturn && defaultButton_ != nullptr) {
            defaultButton_->performClick(this);
            return;
        }
        if (!equivalentFirst)
            if (Button* b = buttonWithKeyEquivalent(*contentView_, event)) {
                b->performClick(this);
                return;
            }
        if (firstResponder_ == nullptr)
            keyDown(event);
        return;
    }
    default:
        return;
    }
}

void Window::updateTrackingAreas(const Event& event)
{
    struct Crossing {
        TrackingArea* area;
        bool inside;
    };
    std::vector<Crossing> areas;
    const bool key = isKeyWindow();
    forEachShownView(*contentView_, [&](View& v) {
        for (const auto& area : v.trackingAreas()) {
            const bool active = (area->options() & TrackingActiveAlways) != 0 ||
                                ((area->options() & TrackingActiveInKeyWindow) != 0 && key);
            const bool inside = active && v.convertRectToWindow(area->rect()).contains(event.locationInWindow());
            areas.push_back({area.get(), inside});
        }
    });
    // Leaving first, then entering, then moving: an owner hears it left one area before it
    // hears it entered the next.
    for (const Crossing& c : areas)
        if (c.area->mouseInside() && !c.inside) {
            c.area->setMouseInside(false);
            if (c.area->options() & TrackingMouseEnteredAndExited)
                c.area->owner()->mouseExited(event.withTrackingArea(EventType::MouseExited, c.area));
        }
    for (const Crossing& c : areas)
        if (!c.area->mouseInside() && c.inside) {
            c.area->setMouseInside(true);
            if (c.area->options() & TrackingMouseEnteredAndExited)
                c.area->owner()->mouseEntered(event.withTrackingArea(EventType::MouseEntered, c.area));
        }
    // While the button is down, the view under it hears the drag, and the areas no moves.
    for (const Crossing& c : areas)
        if (c.inside && (c.area->options() & TrackingMouseMoved) && event.type() != EventType::LeftMouseDragged)
            c.area->owner()->mouseMoved(event.withTrackingArea(EventType::MouseMoved, c.area));
}

void Window::displayView(View& view)
{
    if (view.isHiddenOrHasHiddenAncestor())
        return;
    GraphicsContext context(picture_->surface(), frame_.size.height);
    GraphicsContext::Scope scope(context);
    const Point origin = view.superview() != nullptr ? view.superview()->convertPointToWindow({0, 0}) : Point{};
    if (&view == contentView_.get()) {
        backgroundColor_.setFill();
        RectFill({{0, 0}, frame_.size});
    }
    context.translate(origin.x, origin.y);
    view.drawHierarchy(context);
}

std::unique_ptr<Image> Window::render(double scale, std::unique_ptr<Image> spare) const
{
    const Size size{frame_.size.width * scale, frame_.size.height * scale};
    std::unique_ptr<Image> image;
    if (spare != nullptr && spare->size() == size && !spare->isFocused()) {
        image = std::move(spare);
        image->clear();
    } else {
        image = std::make_unique<Image>(size);
    }
    GraphicsContext context(image->surface(), frame_.size.height, scale);
    GraphicsContext::Scope scope(context);
    backgroundColor_.setFill();
    RectFill({{0, 0}, frame_.size});
    contentView_->drawHierarchy(context);
    return image;
}

} // namespace ns
