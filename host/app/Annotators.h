// The annotators plug-ins add: drawn over the document view while active, and the parts of
// the view they asked to have redrawn.
#pragma once

#include "Invalidations.h"

#include "sdk/AIAnnotator.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

struct PluginRecord;

struct Annotator {
    std::string name;
    PluginRecord* owner = nullptr;
    bool active = true;
    AIAnnotatorHandle handle() const { return reinterpret_cast<AIAnnotatorHandle>(const_cast<Annotator*>(this)); }
};

class Annotators {
public:
    // kBadParameterErr for a null name or handle pointer.
    ASErr add(PluginRecord* owner, const char* name, AIAnnotatorHandle* made);
    Annotator* find(AIAnnotatorHandle handle) const;
    const std::vector<std::unique_ptr<Annotator>>& all() const { return annotators_; }

    // The view rectangles asked to be redrawn since the last take, oldest first.
    void invalidate(const AIRect& rect) { invalid_.add(rect); }
    std::vector<AIRect> takeInvalidated() { return invalid_.take(); }

private:
    std::vector<std::unique_ptr<Annotator>> annotators_;
    Invalidations<AIRect, false> invalid_;
};

} // namespace host
