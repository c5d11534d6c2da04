#include "SvgSkips.h"

namespace host::render::svg {

namespace {

// A name from the file as a message shows it: cut to a length a person reads.
std::string shown(std::string_view name)
{
    return name.size() <= 40 ? std::string(name) : std::string(name.substr(0, 40)) + "...";
}

std::string filled(std::string_view words, const std::string& name)
{
    std::string out(words);
    if (const size_t at = out.find("{}"); at != std::string::npos)
        out.replace(at, 2, name);
    return out;
}

} // namespace

void Skips::add(const std::string& key, const SkipKind& kind, std::string_view name, int line)
{
    auto [it, fresh] = index_.try_emplace(key, tallies_.size());
    if (fresh) {
        const std::string shownName = shown(name);
        tallies_.push_back({filled(kind.one, shownName), filled(kind.many, shownName), std::string(kind.doneOne),
                            std::string(kind.doneMany), std::string(kind.why), 0, line});
    }
    ++tallies_[it->second].count;
}

void Skips::note(std::string_view key, const SkipKind& kind, int line)
{
    add(std::string(key), kind, {}, line);
}

void Skips::noteNamed(std::string_view key, std::string_view name, const SkipKind& words, const SkipKind& others,
                      int line)
{
    std::string named = std::string(key) + ":" + std::string(name);
    if (index_.contains(named)) {
        add(named, words, name, line);
        return;
    }
    if (named_ >= kMostNamedKinds) {
        add(std::string(key) + " others", others, {}, line);
        return;
    }
    ++named_;
    add(named, words, name, line);
}

std::vector<std::string> Skips::sentences() const
{
    std::vector<std::string> out;
    out.reserve(tallies_.size());
    for (const Tally& t : tallies_) {
        if (t.count == 1)
            out.push_back(t.one + " at line " + std::to_string(t.line) + " is " + t.doneOne + ": " + t.why);
        else
            out.push_back(std::to_string(t.count) + " " + t.many + " are " + t.doneMany + " (the first at line " +
                          std::to_string(t.line) + "): " + t.why);
    }
    return out;
}

} // namespace host::render::svg
