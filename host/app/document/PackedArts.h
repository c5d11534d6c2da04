// The former states of art a change recorded, packed: each object's handle and its state, or
// none where it did not exist yet. A rebuild of a large table records tens of thousands of
// objects per step and the history keeps a hundred steps, so a state takes a few dozen bytes:
// handles as differences from the one before, the place, the paint and the text features as a
// mark when they are those of the object before, a straight segment as its anchor alone, and of
// a point only the coordinates that differ from the last point's.
// Dictionaries are kept aside, shared with the art they came from.
//
// Every value comes back bit for bit as it went in.
#pragma once

#include "Art.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace host::doc {

class PackedArts {
public:
    // Adds the object's state, or none (null) where it does not exist.
    void add(uintptr_t id, const Art* art);
    // Gives back the room kept for more states: once a step is closed, none come.
    void shrinkToFit();
    // Room for states of that many bytes in all, made at once.
    void reserve(size_t bytes);
    // The bytes the states take, without the room kept for more.
    size_t byteSize() const { return bytes_.size; }
    bool empty() const { return count_ == 0; }
    size_t count() const { return count_; }
    // What it holds in memory, in bytes (dictionaries counted whole though they are shared).
    size_t bytes() const;

    // The bytes of a block of fields that is written once for a run of states that share it.
    struct Block {
        static constexpr size_t kMostBytes = 128;
        std::array<unsigned char, kMostBytes> bytes{};
        size_t size = 0; // 0: none yet
    };

    // What a state is told apart from: the state before.
    struct Before {
        uintptr_t id = 0;
        AIArtHandle parent = nullptr;
        AILayerHandle layer = nullptr;
        Block style, text;
        AIRealPoint point{0, 0}; // the last point written
    };

    // Reads the states back in the order they were added.
    class Reader {
    public:
        explicit Reader(const PackedArts& packed) : packed_(packed) {}
        // The next object's handle and its state (empty for none); false after the last.
        bool next(uintptr_t& id, std::optional<Art>& art);

    private:
        const PackedArts& packed_;
        size_t at_ = 0;
        size_t read_ = 0;
        Before last_;
        // The last style read, which the paths after it that have the same share.
        Shared<AIPathStyle> style_;
    };

private:
    // Bytes that grow without being cleared first.
    struct Bytes {
        struct Free {
            void operator()(unsigned char* bytes) const { std::free(bytes); }
        };
        std::unique_ptr<unsigned char, Free> data;
        size_t size = 0;
        size_t capacity = 0;
        // Where `more` free bytes start, past the size.
        unsigned char* room(size_t more);
        // Moves the bytes to a place of that capacity, at least their size.
        void reallocate(size_t to);
    };

    Bytes bytes_;
    std::vector<Dictionary> dictionaries_;
    size_t count_ = 0;
    Before last_;
    // The style record whose fields `last_.style` holds: a path that shares it has those fields,
    // as a record is not changed while two hold it.
    Shared<AIPathStyle> lastStyle_;
};

} // namespace host::doc
