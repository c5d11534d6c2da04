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
    // Forgets every step (a document opened in the place of this one).
    void clear();

private:
    struct Step {
        std::string name;
        doc::Change change;
        size_t bytes = 0;
    };
    // The last step of `from` exchanged with the document and put last in `to`: its name.
    std::string exchangeLast(std::deque<Step>& from, std::deque<Step>& to);
    void keepWithinBounds();

    doc::Document& document_;
    std::deque<Step> done_;
    std::deque<Step> undone_;
    size_t bytes_ = 0;
};

} // namespace host
