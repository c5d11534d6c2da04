// What a run of changes to a document altered, as it was before them: for each art object,
// layer, the stacking order and the current layer they touched, the former state (none where
// the object did not exist yet). Document::exchange puts these back and keeps what they
// replace, so one record undoes a step and, exchanged again, redoes it.
#pragma once

#include "PackedArts.h"

#include "sdk/AIArt.h"
#include "sdk/AILayer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace host::doc {

struct Layer;

struct Change {
    Change();
    ~Change();
    Change(Change&&) noexcept;
    Change& operator=(Change&&) noexcept;

    // Each art object once, as it was, in the order they were first touched.
    PackedArts arts;
    // By handle: the layer as it was, or null where it did not exist.
    std::unordered_map<uintptr_t, std::unique_ptr<Layer>> layers;
    std::optional<std::vector<AILayerHandle>> order;
    std::optional<AILayerHandle> current;

    bool empty() const { return arts.empty() && layers.empty() && !order && !current; }
    // About what the record holds, in bytes: the history keeps its steps within a budget.
    size_t bytes() const;
};

} // namespace host::doc
