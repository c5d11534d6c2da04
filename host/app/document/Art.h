// One art object of the document as the host keeps it: a group, a path or a point-text frame,
// with what plug-ins keep on it.
#pragma once

#include "Dictionary.h"
#include "PathSegments.h"
#include "Shared.h"

#include "sdk/AIArt.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/ATESuites.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace host::doc {

enum class ArtKind { LayerGroup, Group, Path, Text };

// Character features of a text frame. Unset ones are the host's defaults: the default font
// (FontList::defaultIndex), 12 pt, black (gray 1), tracking 0.
struct CharFeatures {
    std::optional<AIColor> fill;
    std::optional<int32_t> font; // index in the host's font list
    std::optional<AIReal> size;
    std::optional<int32_t> tracking;
};

// Paragraph features of a text frame. Unset ones are the host's defaults: Roman leading, no
// indents, left justification.
struct ParaFeatures {
    std::optional<ATELeadingType> leading;
    std::optional<AIReal> startIndent;
    std::optional<AIReal> firstLineIndent;
    std::optional<ATEParagraphJustification> justification;
};

// What a path has beyond what all art has.
struct PathPart {
    PathSegments segments;
    bool closed = false;
    bool centerPointVisible = false;
    // Shared with the paths that have the same: a table's rules have a few between them.
    Shared<AIPathStyle> style;
};

// What a point-text frame has beyond what all art has. The stand-in's text engine keeps one run
// per frame: the local features last applied to any range of the frame hold for its whole text.
struct PointText {
    AIRealPoint anchor{0, 0};
    int16_t orientation = 0;
    std::u16string text;
    CharFeatures chars;
    ParaFeatures paras;
};

struct Art {
    Art() = default;
    // New art of that kind, holding its own part from the start: a path's of that style, a
    // text's as its defaults. The slot's far end, where the part's kind lies, is written as the
    // art is made rather than read back, before it reached the cache, by the part's first change.
    explicit Art(ArtKind made, const Shared<AIPathStyle>& style = {}) : kind(made)
    {
        if (made == ArtKind::Path)
            part_.emplace<PathPart>(PathPart{.segments = {}, .closed = false, .centerPointVisible = false, .style = style});
        else if (made == ArtKind::Text)
            part_.emplace<PointText>();
    }

    ArtKind kind = ArtKind::Group;
    std::string name;
    AIArtHandle parent = nullptr;          // null for a layer's group
    AILayerHandle layer = nullptr;         // the layer the art belongs to
    std::vector<AIArtHandle> children;     // in paint order: the first paints first
    // What plug-ins keep on the art; it goes with the art's other state into the history.
    Dictionary dictionary;

    // A path's own state, or a text frame's. Art holds one or the other, never both: a path and
    // a text take the room of the larger alone, which keeps each object of a large document
    // small. Read on art that holds none, each is its defaults; the first change makes it the
    // art's own. Changing a text's part on a path, or a path's on a text, is a fault of the
    // caller and throws std::bad_variant_access rather than lose what the art holds.
    const PathPart& path() const
    {
        const PathPart* own = std::get_if<PathPart>(&part_);
        return own != nullptr ? *own : defaults<PathPart>();
    }
    PathPart& path() { return own<PathPart>(); }
    const PointText& pointText() const
    {
        const PointText* own = std::get_if<PointText>(&part_);
        return own != nullptr ? *own : defaults<PointText>();
    }
    PointText& pointText() { return own<PointText>(); }

private:
    template <typename Part>
    static const Part& defaults()
    {
        static const Part none{};
        return none;
    }
    template <typename Part>
    Part& own()
    {
        if (std::holds_alternative<std::monostate>(part_))
            return part_.emplace<Part>();
        return std::get<Part>(part_);
    }

    std::variant<std::monostate, PathPart, PointText> part_;
};

} // namespace host::doc
