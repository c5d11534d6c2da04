// Storage for any message record the host sends. It is zeroed and large enough for every
// caller's record, so a plug-in that reads a field its caller does not fill finds null.
#pragma once

#include "sdk/AINotifier.h"
#include "sdk/SPMessage.h"

namespace host {

union AnyMessage {
    SPMessageData d;
    AINotifierMessage notifier;
    SPPropertiesMessage properties;
    unsigned char room[512];
};

inline AnyMessage blankMessage()
{
    AnyMessage message;
    for (auto& byte : message.room)
        byte = 0;
    return message;
}

} // namespace host
