// The style of an SVG element as the reader takes it: what its parent hands down, then its
// presentation attributes, then its style attribute, as SVG cascades them; and the colours the
// host's own files hold exactly, in data-fill-color and data-stroke-color.
#pragma once

#include "Scene.h"
#include "SvgNames.h"
#include "SvgValues.h"

#include "document/Fonts.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace host::render::svg {

AIColor black();

// The properties children inherit, as SVG starts them.
struct Style {
    Paint fill{Paint::Kind::Color, black(), false};
    Paint stroke;
    bool evenodd = false;
    double strokeWidth = 1;
    AILineCap cap = kAIButtCap;
    AILineJoin join = kAIMiterJoin;
    double miterLimit = 4;
    std::array<double, kMaxDashComponents> dash{};
    int dashCount = 0;
    bool dashCut = false; // the file gave more values than the host holds
    double dashOffset = 0;
    std::optional<int32_t> font;                       // unset: the host's default
    std::shared_ptr<const std::string> missingFamily; // the family asked for, when the list lacks it
    double fontSize = 16;                              // SVG's "medium"
    Alignment anchor = Alignment::Start;
    bool preserveSpace = false;
    bool invisible = false;
    AIColor color = black(); // what currentColor paints
};

// What an element says of itself, beyond what it hands down.
struct Own {
    bool displayNone = false;
    bool translucent = false; // opacity, fill-opacity or stroke-opacity below 1
    bool unreadable = false;  // a property whose value could not be read, left out
};

// The host's font list as a font-family value asks for a font: the whole value first (the
// host writes its family as it is, commas and all), then each family of the list, exactly,
// then in any case; a generic family (serif, sans-serif ...) is the host's default.
class FontFinder {
public:
    explicit FontFinder(const doc::FontList& fonts);
    // Sets the style's font, or its missing family when the list has none of those asked.
    void find(std::string_view value, Style& style) const;

private:
    std::unordered_map<std::string, int> exact_;
    std::unordered_map<std::string, int> anyCase_;
    int size_;
};

// The element's style, from its parent's.
Own cascade(const Attributes& attributes, const Style& parent, const FontFinder& fonts, Style& style);

} // namespace host::render::svg
