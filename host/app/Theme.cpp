#include "Theme.h"

namespace host {

namespace {

// Element 1 is the panels'; kinds: 0 the panel's face, 1 label text, 2 a disabled label,
// 3 text in a field, 4 a field's background. Light, then dark.
struct Entry {
    ai_int32 element, kind;
    AIUIThemeColor light, dark;
};
const Entry kColors[] = {
    {1, 0, {1, 0.93f, 0.93f, 0.93f}, {1, 0.20f, 0.20f, 0.20f}},
    {1, 1, {1, 0.0f, 0.0f, 0.0f}, {1, 0.86f, 0.86f, 0.86f}},
    {1, 2, {1, 0.55f, 0.55f, 0.55f}, {1, 0.50f, 0.50f, 0.50f}},
    {1, 3, {1, 0.0f, 0.0f, 0.0f}, {1, 0.95f, 0.95f, 0.95f}},
    {1, 4, {1, 1.0f, 1.0f, 1.0f}, {1, 0.27f, 0.27f, 0.27f}},
};

} // namespace

std::optional<AIUIThemeColor> Theme::color(ai_int32 element, ai_int32 kind) const
{
    for (const Entry& e : kColors)
        if (e.element == element && e.kind == kind)
            return dark_ ? e.dark : e.light;
    return std::nullopt;
}

} // namespace host
