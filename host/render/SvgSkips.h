// What the SVG reader left out or changed, told once per kind with how many and the first
// line: "an image at line 12 is skipped: the host draws no images", "3 images are skipped
// (the first at line 12): the host draws no images".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace host::render::svg {

struct SkipKind {
    std::string_view one;      // "an image"
    std::string_view many;     // "images"
    std::string_view doneOne;  // "skipped"
    std::string_view doneMany; // "skipped"
    std::string_view why;      // "the host draws no images"
};

class Skips {
public:
    // One more of a kind; `key` tells kinds apart.
    void note(std::string_view key, const SkipKind& kind, int line);
    // One more of a kind that holds a name from the file (an element's, a font's): "{}" in
    // the words' `one` and `many` stands for it. Past kMostNamedKinds names in all, the rest
    // count under `others`, one kind for each `key`.
    void noteNamed(std::string_view key, std::string_view name, const SkipKind& words, const SkipKind& others, int line);

    std::vector<std::string> sentences() const;

    static constexpr size_t kMostNamedKinds = 32;

private:
    struct Tally {
        std::string one, many, doneOne, doneMany, why;
        size_t count = 0;
        int line = 0;
    };
    void add(const std::string& key, const SkipKind& kind, std::string_view name, int line);

    std::vector<Tally> tallies_;
    std::unordered_map<std::string, size_t> index_;
    size_t named_ = 0;
};

} // namespace host::render::svg
