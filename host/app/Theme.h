// The host interface's theme: dark or light, and the colour of each (element, kind) pair the
// plug-ins ask for.
#pragma once

#include "sdk/AIUITheme.h"

#include <optional>

namespace host {

class Theme {
public:
    bool dark() const { return dark_; }
    void setDark(bool dark) { dark_ = dark; }
    // Nothing for a pair the theme does not have.
    std::optional<AIUIThemeColor> color(ai_int32 element, ai_int32 kind) const;

private:
    bool dark_ = false;
};

} // namespace host
