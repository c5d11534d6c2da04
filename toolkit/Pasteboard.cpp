#include "Pasteboard.h"

namespace ns {

Pasteboard& Pasteboard::general()
{
    static Pasteboard pasteboard;
    return pasteboard;
}

std::optional<std::string> Pasteboard::string() const
{
    if (system_.read)
        return system_.read();
    return held_;
}

void Pasteboard::setString(std::string text)
{
    ++changes_;
    if (system_.write)
        system_.write(text);
    else
        held_ = std::move(text);
}

void Pasteboard::clear()
{
    ++changes_;
    if (system_.write)
        system_.write({});
    held_.reset();
}

void Pasteboard::useSystemClipboard(SystemClipboard clipboard)
{
    system_ = std::move(clipboard);
    held_.reset();
    ++changes_;
}

} // namespace ns
