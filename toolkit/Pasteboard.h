// The general pasteboard: text a person copied, for any window to paste.
#pragma once

#include <optional>
#include <string>

namespace ns {

class Pasteboard {
public:
    static Pasteboard& general();
    std::optional<std::string> string() const { return text_; }
    void setString(std::string text) { text_ = std::move(text); }
    void clear() { text_.reset(); }

private:
    std::optional<std::string> text_;
};

} // namespace ns
