#include "SvgValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace host::render::svg {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return out;
}

AIColor rgb(double red, double green, double blue)
{
    AIColor color{};
    color.kind = kThreeColor;
    color.c.rgb = {static_cast<AIReal>(std::clamp(red, 0.0, 1.0)), static_cast<AIReal>(std::clamp(green, 0.0, 1.0)),
                   static_cast<AIReal>(std::clamp(blue, 0.0, 1.0))};
    return color;
}

AIColor rgbBytes(unsigned value)
{
    return rgb(((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0);
}

// The colour names most drawings use.
struct Named {
    std::string_view name;
    unsigned rgb;
};
constexpr Named kNamedColors[] = {
    {"aqua", 0x00FFFF},      {"beige", 0xF5F5DC},      {"black", 0x000000},     {"blue", 0x0000FF},
    {"brown", 0xA52A2A},     {"coral", 0xFF7F50},      {"crimson", 0xDC143C},   {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},  {"darkgray", 0xA9A9A9},   {"darkgreen", 0x006400}, {"darkgrey", 0xA9A9A9},
    {"darkred", 0x8B0000},   {"dimgray", 0x696969},    {"dimgrey", 0x696969},   {"fuchsia", 0xFF00FF},
    {"gold", 0xFFD700},      {"gray", 0x808080},       {"green", 0x008000},     {"grey", 0x808080},
    {"indigo", 0x4B0082},    {"ivory", 0xFFFFF0},      {"khaki", 0xF0E68C},     {"lavender", 0xE6E6FA},
    {"lightblue", 0xADD8E6}, {"lightgray", 0xD3D3D3},  {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3},
    {"lime", 0x00FF00},      {"magenta", 0xFF00FF},    {"maroon", 0x800000},    {"navy", 0x000080},
    {"olive", 0x808000},     {"orange", 0xFFA500},     {"pink", 0xFFC0CB},      {"purple", 0x800080},
    {"red", 0xFF0000},       {"salmon", 0xFA8072},     {"silver", 0xC0C0C0},    {"skyblue", 0x87CEEB},
    {"tan", 0xD2B48C},       {"teal", 0x008080},       {"tomato", 0xFF6347},    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},    {"white", 0xFFFFFF},      {"whitesmoke", 0xF5F5F5}, {"yellow", 0xFFFF00},
};

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<AIColor> hexColor(std::string_view digits)
{
    unsigned value = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(d);
    }
    if (digits.size() == 6)
        return rgbBytes(value);
    if (digits.size() == 3)
        return rgbBytes(((value >> 8) & 0xF) * 0x110000 + ((value >> 4) & 0xF) * 0x1100 + (value & 0xF) * 0x11);
    return std::nullopt;
}

// rgb(R, G, B), rgb(R% G% B%), with an alpha after a comma or a slash that is let go.
std::optional<AIColor> functionalColor(std::string_view arguments)
{
    NumberScanner scanner(arguments);
    double channel[3] = {};
    for (double& value : channel) {
        float read = 0;
        if (scanner.next(read) != NumberScanner::Result::Read)
            return std::nullopt;
        value = read / 255.0;
        if (scanner.peek() == '%') {
            scanner.skip();
            value = read / 100.0;
        }
    }
    if (scanner.peek() == '/')
        scanner.skip();
    float alpha = 0;
    if (scanner.next(alpha) == NumberScanner::Result::Read && scanner.peek() == '%')
        scanner.skip();
    if (!scanner.atEnd())
        return std::nullopt;
    return rgb(channel[0], channel[1], channel[2]);
}

} // namespace

Matrix Matrix::operator*(const Matrix& inner) const
{
    return {a * inner.a + c * inner.b,
            b * inner.a + d * inner.b,
            a * inner.c + c * inner.d,
            b * inner.c + d * inner.d,
            a * inner.e + c * inner.f + e,
            b * inner.e + d * inner.f + f};
}

void NumberScanner::skipSpace(bool comma)
{
    while (at_ < text_.size() && isSpace(text_[at_]))
        ++at_;
    if (comma && at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        while (at_ < text_.size() && isSpace(text_[at_]))
            ++at_;
    }
}

