// Where drawing goes: a cairo image surface seen with y upward. One context is current at a
// time; views get one while they draw, images while their focus is locked.
#pragma once

#include "Color.h"
#include "Geometry.h"

#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace ns {

enum class CompositingOperation { Clear, Copy, SourceOver };

class GraphicsContext {
public:
    // Draws into `surface` (not owned, which must outlive the context), whose height is
    // `height` points; `scale` pixels per point.
    GraphicsContext(cairo_surface_t* surface, double height, double scale = 1);
    ~GraphicsContext();
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    // Null when nothing is drawing.
    static GraphicsContext* currentContext();
    // Saves and restores the current context's state: colours, antialiasing, compositing,
    // clip and translation.
    static void saveGraphicsState();
    static void restoreGraphicsState();

    bool shouldAntialias() const { return state_.back().antialias; }
    void setShouldAntialias(bool antialias);
    CompositingOperation compositingOperation() const { return state_.back().operation; }
    void setCompositingOperation(CompositingOperation operation);
    const Color& fillColor() const { return state_.back().fill; }
    const Color& strokeColor() const { return state_.back().stroke; }
    void setFillColor(const Color& color) { state_.back().fill = color; }
    void setStrokeColor(const Color& color) { state_.back().stroke = color; }

    // For the toolkit's own drawing code.
    cairo_t* cairo() const { return cairo_; }
    void useFill();
    void useStroke();
    void translate(double dx, double dy);
    void clip(const Rect& rect);
    // Turns the coordinates of a view `height` high upside down (y from its top), as a
    // flipped view draws; until the state is restored. Images still stand upright.
    void flip(double height);
    bool isFlipped() const { return state_.back().flipped; }

    // Makes `context` current until the matching pop, which brings back the one before.
    static void push(GraphicsContext* context);
    static void pop();

    // Makes a context current for as long as the scope lives, then the one before again.
    class Scope {
    public:
        explicit Scope(GraphicsContext& context);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

private:
    struct State {
        Color fill = Color::blackColor();
        Color stroke = Color::blackColor();
        bool antialias = true;
        bool flipped = false;
        CompositingOperation operation = CompositingOperation::SourceOver;
    };
    void save();
    void restore();
    void applyOperation();

    cairo_t* cairo_;
    std::vector<State> state_{State{}};
};

} // namespace ns
