// The host's font list: the machine's font families through fontconfig, or exactly the
// names given on the command line. The order is stable from one run to the next.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host::doc {

class FontList {
public:
    // `names` given: exactly those, in that order, the default one `defaultName` when it is
    // one of them, else the first. Unset: the machine's families, sorted.
    explicit FontList(const std::optional<std::vector<std::string>>& names,
                      const std::optional<std::string>& defaultName = std::nullopt);

    int size() const { return static_cast<int>(names_.size()); }
    // The name at an index of the list; empty outside 0 to size() - 1.
    const std::string& name(int index) const;
    // The index of the host's default font (the one the Font suite's number 0 gives):
    // for the machine's list, fontconfig's match for "sans-serif" when it is in the list,
    // otherwise 0; for names given, the default name given or else the first of them
    // (fontconfig is not asked, so that a run with given names is the same on every
    // machine). -1 when the list is empty.
    int defaultIndex() const { return default_; }

private:
    std::vector<std::string> names_;
    int default_ = -1;
};

} // namespace host::doc
