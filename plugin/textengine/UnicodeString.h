// Text as the host's text engine takes it: UTF-16, ended by a 0 unit.
#pragma once

#include "sdk/ASTypes.h"

#include <string>
#include <string_view>

namespace ai {

class UnicodeString {
public:
    // From UTF-8. Characters outside the basic plane become surrogate pairs; a byte sequence
    // that is not UTF-8 becomes U+FFFD, so that no text is lost silently or cut short.
    explicit UnicodeString(std::string_view utf8);
    // From UTF-16 as the engine gives it; a surrogate without its pair becomes U+FFFD.
    explicit UnicodeString(std::u16string units);

    // The text in UTF-8.
    std::string as_UTF8() const;

    const std::u16string& utf16() const { return units_; }
    // Ended by a 0 unit, valid while the string lives.
    const ASUnicode* data() const { return reinterpret_cast<const ASUnicode*>(units_.c_str()); }
    // Characters (code points).
    size_t length() const { return characters_; }

private:
    std::u16string units_;
    size_t characters_ = 0;
};

} // namespace ai
