// The host's document: one artboard, layers in stacking order, and an art tree of groups,
// paths and point-text frames. The suites work on it; export reads it.
//
// Coordinates are artwork points, origin at the artboard's bottom-left corner, y upward.
// Every art object and layer is reached by a handle that is a number never given out twice:
// a disposed handle becomes valid again only when an undo brings its object back, and checking
// one costs the same whatever the size of the document.
//
// Every change is recorded as it is made, the former state of each object it touches kept
// once (Change.h), so that the history can take the changes since its last step as a step of
// its own and put them back.
#pragma once

#include "Art.h"
#include "ArtTable.h"
#include "Change.h"

#include "sdk/AIAnnotator.h"
#include "sdk/AIArt.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/ATESuites.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace host::doc {

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
    // The type size of text whose size was never set.
    static constexpr AIReal kDefaultFontSize = 12;

    // A new document has one layer, "Layer 1", which is current, and is not modified.
    Document() : Document(1) {}
    // One whose handles start at `firstHandle`: a document read in the place of another starts
    // where the other's sequence stopped, so that no handle the plug-ins kept is given out again
    // for other art.
    explicit Document(uintptr_t firstHandle);
    // The number the next handle will have.
    uintptr_t handleSequence() const { return nextHandle_; }

    // The document's own handle (the Document suite's), never that of art or a layer.
    AIDocumentHandle handle() const { return handle_; }

    // Art.
    // Null for a handle that is null, disposed or never given out (a layer's handle
    // included: art, layers and the document draw their handles from one sequence).
    // What reads art takes it const; what writes into it takes it with edit().
    const Art* art(AIArtHandle handle) const;
    // The art, to be changed: its state until now is recorded, the document marked modified.
    // Null for a handle that is not live.
    Art* edit(AIArtHandle handle);
    bool valid(AIArtHandle handle) const { return art(handle) != nullptr; }
    // New empty art placed relative to `prep` (see AIPaintOrder). kBadHandleErr for a `prep`
    // that is not live art, kBadParameterErr for an order that does not fit it (inside
    // orders need a group; above and below need art that has a parent). kPlaceAboveAll and
    // kPlaceBelowAll ignore `prep`: the art goes to the top or the bottom of the current
    // layer. A new path gets the current path style.
    ASErr newArt(ArtKind kind, AIPaintOrder order, AIArtHandle prep, AIArtHandle* made);
    // Disposes of the art and everything inside it. A layer's group cannot be disposed of
    // (kBadParameterErr); a handle that is not live answers kBadHandleErr.
    ASErr dispose(AIArtHandle handle);
    // Moves the art, and everything inside it, by (dx, dy); does nothing where transform
    // would refuse.
    void translate(AIArtHandle handle, AIReal dx, AIReal dy);
    // Maps every point of the art and of everything inside it through the matrix
    // (x' = a x + c y + tx, y' = b x + d y + ty) when `moveObjects`, and multiplies their
    // stroke widths by `lineScale` when `scaleLines`. A text frame moves its anchor. All or
    // nothing: kBadParameterErr, the art untouched, for a component, a line scale or a
    // result that is not finite, or a negative line scale; kBadHandleErr for art not live.
    ASErr transform(AIArtHandle handle, const AIRealMatrix& matrix, bool moveObjects, bool scaleLines,
                    AIReal lineScale);
    // The geometric bounds of the art and everything inside it (curves by their extremes,
    // not their control points; point text by an estimate from its size, see Document.cpp).
    // All zero for art that has nothing to bound, such as an empty group.
    ASErr bounds(AIArtHandle handle, AIRealRect* bounds) const;
    // The art and everything inside it, each parent before its children, in paint order.
    std::vector<AIArtHandle> subtree(AIArtHandle handle) const;
    size_t artCount() const { return arts_.size(); }

    // The style that new paths get (the Path Style suite's current style).
    static AIPathStyle defaultPathStyle();
    const AIPathStyle& currentPathStyle() const { return currentStyle_.get(); }
    void setCurrentPathStyle(const AIPathStyle& style) { currentStyle_ = Shared<AIPathStyle>(style); }
    // The style as a record that the paths with the same style share: one of the last few
    // handed out when it is that one bit for bit, else a new one.
    Shared<AIPathStyle> sharedStyle(const AIPathStyle& style);

    // Whether anything changed since the document was made or last marked saved. The
    // model's own operations mark it; code that writes into Art or Layer calls markModified.
    bool modified() const { return modified_; }
    void markModified()
    {
        modified_ = true;
        ++changes_;
    }
    // Counts every change, saved or not: whoever keeps a picture of the document redraws it
    // when the count moved.
    uint64_t changes() const { return changes_; }
    void markSaved() { modified_ = false; }
    // A document put in the place of another counts on from the other's changes, so that
    // whoever kept a picture of the other draws it anew.
    void countOnFrom(uint64_t changes) { changes_ = std::max(changes_, changes) + 1; }

    // Layers, index 0 at the top of the stack.
    const std::vector<AILayerHandle>& layers() const { return order_; }
    const Layer* layer(AILayerHandle handle) const;
    // The layer, to be changed, as edit() for art.
    Layer* editLayer(AILayerHandle handle);
    AILayerHandle currentLayer() const { return current_; }
    ASErr setCurrentLayer(AILayerHandle handle);
    // A new layer, titled "Layer N", placed relative to `relative` (kPlaceAbove or
    // kPlaceBelow), or at the top or bottom of the stack (kPlaceAboveAll, kPlaceBelowAll,
    // which ignore `relative`). The current layer stays current.
    ASErr insertLayer(AILayerHandle relative, AIPaintOrder order, AILayerHandle* made);
    ASErr deleteLayer(AILayerHandle handle);

    // The changes recorded since the last call, which no longer records them.
    Change takeChanges();
    // Whether changes were recorded since the last takeChanges().
    bool changing() const { return !pending_.empty(); }
    // Puts back the states a record holds and leaves in it the states they replace: applied to
    // what takeChanges() gave, it undoes those changes; applied again, it redoes them. Only with
    // nothing recorded since the last takeChanges().
    void exchange(Change& change);

