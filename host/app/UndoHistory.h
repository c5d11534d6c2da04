// The document's undo history: the steps a person can take back and do again. A step is what
// changed the document between two closings: each message to a plug-in that changed it (the
// drag that makes a table, the rebuild of each panel edit), and each of the host's own
// commands. Undo puts back exactly the art that was there, under the same handles; redo puts
// the step's changes back. A new step drops the steps undone.
//
// Bounded: at most kMostSteps steps, and at most kMostBytes of recorded states (the oldest
// steps go first; the last step is kept whatever its size).
#pragma once

#include "document/Change.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace host {

namespace doc {
class Document;
}

class UndoHistory {
public:
    static constexpr size_t kMostSteps = 100;
    static constexpr size_t kMostBytes = size_t{256} << 20;

    explicit UndoHistory(doc::Document& document) : document_(document) {}
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // What the document recorded since the last closing becomes the step `name` ("Table",
    // "Move"); nothing happens when it recorded nothing.
    void close(const std::string& name);
    // Takes the last step back, or does the last step undone again: the step's name, empty
    // when there is none. What was recorded and not yet closed is closed first, as a step of
    // its own ("Change"), which drops the steps undone.
    std::string undo();
    std::string redo();

    // The names of the steps undo and redo would take; empty when there is none.
    std::string undoName() const { return done_.empty() ? std::string() : done_.back().name; }
    std::string redoName() const { return undone_.empty() ? std::string() : undone_.back().name; }
    size_t steps() const { return done_.size(); }
    // What the kept steps hold, as Change::bytes counts it.
    size_t bytes() const { return bytes_; }
    // Forgets every step (a document opened in the place of this one), which is then as saved.
    void clear();

    // The document was saved as it stands: what it recorded since the last step is closed as a
    // step ("Change"), and the history knows this place.
    void markSaved();
    // Whether the document stands where it was last saved: undone back to it, or done again up
    // to it, with nothing recorded since. False once the saved place can no longer be reached
    // (a new change after undoing past it, or steps the bounds let go).
    bool atSaved() const;
    // No place of the history is saved any more (a drawing restored from its recovery file).
    void forgetSaved() { saved_ = UINT64_MAX; }

private:
    struct Step {
        std::string name;
        doc::Change change;
        size_t bytes = 0;
        uint64_t place = 0; // the document's place once the step is done, never given twice
    };
    // Where the document stands: the place of the last step done, or of the bottom.
    uint64_t place() const { return done_.empty() ? bottom_ : done_.back().place; }
    // The last step of `from` exchanged with the document and put last in `to`: its name.
    std::string exchangeLast(std::deque<Step>& from, std::deque<Step>& to);
    void keepWithinBounds();

    doc::Document& document_;
    std::deque<Step> done_;
    std::deque<Step> undone_;
    size_t bytes_ = 0;
    uint64_t places_ = 0;  // the last place given out
    uint64_t bottom_ = 0;  // the place before the first step kept
    uint64_t saved_ = 0;   // the place last saved
};

} // namespace host