char NumberScanner::peek(bool comma)
{
    skipSpace(comma);
    return at_ < text_.size() ? text_[at_] : '\0';
}

NumberScanner::Result NumberScanner::next(float& value)
{
    const size_t start = at_;
    skipSpace(true);
    const std::string_view t = text_;
    size_t i = at_;
    const size_t from = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t digits = 0;
    for (; i < t.size() && isDigit(t[i]); ++i)
        ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (; i < t.size() && isDigit(t[i]); ++i)
            ++digits;
    }
    if (digits == 0) {
        at_ = start;
        return Result::None;
    }
    bool smallExponent = false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        // An exponent only when digits follow: "1em" is 1 and a unit.
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && isDigit(t[j])) {
            smallExponent = t[i + 1] == '-';
            while (j < t.size() && isDigit(t[j]))
                ++j;
            i = j;
        }
    }
    const char* first = t.data() + from + (t[from] == '+' ? 1 : 0);
    const char* last = t.data() + i;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too large, or so small that it is 0.
        double wide = 0;
        const auto [wideEnd, wideError] = std::from_chars(first, last, wide);
        const bool tiny = wideError == std::errc() ? std::fabs(wide) < 1 : smallExponent;
        if (!tiny) {
            at_ = start;
            return Result::Huge;
        }
        value = 0;
    } else if (error != std::errc() || end != last) {
        at_ = start;
        return Result::None;
    }
    at_ = i;
    return Result::Read;
}

