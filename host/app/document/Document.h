// The host's document: one artboard, layers in stacking order, and an art tree of groups,
// paths and point-text frames. The suites work on it; export reads it.
//
// Coordinates are artwork points, origin at the artboard's bottom-left corner, y upward.
// Every art object and layer is reached by a handle that is a number never given out twice:
// a disposed handle never becomes valid again, and checking one costs the same whatever the
// size of the document.
#pragma once

#include "sdk/AIAnnotator.h"
#include "sdk/AIArt.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/ATESuites.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
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

    // Paths.
    std::vector<AIPathSegment> segments;
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

struct Layer {
    std::string title;
    bool editable = true;
    bool visible = true;
    AIRGBColor color{0, 0, 65535};
    AIArtHandle group = nullptr; // the layer's art, kind LayerGroup
};

class Document {
public:
    // A4 portrait, in points.
    static constexpr AIReal kArtboardWidth = 595.28f;
    static constexpr AIReal kArtboardHeight = 841.89f;

    // A new document has one layer, "Layer 1", which is current.
    Document();

    // Art.
    // Null for a handle that is null, disposed or never given out.
    Art* art(AIArtHandle handle);
    const Art* art(AIArtHandle handle) const;
    bool valid(AIArtHandle handle) const { return art(handle) != nullptr; }
    // New empty art placed relative to `prep` (see AIPaintOrder). kBadHandleErr for a `prep`
    // that is not live art, kBadParameterErr for an order that does not fit it (inside
    // orders need a group; above and below need art that has a parent).
    ASErr newArt(ArtKind kind, AIPaintOrder order, AIArtHandle prep, AIArtHandle* made);
    // Disposes of the art and everything inside it. A layer's group cannot be disposed of
    // (kBadParameterErr); a handle that is not live answers kBadHandleErr.
    ASErr dispose(AIArtHandle handle);
    // Moves the art, and everything inside it, by (dx, dy).
    void translate(AIArtHandle handle, AIReal dx, AIReal dy);
    size_t artCount() const { return arts_.size(); }

    // Layers, index 0 at the top of the stack.
    const std::vector<AILayerHandle>& layers() const { return order_; }
    Layer* layer(AILayerHandle handle);
    const Layer* layer(AILayerHandle handle) const;
    AILayerHandle currentLayer() const { return current_; }
    ASErr setCurrentLayer(AILayerHandle handle);
    // A new layer, titled "Layer N", placed relative to `relative` (kPlaceAbove or
    // kPlaceBelow), or at the top or bottom of the stack (kPlaceAboveAll, kPlaceBelowAll,
    // which ignore `relative`).
    ASErr insertLayer(AILayerHandle relative, AIPaintOrder order, AILayerHandle* made);
    ASErr deleteLayer(AILayerHandle handle);

private:
    AIArtHandle addArt(Art art);
    void eraseTree(AIArtHandle handle);

    std::unordered_map<uintptr_t, Art> arts_;
    std::unordered_map<uintptr_t, Layer> layerData_;
    std::vector<AILayerHandle> order_;
    AILayerHandle current_ = nullptr;
    uintptr_t nextArt_ = 1;
    uintptr_t nextLayer_ = 1;
    int layersMade_ = 0;
};

} // namespace host::doc
