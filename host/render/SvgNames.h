// The names of an SVG file's elements and attributes with their XML namespaces resolved, so
// that the SVG reader asks for them by one spelling whatever prefixes the file chose.
#pragma once

#include "XmlReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace host::render::svg {

// The namespaces in force, element by element: each prefix to the names it is bound to.
class Namespaces {
public:
    // The declarations among an element's attributes (xmlns, xmlns:P), in force until they
    // are released; how many there were.
    size_t declare(const std::vector<XmlAttribute>& attributes);
    void release(size_t count);
    // The name the prefix stands for ("" the default namespace); null when it is not bound.
    const std::string* uri(std::string_view prefix) const;

private:
    std::unordered_map<std::string, std::vector<std::string>> bound_;
    std::vector<std::string> declared_;
};

// An element's name with its namespace resolved.
struct ElementName {
    enum class Space {
        Svg,    // SVG's own, or in no namespace where none is declared (as most readers take it)
        Editor, // Inkscape's and Sodipodi's settings: nothing drawn
        Other,
    };
    Space space = Space::Svg;
    std::string_view local;
};
ElementName elementName(std::string_view qualified, const Namespaces& namespaces);

// An element's attributes by the names the reader asks for: "fill", "inkscape:label",
// "sodipodi:insensitive", "xml:space", whatever prefix the file bound those namespaces to.
// Attributes of other namespaces and namespace declarations are left out.
class Attributes {
public:
    void take(const std::vector<XmlAttribute>& attributes, const Namespaces& namespaces);
    std::optional<std::string_view> get(std::string_view key) const;
    const std::vector<std::pair<std::string, std::string_view>>& all() const { return list_; }

private:
    std::vector<std::pair<std::string, std::string_view>> list_;
};

} // namespace host::render::svg
