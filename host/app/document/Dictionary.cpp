#include "Dictionary.h"

#include "Unicode.h"

#include <cmath>

namespace host::doc {

namespace {

size_t textBytes(const DictionaryValue& value)
{
    const DictionaryText* text = std::get_if<DictionaryText>(&value);
    return text != nullptr && *text != nullptr ? (*text)->size() : 0;
}

bool withoutNul(std::string_view text)
{
    return text.find('\0') == std::string_view::npos;
}

const Dictionary::Entries kNoEntries;

} // namespace

bool sameValue(const DictionaryValue& a, const DictionaryValue& b)
{
    if (a.index() != b.index())
        return false;
    if (const DictionaryText* text = std::get_if<DictionaryText>(&a)) {
        const DictionaryText& other = std::get<DictionaryText>(b);
        return *text == other || (*text != nullptr && other != nullptr && **text == *other);
    }
    if (const double* real = std::get_if<double>(&a))
        // A real is the same only bit for bit: 0 and -0 are two values to the plug-in.
        return *real == std::get<double>(b) && std::signbit(*real) == std::signbit(std::get<double>(b));
    return a == b;
}

bool Dictionary::validKey(std::string_view key)
{
    return !key.empty() && key.size() <= kMostKeyBytes && withoutNul(key) && isUtf8(key);
}

bool Dictionary::validText(std::string_view text)
{
    return text.size() <= kMostTextBytes && withoutNul(text) && isUtf8(text);
}

bool Dictionary::validValue(const DictionaryValue& value)
{
    if (const double* real = std::get_if<double>(&value))
        return std::isfinite(*real);
    if (const DictionaryText* text = std::get_if<DictionaryText>(&value))
        return *text != nullptr && validText(**text);
    return true;
}

size_t Dictionary::memoryBytes() const
{
    if (!entries_)
        return 0;
    // A tree node: its links and colour, the key and the value.
    constexpr size_t kNode = 4 * sizeof(void*) + sizeof(Entries::value_type);
    size_t total = sizeof(Entries) + entries_->size() * kNode;
    for (const auto& [key, value] : *entries_)
        total += key.capacity() + textBytes(value);
    return total;
}

const DictionaryValue* Dictionary::find(std::string_view key) const
{
    if (!entries_)
        return nullptr;
    auto it = entries_->find(key);
    return it == entries_->end() ? nullptr : &it->second;
}

const Dictionary::Entries& Dictionary::entries() const
{
    return entries_ ? *entries_ : kNoEntries;
}

bool Dictionary::fits(std::string_view key, const DictionaryValue& value) const
{
    if (!validKey(key) || !validValue(value))
        return false;
    const DictionaryValue* held = find(key);
    const size_t count = size() + (held == nullptr ? 1 : 0);
    const size_t bytes = bytes_ - (held != nullptr ? key.size() + textBytes(*held) : 0) + key.size() + textBytes(value);
    return count <= kMostEntries && bytes <= kMostBytes;
}

bool Dictionary::set(std::string_view key, DictionaryValue value)
{
    if (!fits(key, value))
        return false;
    Entries& entries = own();
    auto it = entries.find(key);
    if (it == entries.end()) {
        bytes_ += key.size() + textBytes(value);
        entries.emplace(std::string(key), std::move(value));
    } else {
        bytes_ = bytes_ - textBytes(it->second) + textBytes(value);
        it->second = std::move(value);
    }
    return true;
}

bool Dictionary::erase(std::string_view key)
{
    const DictionaryValue* held = find(key);
    if (held == nullptr)
        return false;
    bytes_ -= key.size() + textBytes(*held);
    Entries& entries = own();
    entries.erase(entries.find(key));
    if (entries.empty())
        entries_.reset();
    return true;
}

Dictionary::Entries& Dictionary::own()
{
    if (!entries_)
        entries_ = std::make_shared<Entries>();
    else if (entries_.use_count() > 1)
        entries_ = std::make_shared<Entries>(*entries_);
    return *entries_;
}

bool operator==(const Dictionary& a, const Dictionary& b)
{
    if (a.entries_ == b.entries_)
        return true;
    if (a.size() != b.size())
        return false;
    auto j = b.entries().begin();
    for (const auto& [key, value] : a.entries()) {
        if (key != j->first || !sameValue(value, j->second))
            return false;
        ++j;
    }
    return true;
}

} // namespace host::doc
