#include "SvgOutlines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host::render::svg {

namespace {

// How far a cubic curve's control points stand from its ends to follow a quarter of a circle.
constexpr double kKappa = 0.5522847498307936;

bool straight(const Knot& from, const Knot& to)
{
    return from.out == from.p && to.in == to.p;
}

Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}

Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}

Point operator*(double s, Point a)
{
    return {s * a.x, s * a.y};
}

// Builds the outlines of path data as its commands come.
class PathBuilder {
public:
    PathBuilder(Outlines& out, size_t budget) : out_(out), budget_(budget) {}

    bool moveTo(Point p)
    {
        out_.parts.emplace_back();
        outline_ = &out_.parts.back();
        start_ = p;
        return add({p, p, p});
    }
    bool lineTo(Point p) { return begin() && add({p, p, p}); }
    bool curveTo(Point c1, Point c2, Point p)
    {
        if (!begin())
            return false;
        outline_->knots.back().out = c1;
        return add({p, c2, p});
    }
    bool quadTo(Point q, Point p)
    {
        const Point from = current();
        return curveTo(from + 2.0 / 3 * (q - from), p + 2.0 / 3 * (q - p), p);
    }
    bool arcTo(double rx, double ry, double degrees, bool large, bool sweep, Point p);
    void close()
    {
        if (outline_ == nullptr)
            return;
        auto& knots = outline_->knots;
        if (knots.size() >= 3 && knots.back().p == knots.front().p && !straight(knots[knots.size() - 2], knots.back())) {
            knots.front().in = knots.back().in;
            knots.pop_back();
            --out_.points;
        }
        outline_->closed = true;
        outline_ = nullptr;
    }
    // Where the pen is: the last point drawn, or after a close the start of that outline.
    Point current() const { return outline_ != nullptr ? outline_->knots.back().p : start_; }

private:
    // A drawing command right after a close starts a new outline where the last one started.
    bool begin() { return outline_ != nullptr || moveTo(start_); }
    bool add(const Knot& knot)
    {
        if (++out_.points > budget_)
            return false;
        outline_->knots.push_back(knot);
        return true;
    }

    Outlines& out_;
    size_t budget_;
    Outline* outline_ = nullptr;
    Point start_;
};

