#include "SvgStyle.h"

#include "Colors.h"

#include <algorithm>

namespace host::render::svg {

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return out;
}

// Applies one property; false for a value that cannot be read. `fill` and `stroke` are set
// when the element sets those.
bool apply(std::string_view name, std::string_view value, const Style& parent, const FontFinder& fonts, Style& style, Own& own,
           bool& fill, bool& stroke)
{
    value = trimmed(value);
    if (value == "inherit")
        return true;
    if (name == "fill" || name == "stroke") {
        const auto paint = paintOf(value);
        if (!paint)
            return false;
        (name == "fill" ? style.fill : style.stroke) = *paint;
        (name == "fill" ? fill : stroke) = true;
    } else if (name == "fill-rule") {
        if (value != "evenodd" && value != "nonzero")
            return false;
        style.evenodd = value == "evenodd";
    } else if (name == "stroke-width") {
        const auto width = lengthOf(value, std::nullopt, style.fontSize);
        if (!width || *width < 0)
            return false;
        style.strokeWidth = *width;
    } else if (name == "stroke-linecap") {
        static const std::string_view caps[] = {"butt", "round", "square"};
        const auto* found = std::find(std::begin(caps), std::end(caps), value);
        if (found == std::end(caps))
            return false;
        style.cap = static_cast<AILineCap>(found - std::begin(caps));
    } else if (name == "stroke-linejoin") {
        // SVG 2's miter-clip and arcs are drawn as miters.
        static const std::string_view joins[] = {"miter", "round", "bevel", "miter-clip", "arcs"};
        const auto* found = std::find(std::begin(joins), std::end(joins), value);
        if (found == std::end(joins))
            return false;
        const auto index = found - std::begin(joins);
        style.join = index < 3 ? static_cast<AILineJoin>(index) : kAIMiterJoin;
    } else if (name == "stroke-miterlimit") {
        const auto limit = numberOf(value);
        if (!limit || !(*limit >= 1))
            return false;
        style.miterLimit = *limit;
    } else if (name == "stroke-dasharray") {
        style.dashCount = 0;
        style.dashCut = false;
        if (value == "none")
            return true;
        std::array<double, kMaxDashComponents> dash{};
        int count = 0;
        bool cut = false;
        for (std::string_view rest = value; !trimmed(rest).empty();) {
            const size_t comma = rest.find_first_of(", \t\r\n");
            const std::string_view item = rest.substr(0, comma);
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
            if (trimmed(item).empty())
                continue;
            const auto length = lengthOf(item, std::nullopt, style.fontSize);
            if (!length || *length < 0)
                return false;
            if (count < kMaxDashComponents)
                dash[static_cast<size_t>(count++)] = *length;
            else
                cut = true;
        }
        style.dash = dash;
        style.dashCount = count;
        style.dashCut = cut;
    } else if (name == "stroke-dashoffset") {
        const auto offset = lengthOf(value, std::nullopt, style.fontSize);
        if (!offset)
            return false;
        style.dashOffset = *offset;
    } else if (name == "font-family") {
        fonts.find(value, style);
    } else if (name == "font-size") {
        const auto size = lengthOf(value, parent.fontSize, parent.fontSize);
        if (!size || *size < 0)
            return false;
        style.fontSize = *size;
    } else if (name == "text-anchor") {
        if (value == "start")
            style.anchor = Alignment::Start;
        else if (value == "middle")
            style.anchor = Alignment::Middle;
        else if (value == "end")
            style.anchor = Alignment::End;
        else
            return false;
    } else if (name == "display") {
        own.displayNone = value == "none";
    } else if (name == "visibility") {
        style.invisible = value == "hidden" || value == "collapse";
    } else if (name == "color") {
        const auto color = colorOf(value);
        if (!color)
            return false;
        style.color = *color;
    } else if (name == "opacity" || name == "fill-opacity" || name == "stroke-opacity") {
        const auto opacity = numberOf(value);
        if (!opacity)
            return false;
        own.translucent = own.translucent || *opacity < 1;
    }
    return true;
}

} // namespace

AIColor black()
{
    AIColor color{};
    color.kind = kThreeColor;
    color.c.rgb = {0, 0, 0};
    return color;
}

FontFinder::FontFinder(const doc::FontList& fonts) : size_(fonts.size())
{
    for (int i = 0; i < fonts.size(); ++i) {
        exact_.try_emplace(fonts.name(i), i);
        anyCase_.try_emplace(lowered(fonts.name(i)), i);
    }
}

void FontFinder::find(std::string_view value, Style& style) const
{
    style.font.reset();
    style.missingFamily.reset();
    if (trimmed(value).empty()) {
        // The host writes no family for a text whose font is not in its list: one outside the
        // list again writes the same.
        style.font = size_;
        return;
    }
    if (auto it = exact_.find(std::string(value)); it != exact_.end()) {
        style.font = it->second;
        return;
    }
    const std::vector<std::string> families = familiesOf(value);
    for (const std::string& family : families) {
        if (auto it = exact_.find(family); it != exact_.end()) {
            style.font = it->second;
            return;
        }
        const std::string lower = lowered(family);
        if (auto it = anyCase_.find(lower); it != anyCase_.end()) {
            style.font = it->second;
            return;
        }
        for (std::string_view generic : {"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui"})
            if (lower == generic)
                return;
    }
    style.missingFamily = std::make_shared<const std::string>(families.empty() ? std::string(value) : families.front());
}

Own cascade(const Attributes& attributes, const Style& parent, const FontFinder& fonts, Style& style)
{
    Own own;
    style = parent;
    bool fill = false, stroke = false;
    // The font size first: the other lengths' em is the element's own.
    const auto declarations = declarationsOf(attributes.get("style").value_or(""));
    for (const bool size : {true, false}) {
        for (const auto& [name, value] : attributes.all())
            if ((name == "font-size") == size)
                own.unreadable |= !apply(name, value, parent, fonts, style, own, fill, stroke);
        for (const auto& [name, value] : declarations)
            if ((name == "font-size") == size)
                own.unreadable |= !apply(name, value, parent, fonts, style, own, fill, stroke);
    }
    if (const auto space = attributes.get("xml:space"))
        style.preserveSpace = *space == "preserve";
    // The colour as held, where the file holds it and it agrees with the colour shown.
    for (const bool isFill : {true, false}) {
        const auto held = attributes.get(isFill ? "data-fill-color" : "data-stroke-color");
        if (!held || !(isFill ? fill : stroke))
            continue;
        Paint& paint = isFill ? style.fill : style.stroke;
        const auto color = heldColorOf(*held);
        if (!color)
            continue;
        bool agrees = false;
        if (paint.kind == Paint::Kind::None)
            agrees = color->kind == kNoneColor;
        else if (paint.kind == Paint::Kind::Color)
            agrees = color->kind != kNoneColor && cssColor(*color) == cssColor(paint.color);
        // A paint of no colour the host holds painted stays painted: it writes the same.
        if (agrees)
            paint = Paint{Paint::Kind::Color, *color, false};
    }
    return own;
}

} // namespace host::render::svg
