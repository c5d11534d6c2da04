#include "Annotators.h"

namespace host {

ASErr Annotators::add(PluginRecord* owner, const char* name, AIAnnotatorHandle* made)
{
    if (name == nullptr || made == nullptr)
        return kBadParameterErr;
    auto annotator = std::make_unique<Annotator>();
    annotator->name = name;
    annotator->owner = owner;
    *made = annotator->handle();
    annotators_.push_back(std::move(annotator));
    return kNoErr;
}

Annotator* Annotators::find(AIAnnotatorHandle handle) const
{
    for (const auto& a : annotators_)
        if (a->handle() == handle)
            return a.get();
    return nullptr;
}


} // namespace host