bool NumberScanner::flag(bool& value)
{
    skipSpace(true);
    if (at_ < text_.size() && (text_[at_] == '0' || text_[at_] == '1')) {
        value = text_[at_] == '1';
        ++at_;
        return true;
    }
    return false;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<float> numberOf(std::string_view text)
{
    NumberScanner scanner(trimmed(text));
    float value = 0;
    if (scanner.next(value) != NumberScanner::Result::Read || !scanner.atEnd())
        return std::nullopt;
    return value;
}

std::optional<double> lengthOf(std::string_view text, std::optional<double> percentOf, std::optional<double> emOf)
{
    text = trimmed(text);
    NumberScanner scanner(text);
    float value = 0;
    if (scanner.next(value) != NumberScanner::Result::Read)
        return std::nullopt;
    const std::string unit = lowered(text.substr(scanner.at()));
    static const struct {
        std::string_view unit;
        double points;
    } kUnits[] = {{"", 1}, {"px", 1}, {"pt", 1}, {"pc", 12}, {"in", 72}, {"mm", 72 / 25.4}, {"cm", 72 / 2.54}};
    for (const auto& known : kUnits)
        if (unit == known.unit)
            return value * known.points;
    if (unit == "%" && percentOf)
        return value / 100.0 * *percentOf;
    if (unit == "em" && emOf)
        return value * *emOf;
    if (unit == "ex" && emOf)
        return value * *emOf / 2;
    return std::nullopt;
}

TransformResult transformOf(std::string_view text, Matrix& m)
{
    Matrix product;
    size_t at = 0;
    while (true) {
        while (at < text.size() && (isSpace(text[at]) || text[at] == ','))
            ++at;
        if (at >= text.size())
            break;
        const size_t nameStart = at;
        while (at < text.size() && ((text[at] >= 'a' && text[at] <= 'z') || (text[at] >= 'A' && text[at] <= 'Z')))
            ++at;
        const std::string_view name = text.substr(nameStart, at - nameStart);
        while (at < text.size() && isSpace(text[at]))
            ++at;
        if (at >= text.size() || text[at] != '(')
            return TransformResult::Unreadable;
        const size_t close = text.find(')', at);
        if (close == std::string_view::npos)
            return TransformResult::Unreadable;
        NumberScanner scanner(text.substr(at + 1, close - at - 1));
        at = close + 1;
        double v[6] = {};
        size_t count = 0;
        float value = 0;
        NumberScanner::Result result;
        while (count < 6 && (result = scanner.next(value)) == NumberScanner::Result::Read)
            v[count++] = value;
        if (count < 6 && result == NumberScanner::Result::Huge)
            return TransformResult::Huge;
        if (!scanner.atEnd())
            return TransformResult::Unreadable;

        Matrix step;
        const auto cosSin = [](double degrees, double& cosine, double& sine) {
            // Quarter turns exactly, so that a rotated drawing keeps its coordinates whole.
            const double quarter = std::fmod(degrees, 360.0) / 90.0;
            if (quarter == std::floor(quarter)) {
                static const double kCos[] = {1, 0, -1, 0};
                const int turn = (static_cast<int>(quarter) % 4 + 4) % 4;
                cosine = kCos[turn];
                sine = kCos[(turn + 3) % 4];
                return;
            }
            const double radians = degrees * std::numbers::pi / 180;
            cosine = std::cos(radians);
            sine = std::sin(radians);
        };
        if (name == "matrix" && count == 6) {
            step = {v[0], v[1], v[2], v[3], v[4], v[5]};
        } else if (name == "translate" && (count == 1 || count == 2)) {
            step.e = v[0];
            step.f = v[1];
        } else if (name == "scale" && (count == 1 || count == 2)) {
            step.a = v[0];
            step.d = count == 2 ? v[1] : v[0];
        } else if (name == "rotate" && (count == 1 || count == 3)) {
            double cosine = 1, sine = 0;
            cosSin(v[0], cosine, sine);
            const Matrix turn{cosine, sine, -sine, cosine, 0, 0};
            step = Matrix{1, 0, 0, 1, v[1], v[2]} * turn * Matrix{1, 0, 0, 1, -v[1], -v[2]};
        } else if ((name == "skewX" || name == "skewY") && count == 1) {
            const double slope = std::tan(v[0] * std::numbers::pi / 180);
            (name == "skewX" ? step.c : step.b) = slope;
        } else {
            return TransformResult::Unreadable;
        }
        product = product * step;
    }
    m = product;
    return TransformResult::Read;
}

std::optional<ViewBox> viewBoxOf(std::string_view text)
{
    NumberScanner scanner(text);
    float v[4] = {};
    for (float& value : v)
        if (scanner.next(value) != NumberScanner::Result::Read)
            return std::nullopt;
    if (!scanner.atEnd() || !(v[2] > 0) || !(v[3] > 0))
        return std::nullopt;
    return ViewBox{v[0], v[1], v[2], v[3]};
}

Matrix viewportOf(const std::optional<ViewBox>& viewBox, double x, double y, double width, double height,
                  std::string_view preserveAspectRatio)
{
    Matrix m{1, 0, 0, 1, x, y};
    if (!viewBox)
        return m;
    std::string_view words = trimmed(preserveAspectRatio);
    if (words.starts_with("defer"))
        words = trimmed(words.substr(5));
    const std::string_view align = words.substr(0, std::min(words.find(' '), words.size()));
    const bool slice = words.ends_with("slice");
    double sx = width / viewBox->width;
    double sy = height / viewBox->height;
    double dx = 0, dy = 0;
    if (align != "none") {
        sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
        // xMidYMid unless said otherwise.
        const double freeX = width - viewBox->width * sx;
        const double freeY = height - viewBox->height * sy;
        dx = align.starts_with("xMin") ? 0 : align.starts_with("xMax") ? freeX : freeX / 2;
        dy = align.ends_with("YMin") ? 0 : align.ends_with("YMax") ? freeY : freeY / 2;
    }
    m.a = sx;
    m.d = sy;
    m.e = x + dx - viewBox->x * sx;
    m.f = y + dy - viewBox->y * sy;
    return m;
}

Matrix drawingToArtwork(const std::optional<ViewBox>& viewBox, double width, double height,
                        std::string_view preserveAspectRatio)
{
    return Matrix{1, 0, 0, -1, 0, height} * viewportOf(viewBox, 0, 0, width, height, preserveAspectRatio);
}

std::optional<AIColor> colorOf(std::string_view text)
{
    const std::string value = lowered(trimmed(text));
    if (value.starts_with('#'))
        return hexColor(std::string_view(value).substr(1));
    for (const std::string_view function : {"rgb(", "rgba("})
        if (value.starts_with(function) && value.ends_with(')'))
            return functionalColor(std::string_view(value).substr(function.size(), value.size() - function.size() - 1));
    for (const Named& named : kNamedColors)
        if (value == named.name)
            return rgbBytes(named.rgb);
    return std::nullopt;
}

std::optional<Paint> paintOf(std::string_view text)
{
    text = trimmed(text);
    const std::string value = lowered(text);
    Paint paint;
    if (value == "none" || value == "transparent")
        return paint;
    if (value == "currentcolor") {
        paint.kind = Paint::Kind::CurrentColor;
        return paint;
    }
    if (value.starts_with("url(")) {
        const size_t close = value.find(')');
        if (close == std::string::npos)
            return std::nullopt;
        paint.kind = Paint::Kind::Url;
        const std::string_view rest = trimmed(text.substr(close + 1));
        if (rest.empty() || lowered(rest) == "none")
            return paint;
        const auto fallback = colorOf(rest);
        if (!fallback)
            return std::nullopt;
        paint.color = *fallback;
        paint.fallback = true;
        return paint;
    }
    const auto color = colorOf(text);
    if (!color)
        return std::nullopt;
    paint.kind = Paint::Kind::Color;
    paint.color = *color;
    return paint;
}

std::optional<AIColor> heldColorOf(std::string_view text)
{
    AIColor color{};
    size_t count = 0;
    AIReal* components[4] = {};
    if (text == "none") {
        color.kind = kNoneColor;
        return color;
    }
    if (text.starts_with("gray ")) {
        color.kind = kGrayColor;
        components[0] = &color.c.g.gray;
        count = 1;
    } else if (text.starts_with("rgb ")) {
        color.kind = kThreeColor;
        components[0] = &color.c.rgb.red;
        components[1] = &color.c.rgb.green;
        components[2] = &color.c.rgb.blue;
        count = 3;
    } else if (text.starts_with("cmyk ")) {
        color.kind = kFourColor;
        components[0] = &color.c.f.cyan;
        components[1] = &color.c.f.magenta;
        components[2] = &color.c.f.yellow;
        components[3] = &color.c.f.black;
        count = 4;
    } else {
        return std::nullopt;
    }
    NumberScanner scanner(text.substr(text.find(' ')));
    for (size_t i = 0; i < count; ++i) {
        float value = 0;
        if (scanner.next(value) != NumberScanner::Result::Read)
            return std::nullopt;
        *components[i] = value;
    }
    if (!scanner.atEnd())
        return std::nullopt;
    return color;
}

std::vector<std::pair<std::string, std::string_view>> declarationsOf(std::string_view style)
{
    std::vector<std::pair<std::string, std::string_view>> out;
    while (!style.empty()) {
        const size_t end = std::min(style.find(';'), style.size());
        const std::string_view declaration = style.substr(0, end);
        style.remove_prefix(std::min(end + 1, style.size()));
        const size_t colon = declaration.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string name = lowered(trimmed(declaration.substr(0, colon)));
        std::string_view value = trimmed(declaration.substr(colon + 1));
        if (const size_t important = lowered(value).rfind("!important");
            important != std::string::npos && important + 10 == value.size())
            value = trimmed(value.substr(0, important));
        if (!name.empty())
            out.emplace_back(name, value);
    }
    return out;
}

std::vector<std::string> familiesOf(std::string_view text)
{
    std::vector<std::string> families;
    std::string current;
    char quote = 0;
    const auto finish = [&] {
        const std::string_view family = trimmed(current);
        if (!family.empty())
            families.emplace_back(family);
        current.clear();
    };
    for (char c : text) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            else
                current += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ',') {
            finish();
        } else {
            current += c;
        }
    }
    finish();
    return families;
}

} // namespace host::render::svg
