#include "UndoHistory.h"

#include "document/Document.h"

namespace host {

void UndoHistory::close(const std::string& name)
{
    if (!document_.changing())
        return;
    Step step{name, document_.takeChanges()};
    step.bytes = step.change.bytes();
    step.place = ++places_;
    for (const Step& dropped : undone_)
        bytes_ -= dropped.bytes;
    undone_.clear();
    bytes_ += step.bytes;
    done_.push_back(std::move(step));
    keepWithinBounds();
}

std::string UndoHistory::undo()
{
    return exchangeLast(done_, undone_);
}

std::string UndoHistory::redo()
{
    return exchangeLast(undone_, done_);
}

std::string UndoHistory::exchangeLast(std::deque<Step>& from, std::deque<Step>& to)
{
    // What is recorded and not yet closed is a step of its own: after it, the steps undone no
    // longer follow, and there is nothing to redo.
    close("Change");
    if (from.empty())
        return {};
    Step step = std::move(from.back());
    from.pop_back();
    bytes_ -= step.bytes;
    document_.exchange(step.change);
    step.bytes = step.change.bytes();
    bytes_ += step.bytes;
    to.push_back(std::move(step));
    keepWithinBounds();
    return to.back().name;
}

void UndoHistory::clear()
{
    document_.takeChanges();
    done_.clear();
    undone_.clear();
    bytes_ = 0;
    bottom_ = saved_ = ++places_;
}

void UndoHistory::markSaved()
{
    close("Change");
    saved_ = place();
}

bool UndoHistory::atSaved() const
{
    return place() == saved_ && !document_.changing();
}

void UndoHistory::keepWithinBounds()
{
    // Over the budget, the farthest steps go first: the last to redo, then the first to undo.
    while (bytes_ > kMostBytes && !undone_.empty()) {
        bytes_ -= undone_.front().bytes;
        undone_.pop_front();
    }
    while (done_.size() > 1 && (done_.size() > kMostSteps || bytes_ > kMostBytes)) {
        bytes_ -= done_.front().bytes;
        bottom_ = done_.front().place;
        done_.pop_front();
    }
}

} // namespace host
