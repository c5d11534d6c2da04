#include "DocumentCommands.h"

#include "Desktop.h"
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

void openDrawing(const std::string& path, host::Host& h)
{
    if (host::desktop::Desktop* desktop = host::desktop::Desktop::current())
        desktop->document().open(path); // what went wrong is in the log
    else
        h.log().warning("open: there is no document window");
}

std::string setLayerLocked(host::Host& h, const std::string& title, bool locked)
{
    bool found = false;
    for (AILayerHandle handle : h.document().layers()) {
        const host::doc::Layer* layer = h.document().layer(handle);
        if (layer != nullptr && layer->title == title) {
            h.document().editLayer(handle)->editable = !locked;
            found = true;
            h.history().close(locked ? "Lock Layer" : "Unlock Layer");
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
            h.history().close("Delete");
            return {};
        }
    }
    return "no art named \"" + name + "\"";
}

void printHistory(host::Host& h, std::ostream& out)
{
    const std::string undo = h.history().undoName(), redo = h.history().redoName();
    out << (undo.empty() ? "nothing to undo" : "Undo " + undo) << '\n'
        << (redo.empty() ? "nothing to redo" : "Redo " + redo) << '\n';
}

void deleteSelection(host::Host& h)
{
    if (!h.selection().remove())
        h.log().warning("delete: nothing is selected");
}

void printSelection(host::Host& h, std::ostream& out)
{
    const std::vector<AIArtHandle> picked = h.selection().art();
    if (picked.empty())
        out << "nothing selected\n";
    for (AIArtHandle each : picked) {
        AIRealRect box{};
        h.document().bounds(each, &box);
        out << "selected \"" << h.document().art(each)->name << "\" (" << box.left << ' ' << box.top << ' ' << box.right
            << ' ' << box.bottom << ")\n";
    }
}

} // namespace script
