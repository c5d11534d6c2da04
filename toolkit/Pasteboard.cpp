#include "Pasteboard.h"

namespace ns {

Pasteboard& Pasteboard::general()
{
    static Pasteboard pasteboard;
    return pasteboard;
}

} // namespace ns
