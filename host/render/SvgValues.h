// The values of SVG attributes and style properties, as the SVG reader takes them: numbers
// (each read as a 32-bit float, so that a number the host wrote reads back as the same
// value), lengths, transforms, colours, paints and the declarations of a style attribute.
#pragma once

#include "sdk/AIColor.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host::render::svg {

// An affine map x' = a x + c y + e, y' = b x + d y + f, in double.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    // This map after `inner`: inner is applied first.
    Matrix operator*(const Matrix& inner) const;
    bool operator==(const Matrix&) const = default;
    double determinant() const { return a * d - b * c; }
};

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

inline Point apply(const Matrix& m, Point p)
{
    return {m.a * p.x + m.c * p.y + m.e, m.b * p.x + m.d * p.y + m.f};
}

// Numbers one after another, as path data, points lists and transforms give them: separated
// by white space and at most one comma, or by nothing where the next sign or point cannot
// belong to the number before ("1-2.5.5" is 1, -2.5 and .5).
class NumberScanner {
public:
    enum class Result { Read, None, Huge };

    explicit NumberScanner(std::string_view text) : text_(text) {}

    // The next number, with the separators before it. None, the scanner left where it was,
    // where none comes; Huge for one beyond what a float holds (one too small reads 0).
    Result next(float& value);
    // A flag of an elliptical arc: a single 0 or 1, separators before it.
    bool flag(bool& value);
    // The next character after white space (a comma too, with `comma`); 0 at the end.
    char peek(bool comma = false);
    void skip() { ++at_; }
    bool atEnd() { return peek(true) == 0; }
    size_t at() const { return at_; }

private:
    void skipSpace(bool comma);

    std::string_view text_;
    size_t at_ = 0;
};

// A number alone, with separators around it allowed; nullopt for anything else or a
// number beyond a float.
std::optional<float> numberOf(std::string_view text);

// A length in points: a number, or one with px, pt (the host takes a CSS pixel as a point,
// as its own files do), pc, in, mm or cm; with `percentOf` and `emOf` given, also one in %
// and em of those. nullopt for anything else.
std::optional<double> lengthOf(std::string_view text, std::optional<double> percentOf = std::nullopt,
                               std::optional<double> emOf = std::nullopt);

// An svg element's viewBox: nullopt for none, or one that cannot be read or has no area.
struct ViewBox {
    double x = 0, y = 0, width = 0, height = 0;
};
std::optional<ViewBox> viewBoxOf(std::string_view text);

// The map from the coordinates of a drawing `width` by `height` points, with its viewBox
// fitted as preserveAspectRatio says, to the artwork's: points, y upward, y' = height - y.
Matrix drawingToArtwork(const std::optional<ViewBox>& viewBox, double width, double height,
                        std::string_view preserveAspectRatio);
// The map from a nested svg's viewBox into the viewport it is given (x, y, width, height).
Matrix viewportOf(const std::optional<ViewBox>& viewBox, double x, double y, double width, double height,
                  std::string_view preserveAspectRatio);

enum class TransformResult { Read, Unreadable, Huge };
// A transform list: matrix, translate, scale, rotate, skewX and skewY, applied from the last
// to the first as SVG says; the product lands in `m`.
TransformResult transformOf(std::string_view text, Matrix& m);

// A paint as fill and stroke give it.
struct Paint {
    enum class Kind { None, Color, CurrentColor, Url };
    Kind kind = Kind::None;
    AIColor color{}; // Color, and Url with a fallback colour (then `fallback` is true)
    bool fallback = false;
};
// nullopt for a value that cannot be read.
std::optional<Paint> paintOf(std::string_view text);
// A colour alone (#rgb, #rrggbb, rgb(...), a name) as RGB; nullopt for anything else.
std::optional<AIColor> colorOf(std::string_view text);
// A colour as the host holds it, in the form its data-fill-color and data-stroke-color
// attributes write ("gray G", "rgb R G B", "cmyk C M Y K", "none"), components as written
// (the document may hold one outside 0 to 1); nullopt for anything else.
std::optional<AIColor> heldColorOf(std::string_view text);

// The declarations of a style attribute ("fill:red; stroke : blue"), names in lower case,
// names and values trimmed, "!important" dropped, in order.
std::vector<std::pair<std::string, std::string_view>> declarationsOf(std::string_view style);

// The families of a font-family list, quotes taken off, in order.
std::vector<std::string> familiesOf(std::string_view text);

// Text with white space taken off both ends.
std::string_view trimmed(std::string_view text);

} // namespace host::render::svg
