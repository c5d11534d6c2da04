// The host's preference store: typed values under a prefix and a key, kept in one JSON file
// that other programs read too:
//
//     {"VaroTableau": {"Son": {"bool": true}, "NombreLignes": {"int": 3},
//                      "EpaisseurCadre": {"real": 4}, "Police": {"string": "DejaVu Sans"}}}
//
// The host's own keys live under the empty prefix. Every change is saved at once, whole or
// not at all; the changes made within one batch (one host message, one user action) are
// saved once, when it ends. A file that cannot be parsed or understood, or that is far larger
// than any store, is never written over: it is moved aside as FILE.corrupt and the store
// starts empty. A file that cannot be read, or a folder where the file should be, is left
// as it is: the store starts empty and saves nothing for the run.
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
    // this run all the same; the reason went to `warn`). Within a batch the save waits for
    // its end, and the answer is whether the store could be saved the last time it tried.
    bool put(std::string_view prefix, std::string_view key, PreferenceValue value);
    // False when there was no such key or the store could not be saved.
    bool remove(std::string_view prefix, std::string_view key);

    // While one is alive (they nest), changes are saved once, when the outermost ends.
    class Batch {
    public:
        explicit Batch(PreferenceStore& store) : store_(&store) { ++store_->batches_; }
        ~Batch() { store_->endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PreferenceStore* store_;
    };
    Batch batch() { return Batch(*this); }

    struct Entry {
        std::string prefix, key;
        const PreferenceValue* value;
    };
    // Every stored value, sorted by prefix, then key.
    std::vector<Entry> entries() const;

    const std::filesystem::path& file() const { return file_; }

    // The store's JSON text, as saved.
    std::string text() const;

    // The most bytes a store file may have to be read: no store of preferences comes near.
    static constexpr std::uintmax_t kLargestFile = 8 * 1024 * 1024;

private:
    void load();
    bool changed();
    bool save();
    void endBatch();
    void moveAside(const std::string& reason);
    void leaveAlone(const std::string& reason);
    void removeLeftovers() const;

    std::filesystem::path file_;
    Warn warn_;
    std::map<std::string, std::map<std::string, PreferenceValue, std::less<>>, std::less<>> values_;
    // False once the file could be neither read nor moved aside: it must not be written over.
    bool writable_ = true;
    // A failed save is told once, until a save succeeds again.
    bool saveFailureTold_ = false;
    int batches_ = 0;
    bool unsaved_ = false; // changed within the batches, not yet saved
};

} // namespace host
