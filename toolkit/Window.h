// A window: a frame on the screen, a content view it owns, a first responder and a
// delegate. Its picture is drawn by the views' display and can be rendered whole.
#pragma once

#include "Image.h"
#include "View.h"

#include <memory>
#include <string>

namespace ns {

class Button;
class TextView;
class Window;

class WindowDelegate {
public:
    virtual ~WindowDelegate() = default;
    virtual void windowDidBecomeMain(Window&) {}
    virtual void windowDidResignMain(Window&) {}
    virtual void windowDidMove(Window&) {}
    // The window was asked to send what is being typed in it (commitEditing): a delegate
    // that keeps an edit of its own, beside the window's fields, ends it too.
    virtual void windowCommitEditing(Window&) {}
};

class Window : public Responder {
public:
    // `frame` on the screen, y upward; the content view fills it (no title bar is drawn).
    explicit Window(Rect frame, std::string title = {});
    ~Window() override;

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& identifier() const { return identifier_; }
    void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }

    Rect frame() const { return frame_; }
    // Moves and resizes; the delegate hears of a move. `display` redraws at once; `animate`
    // is accepted and changes nothing here: the frame is set at once.
    void setFrame(const Rect& frame, bool display, bool animate = false);
    // Centred in the main screen's visible frame, a little above the middle.
    void center();

    void makeKeyAndOrderFront(Object* sender);
    // Shown in front of the others, neither key nor main (a menu, a panel).
    void orderFront(Object* sender);
    void orderOut(Object* sender);
    bool isVisible() const { return visible_; }
    bool isKeyWindow() const;
    bool isMainWindow() const;

    const Color& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const Color& color) { backgroundColor_ = color; }

    View* contentView() const { return contentView_.get(); }
    void setContentView(std::unique_ptr<View> view);

    // Not owned; must outlive the window or be cleared first.
    WindowDelegate* delegate() const { return delegate_; }
    void setDelegate(WindowDelegate* delegate) { delegate_ = delegate; }

    Responder* firstResponder() const { return firstResponder_; }
    // False when the current one refuses to resign or `responder` refuses to become it.
    // Null makes the window itself first responder.
    bool makeFirstResponder(Responder* responder);

    // The button Return clicks when the first responder does not take the key. Not owned: a
    // view of this window.
    Button* defaultButtonCell() const { return defaultButton_; }
    void setDefaultButtonCell(Button* button) { defaultButton_ = button; }
    // The button Escape clicks when no button has Escape for its key equivalent. Not owned: a
    // view of this window.
    Button* cancelButtonCell() const { return cancelButton_; }
    void setCancelButtonCell(Button* button) { cancelButton_ = button; }

    // The text view that edits the focused text field.
    TextView& fieldEditor();
    // The focused text field sends what was typed into it, as leaving it would; it keeps the
    // focus. Nothing when nothing was typed. Then the delegate hears it. False when a modal run
    // started meanwhile (an alert the commit raised): whatever asked for the commit is then to
    // go no further.
    bool commitEditing();

    // Input: mouse events at a point of the window, keys to the first responder. Mouse
    // moves also drive the tracking areas of every view shown. A mouse-down on another view
    // than the focused field commits what was typed into it, but on the button Escape clicks,
    // which abandons it.
    void sendEvent(const Event& event);
    // Whether a shown button of the window has the key as its key equivalent.
    bool hasKeyEquivalent(const Event& event) const;

    // Draws `view` again into the window's picture.
    void displayView(View& view);
    // The window's picture as the views drew it last.
    const Image& picture() const { return *picture_; }
    // The whole window drawn afresh at `scale` pixels per point, into `spare` when it has the
    // size (an earlier picture, cleared first: a frame's pixels need not be allocated and
    // touched anew each time), else into a new image.
    std::unique_ptr<Image> render(double scale = 1, std::unique_ptr<Image> spare = nullptr) const;

private:
    void updateTrackingAreas(const Event& event);
    void resizePicture();

    std::string title_;
    std::string identifier_;
    Rect frame_;
    bool visible_ = false;
    std::unique_ptr<View> contentView_;
    WindowDelegate* delegate_ = nullptr;
    Responder* firstResponder_ = nullptr;
    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    View* mouseDownView_ = nullptr;
    std::unique_ptr<TextView> fieldEditor_;
    std::unique_ptr<Image> picture_;
    Color backgroundColor_{0.93, 0.93, 0.93};
};

} // namespace ns
