#include "View.h"

#include "Menu.h"

#include "Window.h"

#include <algorithm>

namespace ns {

View::View(Rect frame) : frame_(frame) {}

View::~View()
{
    // A window must not keep a first responder that goes away.
    if (Window* w = window(); w != nullptr && w->firstResponder() == this)
        w->makeFirstResponder(nullptr);
    MenuWindow::ownerGone(this);
}

void View::setFrame(const Rect& frame)
{
    frame_ = frame;
    needsDisplay_ = true;
}

void View::setHidden(bool hidden)
{
    hidden_ = hidden;
    needsDisplay_ = true;
}

bool View::isHiddenOrHasHiddenAncestor() const
{
    for (const View* v = this; v != nullptr; v = v->superview_)
        if (v->hidden_)
            return true;
    return false;
}

View* View::addSubview(std::unique_ptr<View> view)
{
    if (!view)
        return nullptr;
    if (view->superview_ != nullptr) // a view has one superview: take it from the old one
        view = view->removeFromSuperview();
    view->superview_ = this;
    subviews_.push_back(std::move(view));
    return subviews_.back().get();
}

std::unique_ptr<View> View::removeFromSuperview()
{
    if (superview_ == nullptr)
        return nullptr;
    // Leaving the window: a focus inside this subtree goes back to the window.
    if (Window* w = window())
        if (auto* focused = dynamic_cast<View*>(w->firstResponder()))
            for (const View* up = focused; up != nullptr; up = up->superview_)
                if (up == this) {
                    w->makeFirstResponder(nullptr);
                    break;
                }
    auto& siblings = superview_->subviews_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& v) { return v.get() == this; });
    std::unique_ptr<View> self = std::move(*it);
    siblings.erase(it);
    superview_ = nullptr;
    return self;
}

Window* View::window() const
{
    const View* top = this;
    while (top->superview_ != nullptr)
        top = top->superview_;
    return top->window_;
}

void View::display()
{
    needsDisplay_ = false;
    if (Window* w = window())
        w->displayView(*this);
}

void View::drawRect(const Rect&) {}

void View::addTrackingArea(std::unique_ptr<TrackingArea> area)
{
    if (area)
        trackingAreas_.push_back(std::move(area));
}

void View::removeTrackingArea(TrackingArea* area)
{
    std::erase_if(trackingAreas_, [&](const auto& a) { return a.get() == area; });
}

Point View::convertPointToWindow(Point p) const
{
    for (const View* v = this; v != nullptr; v = v->superview_)
        p = {p.x + v->frame_.origin.x, p.y + v->frame_.origin.y};
    return p;
}

Point View::convertPointFromWindow(Point p) const
{
    const Point origin = convertPointToWindow({0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

Rect View::convertRectToWindow(const Rect& r) const
{
    return {convertPointToWindow(r.origin), r.size};
}

View* View::hitTest(Point p)
{
    if (hidden_ || !frame_.contains(p))
        return nullptr;
    const Point local{p.x - frame_.origin.x, p.y - frame_.origin.y};
    // The last subview paints on top: it is hit first.
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it)
        if (View* hit = (*it)->hitTest(local))
            return hit;
    return this;
}

View* View::viewWithIdentifier(std::string_view identifier)
{
    if (identifier_ == identifier)
        return this;
    for (const auto& v : subviews_)
        if (View* found = v->viewWithIdentifier(identifier))
            return found;
    return nullptr;
}

void View::drawHierarchy(GraphicsContext& context)
{
    if (hidden_)
        return;
    GraphicsContext::saveGraphicsState();
    context.translate(frame_.origin.x, frame_.origin.y);
    context.clip(bounds());
    drawRect(bounds());
    needsDisplay_ = false;
    for (const auto& v : subviews_)
        v->drawHierarchy(context);
    GraphicsContext::restoreGraphicsState();
}

} // namespace ns
