#include "UndoHistory.h"

#include "document/Document.h"

namespace host {

void UndoHistory::close(const std::string& name)
{
    if (!document_.changing())
        return;
    Step step{name, document_.takeChanges()};
    step.bytes = step.change.bytes();
    for (const Step& dropped : undone_)
        bytes_ -= dropped.bytes;
    undone_.clear();
    bytes_ += step.bytes;
    done_.push_back(std::move(step));
    keepWithinBounds();
}

std::string UndoHistory::undo()
{
    close("Change");
    if (done_.empty())
        return {};
    Step step = std::move(done_.back());
    done_.pop_back();
    bytes_ -= step.bytes;
    document_.exchange(step.change);
    step.bytes = step.change.bytes();
    bytes_ += step.bytes;
    undone_.push_back(std::move(step));
    return undone_.back().name;
}

std::string UndoHistory::redo()
{
    // A change not yet closed is a new step: the steps undone no longer follow from it.
    close("Change");
    if (undone_.empty())
        return {};
    Step step = std::move(undone_.back());
    undone_.pop_back();
    bytes_ -= step.bytes;
    document_.exchange(step.change);
    step.bytes = step.change.bytes();
    bytes_ += step.bytes;
    done_.push_back(std::move(step));
    keepWithinBounds();
    return done_.back().name;
}

void UndoHistory::clear()
{
    document_.takeChanges();
    done_.clear();
    undone_.clear();
    bytes_ = 0;
}

void UndoHistory::keepWithinBounds()
{
    while (done_.size() > 1 && (done_.size() > kMostSteps || bytes_ > kMostBytes)) {
        bytes_ -= done_.front().bytes;
        done_.pop_front();
    }
}

} // namespace host
