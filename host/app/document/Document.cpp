#include "Document.h"

#include <algorithm>

namespace host::doc {

namespace {

uintptr_t idOf(const void* handle)
{
    return reinterpret_cast<uintptr_t>(handle);
}

bool isContainer(ArtKind kind)
{
    return kind == ArtKind::Group || kind == ArtKind::LayerGroup;
}

} // namespace

Document::Document()
{
    AILayerHandle first = nullptr;
    insertLayer(nullptr, kPlaceAboveAll, &first);
    current_ = first;
}

Art* Document::art(AIArtHandle handle)
{
    auto it = arts_.find(idOf(handle));
    return it == arts_.end() ? nullptr : &it->second;
}

const Art* Document::art(AIArtHandle handle) const
{
    auto it = arts_.find(idOf(handle));
    return it == arts_.end() ? nullptr : &it->second;
}

AIArtHandle Document::addArt(Art made)
{
    const uintptr_t id = nextArt_++;
    arts_.emplace(id, std::move(made));
    return reinterpret_cast<AIArtHandle>(id);
}

ASErr Document::newArt(ArtKind kind, AIPaintOrder order, AIArtHandle prep, AIArtHandle* made)
{
    if (made == nullptr || kind == ArtKind::LayerGroup)
        return kBadParameterErr;
    *made = nullptr;
    Art* relative = art(prep);
    if (relative == nullptr)
        return kBadHandleErr;

    AIArtHandle parent = nullptr;
    size_t position = 0;
    switch (order) {
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom:
        if (!isContainer(relative->kind))
            return kBadParameterErr;
        parent = prep;
        position = order == kPlaceInsideOnTop ? relative->children.size() : 0;
        break;
    case kPlaceAbove:
    case kPlaceBelow: {
        if (relative->parent == nullptr)
            return kBadParameterErr;
        parent = relative->parent;
        const auto& siblings = art(parent)->children;
        const auto at = std::find(siblings.begin(), siblings.end(), prep) - siblings.begin();
        position = static_cast<size_t>(at) + (order == kPlaceAbove ? 1 : 0);
        break;
    }
    default:
        return kBadParameterErr;
    }

    Art fresh;
    fresh.kind = kind;
    fresh.parent = parent;
    fresh.layer = relative->layer;
    const AIArtHandle handle = addArt(std::move(fresh));
    auto& children = art(parent)->children;
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(position), handle);
    *made = handle;
    return kNoErr;
}

void Document::eraseTree(AIArtHandle handle)
{
    Art* found = art(handle);
    if (found == nullptr)
        return;
    const std::vector<AIArtHandle> children = std::move(found->children);
    for (AIArtHandle child : children)
        eraseTree(child);
    arts_.erase(idOf(handle));
}

ASErr Document::dispose(AIArtHandle handle)
{
    Art* found = art(handle);
    if (found == nullptr)
        return kBadHandleErr;
    if (found->kind == ArtKind::LayerGroup)
        return kBadParameterErr;
    auto& siblings = art(found->parent)->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    eraseTree(handle);
    return kNoErr;
}

void Document::translate(AIArtHandle handle, AIReal dx, AIReal dy)
{
    Art* found = art(handle);
    if (found == nullptr)
        return;
    for (AIPathSegment& segment : found->segments)
        for (AIRealPoint* point : {&segment.p, &segment.in, &segment.out}) {
            point->h += dx;
            point->v += dy;
        }
    found->anchor.h += dx;
    found->anchor.v += dy;
    for (AIArtHandle child : found->children)
        translate(child, dx, dy);
}

Layer* Document::layer(AILayerHandle handle)
{
    auto it = layerData_.find(idOf(handle));
    return it == layerData_.end() ? nullptr : &it->second;
}

const Layer* Document::layer(AILayerHandle handle) const
{
    auto it = layerData_.find(idOf(handle));
    return it == layerData_.end() ? nullptr : &it->second;
}

ASErr Document::setCurrentLayer(AILayerHandle handle)
{
    if (layer(handle) == nullptr)
        return kBadHandleErr;
    current_ = handle;
    return kNoErr;
}

ASErr Document::insertLayer(AILayerHandle relative, AIPaintOrder order, AILayerHandle* made)
{
    if (made == nullptr)
        return kBadParameterErr;
    *made = nullptr;
    size_t position = 0;
    switch (order) {
    case kPlaceAboveAll:
        position = 0;
        break;
    case kPlaceBelowAll:
        position = order_.size();
        break;
    case kPlaceAbove:
    case kPlaceBelow: {
        const auto it = std::find(order_.begin(), order_.end(), relative);
        if (it == order_.end())
            return kBadHandleErr;
        position = static_cast<size_t>(it - order_.begin()) + (order == kPlaceBelow ? 1 : 0);
        break;
    }
    default:
        return kBadParameterErr;
    }

    const auto handle = reinterpret_cast<AILayerHandle>(nextLayer_++);
    Layer fresh;
    fresh.title = "Layer " + std::to_string(++layersMade_);
    Art group;
    group.kind = ArtKind::LayerGroup;
    group.layer = handle;
    fresh.group = addArt(std::move(group));
    layerData_.emplace(idOf(handle), std::move(fresh));
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(position), handle);
    *made = handle;
    return kNoErr;
}

ASErr Document::deleteLayer(AILayerHandle handle)
{
    Layer* found = layer(handle);
    if (found == nullptr)
        return kBadHandleErr;
    if (order_.size() == 1)
        return kBadParameterErr; // a document keeps at least one layer
    eraseTree(found->group);
    layerData_.erase(idOf(handle));
    order_.erase(std::remove(order_.begin(), order_.end(), handle), order_.end());
    if (current_ == handle)
        current_ = order_.front();
    return kNoErr;
}

} // namespace host::doc
