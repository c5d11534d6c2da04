#include "Invariants.h"

#include "Application.h"
#include "Control.h"
#include "View.h"
#include "Window.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace fuzz {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using host::doc::Art;
using host::doc::ArtKind;
using host::doc::Document;

// A table's parts, in the order they paint.
const char* const kSubGroups[] = {"Columns", "Lines", "Frame", "Title", "Text"};

bool finite(AIRealPoint p)
{
    return std::isfinite(p.h) && std::isfinite(p.v);
}

void checkArt(const Document& document, AIArtHandle handle, AIArtHandle parent, std::set<AIArtHandle>& seen)
{
    if (!seen.insert(handle).second)
        broken("an art object is reached twice");
    const Art* art = document.art(handle);
    if (art == nullptr)
        broken("a group holds art that is not live");
    if (art->parent != parent)
        broken("an art object names another parent than its group");
    for (const AIPathSegment& s : art->path().segments)
        if (!finite(s.p) || !finite(s.in) || !finite(s.out))
            broken("a path point is not finite");
    if (art->kind == ArtKind::Path && !std::isfinite(art->path().style->stroke.width))
        broken("a stroke width is not finite");
    if (art->kind == ArtKind::Text && !finite(art->pointText().anchor))
        broken("a text position is not finite");
    for (AIArtHandle child : art->children)
        checkArt(document, child, handle, seen);
}

void checkTable(const Document& document, AIArtHandle table)
{
    const Art* art = document.art(table);
    if (art->kind != ArtKind::Group)
        broken("the tables' layer holds art that is no table");
    int last = -1;
    for (AIArtHandle part : art->children) {
        const Art* sub = document.art(part);
        const auto* found = std::find(std::begin(kSubGroups), std::end(kSubGroups), sub->name);
        if (sub->kind != ArtKind::Group || found == std::end(kSubGroups))
            broken("a table holds \"" + sub->name + "\", which is none of its sub-groups");
        const int index = static_cast<int>(found - std::begin(kSubGroups));
        if (index <= last)
            broken("a table holds \"" + sub->name + "\" twice or out of its paint order");
        last = index;
    }
}

// The kind every key of the plug-in is stored as.
const std::map<std::string, std::string>& pluginKeys()
{
    static const std::map<std::string, std::string> keys = [] {
        std::map<std::string, std::string> k;
        for (const char* b : {"Son", "OutilsGroupe", "PanneauVisible", "kADM_DPVisibleStr"})
            k[b] = "bool";
        for (const char* r : {"EpaisseurLignes", "EpaisseurColonnes", "EpaisseurCadre", "EpaisseurCadreDeux",
                              "GouttiereLignes", "GouttiereColonnes", "GouttiereCadre", "Corps"})
            k[r] = "real";
        for (const char* i : {"NombreLignes", "NombreColonnes", "NumPolice", "VariablePolice"})
            k[i] = "int";
        k["Police"] = "string";
        for (const char* element : {"Lignes", "Colonnes", "Cadre", "Texte"}) {
            k[std::string("TypeCouleurs") + element] = "int";
            for (const char* canal : {"Gris", "Rouge", "Vert", "Bleu", "Cyan", "Magenta", "Jaune", "Noir"})
                k[std::string(canal) + element] = "real";
        }
        return k;
    }();
    return keys;
}

// prefix/key -> kind, of a store's text; empty for text that is no store.
std::map<std::string, std::string> kindsOf(const std::string& text)
{
    std::map<std::string, std::string> kinds;
    const Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        return kinds;
    for (const auto& [prefix, keys] : json.items())
        if (keys.is_object())
            for (const auto& [key, entry] : keys.items())
                if (entry.is_object() && entry.size() == 1)
                    kinds[prefix + "/" + key] = entry.begin().key();
    return kinds;
}

void checkFieldsOf(const ns::View& view, const std::set<std::string>& typed)
{
    if (const auto* control = dynamic_cast<const ns::Control*>(&view)) {
        const std::string& id = control->identifier();
        if (id.find("zone") != std::string::npos && typed.count(id) == 0 &&
            (showsNonFinite(control->stringValue()) || showsExponent(control->stringValue())))
            broken("the field " + id + " shows \"" + control->stringValue() + "\"");
    }
    for (const auto& sub : view.subviews())
        checkFieldsOf(*sub, typed);
}

} // namespace

bool showsNonFinite(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

bool showsExponent(const std::string& text)
{
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if ((text[i] != 'e' && text[i] != 'E') || !std::isdigit(static_cast<unsigned char>(text[i - 1])))
            continue;
        const size_t j = text[i + 1] == '+' || text[i + 1] == '-' ? i + 2 : i + 1;
        if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            return true;
    }
    return false;
}

void broken(const std::string& what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void checkDocument(const Document& document, bool namesReliable)
{
    std::set<AIArtHandle> seen;
    for (AILayerHandle handle : document.layers()) {
        const host::doc::Layer* layer = document.layer(handle);
        if (layer == nullptr)
            broken("the document lists a layer that is not live");
        checkArt(document, layer->group, nullptr, seen);
        if (!namesReliable || layer->title != "Varo-Table")
            continue;
        for (AIArtHandle table : document.art(layer->group)->children)
            checkTable(document, table);
    }
}

void checkPreferenceFile(const fs::path& file, const std::optional<std::string>& before)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return;
    std::stringstream contents;
    contents << in.rdbuf();
    const std::string now = contents.str();
    if (before && *before == now)
        return;
    const Json json = Json::parse(now, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        broken("the preference file the host wrote is not a JSON object");
    const std::map<std::string, std::string> earlier = before ? kindsOf(*before) : std::map<std::string, std::string>{};
    for (const auto& [key, kind] : kindsOf(now)) {
        const auto known = pluginKeys().find(key.substr(key.find('/') + 1));
        const bool ours = key.rfind("VaroTableau/", 0) == 0 && known != pluginKeys().end() && known->second == kind;
        const auto kept = earlier.find(key);
        if (!ours && (kept == earlier.end() || kept->second != kind))
            broken("the preference file holds " + key + " as " + kind + ", which nobody stored");
    }
}

void checkFields(host::Host& host, const std::set<std::string>& typed)
{
    for (const auto& panel : host.panels().all())
        if (panel->window)
            if (const ns::View* content = panel->window->contentView())
                checkFieldsOf(*content, typed);
    // The plug-in's other windows are the ones of this session once it has started; before,
    // they are still those of the session before.
    if (!host.launched())
        return;
    for (const ns::Window* window : ns::Application::sharedApplication().windows())
        if (const ns::View* content = window->contentView())
            checkFieldsOf(*content, typed);
}

} // namespace fuzz
