#include "DocumentCommands.h"

#include "Host.h"

namespace script {

namespace {

// The art named `name` in the tree under `handle`, what paints last first.
AIArtHandle topmostNamed(const host::doc::Document& document, AIArtHandle handle, const std::string& name)
{
    const host::doc::Art* art = document.art(handle);
    if (art == nullptr)
        return nullptr;
    for (auto child = art->children.rbegin(); child != art->children.rend(); ++child)
        if (AIArtHandle found = topmostNamed(document, *child, name))
            return found;
    return art->kind != host::doc::ArtKind::LayerGroup && art->name == name ? handle : nullptr;
}

} // namespace

std::string setLayerLocked(host::Host& h, const std::string& title, bool locked)
{
    bool found = false;
    for (AILayerHandle handle : h.document().layers()) {
        host::doc::Layer* layer = h.document().layer(handle);
        if (layer != nullptr && layer->title == title) {
            layer->editable = !locked;
            found = true;
        }
    }
    return found ? std::string() : "no layer \"" + title + "\"";
}

std::string deleteTopmost(host::Host& h, const std::string& name)
{
    host::doc::Document& document = h.document();
    for (AILayerHandle handle : document.layers()) {
        const host::doc::Layer* layer = document.layer(handle);
        if (layer == nullptr)
            continue;
        if (AIArtHandle art = topmostNamed(document, layer->group, name)) {
            document.dispose(art);
            document.markModified();
            return {};
        }
    }
    return "no art named \"" + name + "\"";
}

} // namespace script
