// The stand-in's text engine: the counted references that the text-engine (ATE) suites hand
// out, and the strings of the Unicode String suite. The text itself and the features that
// reach it live in the document (each frame's PointText, Art.h); what lives here are the
// handles through which plug-ins reach them.
//
// Every reference handed out is counted: AddRef adds one, Release gives one back, and the
// last Release frees the object. Handles are numbers never given out twice, from ranges that
// art, layers and font keys never use (the references' in a SlotTable, the strings' counted
// from far above the document's), so a stale or foreign handle is refused instead of being
// mistaken for another object.
#pragma once

#include "Document.h"
#include "PagedTable.h"
#include "SlotTable.h"
#include "sdk/ASTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace host::doc {

class TextEngine {
public:
    enum class Kind { Frame, Range, CharFeatures, ParaFeatures, Font, Paint };

    struct Object {
        Kind kind = Kind::Range;
        int64_t references = 1;
        AIArtHandle frame = nullptr; // Frame, Range: the point-text art they reach
        CharFeatures chars;          // CharFeatures: the features assigned so far
        ParaFeatures paras;          // ParaFeatures
        int32_t font = -1;           // Font: the index in the host's font list
        AIColor color{};             // Paint
    };

    TextEngine() = default;
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    // A new object holding one reference, the receiver's. Cast the handle to the ref type.
    // Null when there is no room for it (no memory, or 2^20 alive at once: a plug-in that never
    // gives its references back runs out of them); the suites then answer kOutOfMemoryErr.
    void* make(const Object& object);
    // Null unless `ref` is a live object of that kind.
    Object* find(const void* ref, Kind kind);
    // kBadHandleErr unless `ref` is a live object of that kind.
    ASErr addRef(const void* ref, Kind kind);
    ASErr release(const void* ref, Kind kind);

    // References given out and not given back, over every kind: 0 when nothing leaks.
    int64_t liveReferences() const { return references_; }
    size_t liveObjects() const { return objects_.size(); }
    size_t liveObjects(Kind kind) const;

    // Unicode String suite: immutable strings held in both encodings.
    struct UnicodeString {
        std::vector<ASUnicode> utf16; // ended by a 0 unit, not counted in the length
        std::string utf8;
        int32_t characters = 0;
    };
    AIUnicodeStringRef makeString(UnicodeString string);
    UnicodeString* string(AIUnicodeStringRef ref);
    bool destroyString(AIUnicodeStringRef ref);
    size_t liveStrings() const { return strings_.size(); }

private:
    // Far above the document's handles (which count from 1) and font keys (index + 1), below
    // the references'.
    static constexpr uintptr_t kFirstString = uintptr_t{1} << 40;
    static_assert(kFirstString < SlotTable<Object>::kMark / 2);

    // A text frame's rebuild makes and gives back a few of each in turn.
    SlotTable<Object> objects_;
    PagedTable<UnicodeString> strings_{kFirstString};
    int64_t references_ = 0;
    uintptr_t nextString_ = kFirstString;
};

} // namespace host::doc
