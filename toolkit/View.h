// A rectangle of a window that draws itself and hears the mouse: a tree, each view owning
// its subviews. Frames are in the superview's coordinates, y upward.
#pragma once

#include "GraphicsContext.h"
#include "Responder.h"
#include "TrackingArea.h"

#include <memory>
#include <string>
#include <vector>

namespace ns {

class Window;

class View : public Responder {
public:
    explicit View(Rect frame = {});
    ~View() override;

    Rect frame() const { return frame_; }
    void setFrame(const Rect& frame);
    void setFrameOrigin(Point origin) { setFrame({origin, frame_.size}); }
    void setFrameSize(Size size) { setFrame({frame_.origin, size}); }
    // The view's own coordinates: its size at the origin.
    Rect bounds() const { return {{0, 0}, frame_.size}; }

    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    // Hidden itself or inside a hidden view.
    bool isHiddenOrHasHiddenAncestor() const;

    const std::string& identifier() const { return identifier_; }
    void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }
    // The tip shown for a point of the view (its own coordinates): toolTip() unless the view
    // gives one for each of its parts.
    virtual std::string toolTipAt(Point) const { return toolTip_; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // The subview, now owned by this view; returned for convenience.
    View* addSubview(std::unique_ptr<View> view);
    template <typename T>
    T* addSubview(std::unique_ptr<T> view)
    {
        T* raw = view.get();
        addSubview(std::unique_ptr<View>(std::move(view)));
        return raw;
    }
    // Hands the view back to the caller; null when it has no superview.
    std::unique_ptr<View> removeFromSuperview();
    const std::vector<std::unique_ptr<View>>& subviews() const { return subviews_; }
    View* superview() const { return superview_; }
    Window* window() const;

    // Draws the view (and its subviews) now, into its window's picture.
    void display();
    bool needsDisplay() const { return needsDisplay_; }
    void setNeedsDisplay(bool needsDisplay) { needsDisplay_ = needsDisplay; }
    // The view's own drawing, in its bounds' coordinates; `dirty` is the part to draw.
    virtual void drawRect(const Rect& dirty);

    void addTrackingArea(std::unique_ptr<TrackingArea> area);
    void removeTrackingArea(TrackingArea* area);
    const std::vector<std::unique_ptr<TrackingArea>>& trackingAreas() const { return trackingAreas_; }

    // Between the view's coordinates and its window's.
    Point convertPointToWindow(Point p) const;
    Point convertPointFromWindow(Point p) const;
    Rect convertRectToWindow(const Rect& r) const;

    // The deepest view, this one or one inside it, under `p` (in the superview's
    // coordinates) that is not hidden; null when none is.
    virtual View* hitTest(Point p);
    // This view or the first inside it with that identifier.
    View* viewWithIdentifier(std::string_view identifier);

    // Draws this view and its subviews into the current context, whose origin is this
    // view's superview's. For the window and for pictures.
    void drawHierarchy(GraphicsContext& context);

protected:
    // For a window's content view.
    friend class Window;
    void setWindow(Window* window) { window_ = window; }

private:
    Rect frame_;
    bool hidden_ = false;
    bool needsDisplay_ = true;
    std::string identifier_;
    std::string toolTip_;
    int tag_ = 0;
    View* superview_ = nullptr;
    Window* window_ = nullptr; // set on a window's content view only
    std::vector<std::unique_ptr<View>> subviews_;
    std::vector<std::unique_ptr<TrackingArea>> trackingAreas_;
};

} // namespace ns
