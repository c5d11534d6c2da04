#include "Annotators.h"

#include "FirstWhere.h"
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
    return firstWhere(annotators_, [&](const auto& a) { return a.handle() == handle; });
}


} // namespace host
