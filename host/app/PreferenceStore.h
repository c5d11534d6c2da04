// The host's preference store: typed values under a prefix and a key, kept in one JSON file
// that other programs read too:
//
//     {"VaroTableau": {"Son": {"bool": true}, "NombreLignes": {"int": 3},
//                      "EpaisseurCadre": {"real": 4}, "Police": {"string": "DejaVu Sans"}}}
//
// The host's own keys live under the empty prefix. Every change is saved at once, whole or
// not at all. A file that cannot be read, parsed or understood is never written over: it is
// moved aside as FILE.corrupt and the store starts empty.
#pragma once

#include "sdk/ASTypes.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace host {

using PreferenceValue = std::variant<bool, ai_int32, double, std::string>;

// "bool", "int", "real" or "string": the kind's name in the file and in `print prefs`.
const char* preferenceKindName(const PreferenceValue& value);

class PreferenceStore {
public:
    using Warn = std::function<void(const std::string&)>;

    // A store in memory only: nothing is read or saved.
    PreferenceStore() = default;
    // Loads `file` (a missing file is an empty store). What goes wrong is told to `warn`, once.
    PreferenceStore(std::filesystem::path file, Warn warn);

    // Null when the key is missing.
    const PreferenceValue* find(std::string_view prefix, std::string_view key) const;
    // Stores the value and saves. False when it could not be saved (the value is kept for
    // this run all the same; the reason went to `warn`).
    bool put(std::string_view prefix, std::string_view key, PreferenceValue value);
    // False when there was no such key or the store could not be saved.
    bool remove(std::string_view prefix, std::string_view key);

    struct Entry {
        std::string prefix, key;
        const PreferenceValue* value;
    };
    // Every stored value, sorted by prefix, then key.
    std::vector<Entry> entries() const;

    const std::filesystem::path& file() const { return file_; }

    // The store's JSON text, as saved.
    std::string text() const;

private:
    void load();
    bool save();
    void moveAside(const std::string& reason);

    std::filesystem::path file_;
    Warn warn_;
    std::map<std::string, std::map<std::string, PreferenceValue, std::less<>>, std::less<>> values_;
    // False once the file could be neither read nor moved aside: it must not be written over.
    bool writable_ = true;
    // A failed save is told once, until a save succeeds again.
    bool saveFailureTold_ = false;
};

} // namespace host
