#include "SvgDictionary.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <type_traits>
#include <utility>

namespace host::render {

namespace {

using Json = nlohmann::json;
using doc::Dictionary;
using doc::DictionaryValue;

// A text as a JSON string: quotes, backslashes and control characters escaped by the JSON
// writer, then the two characters XML cannot hold, which the XML writer would replace.
std::string jsonString(std::string_view text)
{
    std::string out = Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
    static constexpr std::string_view kNotXml[] = {"\xEF\xBF\xBE", "\xEF\xBF\xBF"};
    static constexpr std::string_view kEscapes[] = {"\\ufffe", "\\uffff"};
    for (size_t i = 0; i < 2; ++i)
        for (size_t at = out.find(kNotXml[i]); at != std::string::npos; at = out.find(kNotXml[i], at))
            out.replace(at, kNotXml[i].size(), kEscapes[i]);
    return out;
}

std::string jsonValue(const DictionaryValue& value)
{
    return std::visit(
        [](const auto& held) -> std::string {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, doc::DictionaryText>)
                return jsonString(held != nullptr ? std::string_view(*held) : std::string_view());
            else if constexpr (std::is_same_v<T, bool>)
                return held ? "true" : "false";
            else if constexpr (std::is_same_v<T, int32_t>)
                return std::to_string(held);
            else
                // The shortest digits that read back to the same double, with ".0" after a
                // whole number, so that it reads back as a real.
                return Json(held).dump();
        },
        value);
}

using Status = ReadDictionary::Status;

// The entries as the parser meets them, checked one by one; the first fault stops it.
class Reader final : public nlohmann::json_sax<Json> {
public:
    ReadDictionary result;

    bool null() override { return fault(Status::Damaged); }
    bool boolean(bool value) override { return entry(value); }
    bool number_integer(number_integer_t value) override
    {
        if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
            return fault(Status::Damaged);
        return entry(static_cast<int32_t>(value));
    }
    bool number_unsigned(number_unsigned_t value) override
    {
        if (value > static_cast<number_unsigned_t>(std::numeric_limits<int32_t>::max()))
            return fault(Status::Damaged);
        return entry(static_cast<int32_t>(value));
    }
    bool number_float(number_float_t value, const string_t& text) override
    {
        // A whole number too large for the parser's integers comes as a float: it is written
        // as an integer, and no integer of ours.
        if (text.find_first_of(".eE") == string_t::npos || !std::isfinite(value))
            return fault(Status::Damaged);
        return entry(static_cast<double>(value));
    }
    bool string(string_t& value) override
    {
        if (value.size() > Dictionary::kMostTextBytes)
            return fault(Status::TooLarge);
        if (!Dictionary::validText(value))
            return fault(Status::Damaged);
        return entry(std::make_shared<const std::string>(std::move(value)));
    }
    bool binary(binary_t&) override { return fault(Status::Damaged); }
    bool start_object(std::size_t) override
    {
        if (depth_++ != 0)
            return fault(Status::Damaged);
        return true;
    }
    bool key(string_t& key) override
    {
        if (key.size() > Dictionary::kMostKeyBytes)
            return fault(Status::TooLarge);
        if (!Dictionary::validKey(key) || result.dictionary.find(key) != nullptr)
            return fault(Status::Damaged);
        key_ = std::move(key);
        return true;
    }
    bool end_object() override
    {
        --depth_;
        return true;
    }
    bool start_array(std::size_t) override { return fault(Status::Damaged); }
    bool end_array() override { return fault(Status::Damaged); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override
    {
        return fault(Status::Damaged);
    }

private:
    bool entry(DictionaryValue value)
    {
        // A value alone is no object of entries.
        if (depth_ != 1)
            return fault(Status::Damaged);
        // The key and the value are valid: what does not fit is beyond the bounds.
        if (!result.dictionary.set(key_, std::move(value)))
            return fault(Status::TooLarge);
        return true;
    }

    bool fault(Status status)
    {
        if (result.status == Status::Read)
            result.status = status;
        return false;
    }

    int depth_ = 0;
    std::string key_;
};

} // namespace

std::string dictionaryJson(const doc::Dictionary& dictionary)
{
    std::string out = "{";
    for (const auto& [key, value] : dictionary.entries()) {
        if (out.size() > 1)
            out += ',';
        out += jsonString(key);
        out += ':';
        out += jsonValue(value);
    }
    out += '}';
    return out;
}

ReadDictionary dictionaryFromJson(std::string_view json)
{
    Reader reader;
    bool parsed = false;
    try {
        parsed = Json::sax_parse(json.begin(), json.end(), &reader);
    } catch (const Json::exception&) {
        parsed = false;
    }
    if (!parsed && reader.result.status == Status::Read)
        reader.result.status = Status::Damaged;
    if (reader.result.status != Status::Read)
        reader.result.dictionary = doc::Dictionary();
    return std::move(reader.result);
}

} // namespace host::render
