#include "SvgNames.h"

namespace host::render::svg {

namespace {

constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr std::string_view kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr std::string_view kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";

} // namespace

size_t Namespaces::declare(const std::vector<XmlAttribute>& attributes)
{
    size_t count = 0;
    for (const XmlAttribute& attribute : attributes) {
        std::string_view prefix;
        if (attribute.name == "xmlns")
            prefix = "";
        else if (attribute.name.starts_with("xmlns:"))
            prefix = attribute.name.substr(6);
        else
            continue;
        bound_[std::string(prefix)].push_back(attribute.value);
        declared_.emplace_back(prefix);
        ++count;
    }
    return count;
}

void Namespaces::release(size_t count)
{
    for (; count > 0; --count) {
        auto it = bound_.find(declared_.back());
        it->second.pop_back();
        if (it->second.empty())
            bound_.erase(it);
        declared_.pop_back();
    }
}

const std::string* Namespaces::uri(std::string_view prefix) const
{
    auto it = bound_.find(std::string(prefix));
    return it == bound_.end() ? nullptr : &it->second.back();
}

ElementName elementName(std::string_view qualified, const Namespaces& namespaces)
{
    const size_t colon = qualified.find(':');
    const std::string_view prefix = colon == std::string_view::npos ? std::string_view() : qualified.substr(0, colon);
    ElementName name;
    name.local = colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
    const std::string* uri = namespaces.uri(prefix);
    if (uri == nullptr) {
        // An unbound prefix is no SVG; the editors' own, taken as written, are theirs.
        name.space = prefix.empty() ? ElementName::Space::Svg : ElementName::Space::Other;
        if (prefix == "sodipodi" || prefix == "inkscape")
            name.space = ElementName::Space::Editor;
    } else if (*uri == kSvgNamespace) {
        name.space = ElementName::Space::Svg;
    } else if (*uri == kInkscapeNamespace || *uri == kSodipodiNamespace) {
        name.space = ElementName::Space::Editor;
    } else {
        name.space = ElementName::Space::Other;
    }
    return name;
}

void Attributes::take(const std::vector<XmlAttribute>& attributes, const Namespaces& namespaces)
{
    list_.clear();
    for (const XmlAttribute& attribute : attributes) {
        const std::string_view name = attribute.name;
        if (name == "xmlns" || name.starts_with("xmlns:"))
            continue;
        const size_t colon = name.find(':');
        if (colon == std::string_view::npos) {
            list_.emplace_back(std::string(name), attribute.value);
            continue;
        }
        const std::string_view prefix = name.substr(0, colon);
        const std::string_view local = name.substr(colon + 1);
        const std::string* uri = namespaces.uri(prefix);
        std::string key;
        if (prefix == "xml" || uri == nullptr)
            key = name; // xml is bound by XML itself; an unbound prefix is taken as written
        else if (*uri == kInkscapeNamespace)
            key = "inkscape:" + std::string(local);
        else if (*uri == kSodipodiNamespace)
            key = "sodipodi:" + std::string(local);
        else if (*uri == kSvgNamespace)
            key = local;
        else
            continue;
        list_.emplace_back(std::move(key), attribute.value);
    }
}

std::optional<std::string_view> Attributes::get(std::string_view key) const
{
    for (const auto& [name, value] : list_)
        if (name == key)
            return value;
    return std::nullopt;
}

} // namespace host::render::svg