private:
    Art* artForChange(AIArtHandle handle);
    // The state of an object before the changes being recorded, kept the first time each is
    // touched.
    void recordArt(uintptr_t id);
    void record(uintptr_t id, ArtTable::Slot& slot);
    void recordLayer(uintptr_t id);
    void recordOrder();
    uintptr_t nextHandle() { return nextHandle_++; }
    // New art as Art(kind, currentStyle_) makes it, kept and recorded as made by the changes
    // being recorded; its handle in `made`.
    Art& addArt(ArtKind kind, AIArtHandle& made);
    void eraseTree(AIArtHandle handle);

    ArtTable arts_;
    std::unordered_map<uintptr_t, Layer> layerData_;
    std::vector<AILayerHandle> order_;
    AILayerHandle current_ = nullptr;
    AIDocumentHandle handle_ = nullptr;
    // The record every new path shares, until the path is given a style of its own.
    Shared<AIPathStyle> currentStyle_{defaultPathStyle()};
    // The records sharedStyle handed out last, the next to go first: a table's elements each
    // have a style, and their rules come one element after another, each asking for the
    // record the one before was given (lastStyle_).
    std::array<Shared<AIPathStyle>, 4> recentStyles_;
    size_t nextRecentStyle_ = 0;
    size_t lastStyle_ = 0;
    uintptr_t nextHandle_ = 1;
    int layersMade_ = 0;
    bool modified_ = false;
    uint64_t changes_ = 0;
    Change pending_;
    // The number of the record being made: each slot of art recorded in it holds this number.
    uint64_t record_ = 1;
};

} // namespace host::doc