// The arc as SVG's implementation notes give it: from end points to a centre, then cut into
// pieces of at most a quarter turn, each a cubic curve.
bool PathBuilder::arcTo(double rx, double ry, double degrees, bool large, bool sweep, Point p)
{
    const Point from = current();
    if (from == p)
        return true;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0)
        return lineTo(p);
    const double phi = degrees * std::numbers::pi / 180;
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    const double dx = (from.x - p.x) / 2;
    const double dy = (from.y - p.y) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy;
    const double y1 = -sinPhi * dx + cosPhi * dy;
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    const double root = std::sqrt(std::max(0.0, numerator / denominator)) * (large == sweep ? -1 : 1);
    const double cx1 = root * rx * y1 / ry;
    const double cy1 = -root * ry * x1 / rx;
    const Point centre{cosPhi * cx1 - sinPhi * cy1 + (from.x + p.x) / 2, sinPhi * cx1 + cosPhi * cy1 + (from.y + p.y) / 2};
    const auto angle = [](double ux, double uy, double vx, double vy) { return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy); };
    const double theta = angle(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
    double sweepAngle = angle((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
    if (!sweep && sweepAngle > 0)
        sweepAngle -= 2 * std::numbers::pi;
    else if (sweep && sweepAngle < 0)
        sweepAngle += 2 * std::numbers::pi;
    if (!std::isfinite(sweepAngle) || !std::isfinite(centre.x) || !std::isfinite(centre.y))
        return lineTo(p);
    const int pieces = std::clamp(static_cast<int>(std::ceil(std::fabs(sweepAngle) / (std::numbers::pi / 2) - 1e-9)), 1, 4);
    const double step = sweepAngle / pieces;
    const double reach = 4.0 / 3 * std::tan(step / 4);
    const auto at = [&](double a) {
        return Point{centre.x + rx * std::cos(a) * cosPhi - ry * std::sin(a) * sinPhi,
                     centre.y + rx * std::cos(a) * sinPhi + ry * std::sin(a) * cosPhi};
    };
    const auto tangent = [&](double a) {
        return Point{-rx * std::sin(a) * cosPhi - ry * std::cos(a) * sinPhi,
                     -rx * std::sin(a) * sinPhi + ry * std::cos(a) * cosPhi};
    };
    for (int i = 0; i < pieces; ++i) {
        const double a1 = theta + i * step;
        const double a2 = a1 + step;
        const Point end = i + 1 == pieces ? p : at(a2);
        if (!curveTo(at(a1) + reach * tangent(a1), at(a2) - reach * tangent(a2), end))
            return false;
    }
    return true;
}

bool isCommand(char c)
{
    return std::string_view("MmLlHhVvCcSsQqTtAaZz").find(c) != std::string_view::npos && c != '\0';
}

} // namespace

Outlines pathOutlines(std::string_view data, size_t budget)
{
    Outlines out;
    PathBuilder builder(out, budget);
    NumberScanner scanner(data);
    char command = 0;
    char previous = 0;      // the command before, for S and T
    Point previousControl;  // its last control point
    float v[7] = {};

    // The command's numbers, as many as it takes; false at the end of the data or an error.
    const auto read = [&](int count) {
        for (int i = 0; i < count; ++i) {
            const NumberScanner::Result result = scanner.next(v[i]);
            if (result == NumberScanner::Result::Huge)
                out.status = Outlines::Status::Huge;
            if (result != NumberScanner::Result::Read)
                return false;
        }
        return true;
    };
    const auto readArc = [&] {
        bool large = false, sweep = false;
        if (!read(3) || !scanner.flag(large) || !scanner.flag(sweep))
            return false;
        v[3] = large;
        v[4] = sweep;
        float end[2] = {};
        for (float& e : end) {
            const NumberScanner::Result result = scanner.next(e);
            if (result == NumberScanner::Result::Huge)
                out.status = Outlines::Status::Huge;
            if (result != NumberScanner::Result::Read)
                return false;
        }
        v[5] = end[0];
        v[6] = end[1];
        return true;
    };

    while (true) {
        const char next = scanner.peek(true);
        if (next == 0)
            break;
        bool fresh = false;
        if (isCommand(next)) {
            command = next;
            scanner.skip();
            fresh = true;
        } else if (command == 0 || command == 'Z' || command == 'z') {
            out.status = Outlines::Status::Cut;
            break;
        }
        if (previous == 0 && command != 'M' && command != 'm') {
            // Data must start with a move; numbers cannot follow a close.
            out.status = Outlines::Status::Cut;
            break;
        }
        const bool relative = command >= 'a' && command <= 'z';
        const Point base = relative ? builder.current() : Point{};
        const auto point = [&](int i) { return base + Point{v[i], v[i + 1]}; };
        bool ok = true;
        char done = static_cast<char>(command & ~0x20); // upper case
        Point control = builder.current();
        switch (done) {
        case 'M':
            if ((ok = read(2))) {
                ok = builder.moveTo(point(0));
                // Pairs after the first draw lines.
                command = relative ? 'l' : 'L';
            }
            break;
        case 'L':
            ok = read(2) && builder.lineTo(point(0));
            break;
        case 'H':
            ok = read(1) && builder.lineTo({relative ? base.x + v[0] : v[0], builder.current().y});
            break;
        case 'V':
            ok = read(1) && builder.lineTo({builder.current().x, relative ? base.y + v[0] : v[0]});
            break;
        case 'C':
            ok = read(6) && builder.curveTo(point(0), control = point(2), point(4));
            break;
        case 'S': {
            const Point from = builder.current();
            const Point first = previous == 'C' || previous == 'S' ? from + (from - previousControl) : from;
            ok = read(4) && builder.curveTo(first, control = point(0), point(2));
            break;
        }
        case 'Q':
            ok = read(4) && builder.quadTo(control = point(0), point(2));
            break;
        case 'T': {
            const Point from = builder.current();
            control = previous == 'Q' || previous == 'T' ? from + (from - previousControl) : from;
            ok = read(2) && builder.quadTo(control, point(0));
            break;
        }
        case 'A':
            ok = readArc() && builder.arcTo(v[0], v[1], v[2], v[3] != 0, v[4] != 0, point(5));
            break;
        case 'Z':
            builder.close();
            break;
        default:
            ok = false;
        }
        if (!ok) {
            if (out.points > budget)
                out.status = Outlines::Status::TooMany;
            else if (out.status != Outlines::Status::Huge && (fresh || !scanner.atEnd()))
                out.status = Outlines::Status::Cut;
            break;
        }
        previous = done;
        previousControl = control;
    }
    if (out.status == Outlines::Status::Huge || out.status == Outlines::Status::TooMany)
        out.parts.clear();
    return out;
}

Outline rectangleOutline(double x, double y, double width, double height, double rx, double ry)
{
    Outline outline;
    outline.closed = true;
    const auto corner = [&](Point p) { outline.knots.push_back({p, p, p}); };
    rx = std::clamp(rx, 0.0, width / 2);
    ry = std::clamp(ry, 0.0, height / 2);
    if (rx == 0 || ry == 0) {
        corner({x, y});
        corner({x + width, y});
        corner({x + width, y + height});
        corner({x, y + height});
        return outline;
    }
    const double kx = kKappa * rx;
    const double ky = kKappa * ry;
    const double right = x + width;
    const double bottom = y + height;
    outline.knots = {
        {{x + rx, y}, {x + rx - kx, y}, {x + rx, y}},
        {{right - rx, y}, {right - rx, y}, {right - rx + kx, y}},
        {{right, y + ry}, {right, y + ry - ky}, {right, y + ry}},
        {{right, bottom - ry}, {right, bottom - ry}, {right, bottom - ry + ky}},
        {{right - rx, bottom}, {right - rx + kx, bottom}, {right - rx, bottom}},
        {{x + rx, bottom}, {x + rx, bottom}, {x + rx - kx, bottom}},
        {{x, bottom - ry}, {x, bottom - ry + ky}, {x, bottom - ry}},
        {{x, y + ry}, {x, y + ry}, {x, y + ry - ky}},
    };
    return outline;
}

Outline ellipseOutline(double cx, double cy, double rx, double ry)
{
    const double kx = kKappa * rx;
    const double ky = kKappa * ry;
    Outline outline;
    outline.closed = true;
    outline.knots = {
        {{cx + rx, cy}, {cx + rx, cy - ky}, {cx + rx, cy + ky}},
        {{cx, cy + ry}, {cx + kx, cy + ry}, {cx - kx, cy + ry}},
        {{cx - rx, cy}, {cx - rx, cy + ky}, {cx - rx, cy - ky}},
        {{cx, cy - ry}, {cx - kx, cy - ry}, {cx + kx, cy - ry}},
    };
    return outline;
}

Outlines pointsOutline(std::string_view points, bool closed, size_t budget)
{
    Outlines out;
    Outline outline;
    outline.closed = closed;
    NumberScanner scanner(points);
    while (true) {
        float xy[2] = {};
        NumberScanner::Result result = scanner.next(xy[0]);
        const bool half = result == NumberScanner::Result::Read;
        if (half)
            result = scanner.next(xy[1]);
        if (result == NumberScanner::Result::Huge) {
            out.status = Outlines::Status::Huge;
            return out;
        }
        if (result != NumberScanner::Result::Read) {
            if (half || !scanner.atEnd())
                out.status = Outlines::Status::Cut;
            break;
        }
        if (++out.points > budget) {
            out.status = Outlines::Status::TooMany;
            return out;
        }
        const Point p{xy[0], xy[1]};
        outline.knots.push_back({p, p, p});
    }
    out.parts.push_back(std::move(outline));
    return out;
}

} // namespace host::render::svg
