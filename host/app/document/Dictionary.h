// The named values a plug-in keeps on art: whole numbers (32 bits), true or false, reals (finite
// doubles) and UTF-8 texts, by key, in key order.
//
// The table the plug-in draws carries its settings in its group's dictionary, a few thousand
// entries, and the group is edited at every rebuild: the history keeps the art's former state
// each time. So the entries are shared between copies and copied only when one of them changes
// (the first change after a copy pays for it once), and a text is shared further still: what
// the suite hands out of it stays where it is while the entry holds it, whatever copies come
// and go.
//
// Bounded, so that whatever a dictionary holds can be saved and read back: keys of 1 to 255
// bytes, texts of at most 1 MiB, neither holding NUL (a plug-in passes them as C strings), at
// most 200,000 entries and 8 MiB of keys and texts in all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace host::doc {

using DictionaryText = std::shared_ptr<const std::string>;
// In the order of the entry kinds of the Dictionary suite: integer, boolean, real, string.
using DictionaryValue = std::variant<int32_t, bool, double, DictionaryText>;

// Whether two values are of one kind and equal (texts by their characters).
bool sameValue(const DictionaryValue& a, const DictionaryValue& b);

class Dictionary {
public:
    static constexpr size_t kMostEntries = 200'000;
    static constexpr size_t kMostKeyBytes = 255;
    static constexpr size_t kMostTextBytes = size_t{1} << 20;
    static constexpr size_t kMostBytes = size_t{8} << 20; // the keys and texts together

    using Entries = std::map<std::string, DictionaryValue, std::less<>>;

    // A key or a text the dictionary may hold: UTF-8 without NUL, a key 1 to kMostKeyBytes
    // long, a text at most kMostTextBytes long.
    static bool validKey(std::string_view key);
    static bool validText(std::string_view text);
    // A value it may hold, texts as above and reals finite.
    static bool validValue(const DictionaryValue& value);

    bool empty() const { return size() == 0; }
    size_t size() const { return entries_ ? entries_->size() : 0; }
    // The bytes of the keys and texts held (what kMostBytes bounds).
    size_t bytes() const { return bytes_; }
    // About what the entries take in memory, in bytes.
    size_t memoryBytes() const;
    // Null for a key it does not hold.
    const DictionaryValue* find(std::string_view key) const;
    const Entries& entries() const;

    // Whether setting the entry would keep the dictionary within its bounds (the key and the
    // value valid, the count and the bytes within theirs).
    bool fits(std::string_view key, const DictionaryValue& value) const;
    // Sets the entry, whatever it held; false, and nothing changed, when it does not fit.
    bool set(std::string_view key, DictionaryValue value);
    // False when it held no such key.
    bool erase(std::string_view key);

    friend bool operator==(const Dictionary& a, const Dictionary& b);

private:
    // The entries, copied first when another dictionary shares them.
    Entries& own();

    std::shared_ptr<Entries> entries_; // null while empty
    size_t bytes_ = 0;
};

} // namespace host::doc
