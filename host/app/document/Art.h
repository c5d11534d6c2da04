// One art object of the document as the host keeps it: a group, a path or a point-text frame,
// with what plug-ins keep on it.
#pragma once

#include "Dictionary.h"
#include "PathSegments.h"

#include "sdk/AIArt.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/ATESuites.h"

#include <cstdint>
#include <optional>
#include <string>
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

struct Art {
    ArtKind kind = ArtKind::Group;
    std::string name;
    AIArtHandle parent = nullptr;          // null for a layer's group
    AILayerHandle layer = nullptr;         // the layer the art belongs to
    std::vector<AIArtHandle> children;     // in paint order: the first paints first
    // What plug-ins keep on the art; it goes with the art's other state into the history.
    Dictionary dictionary;

    // Paths.
    PathSegments segments;
    bool closed = false;
    bool centerPointVisible = false;
    AIPathStyle style{};

    // Point text. The stand-in's text engine keeps one run per frame: the local features
    // last applied to any range of the frame hold for its whole text.
    AIRealPoint anchor{0, 0};
    int16_t orientation = 0;
    std::u16string text;
    CharFeatures chars;
    ParaFeatures paras;
};

} // namespace host::doc
