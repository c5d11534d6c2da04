// Failures made to order, so that tests can reach the plug-in's error paths.
#pragma once

#include "sdk/ASTypes.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace host {

class FaultInjector {
public:
    // Every later call of `operation` of `suite` answers `code` without doing anything,
    // until cleared. A code of 0 clears it.
    void failOperation(const std::string& suite, const std::string& operation, ASErr code);
    void clear();

    // The code a suite operation must answer instead of working, or 0 to go ahead. Asked at
    // every suite call, and nearly always with nothing to fail: that answer is inline.
    ASErr check(std::string_view suite, std::string_view operation) const
    {
        return failures_.empty() ? kNoErr : find(suite, operation);
    }

private:
    ASErr find(std::string_view suite, std::string_view operation) const;

    std::map<std::pair<std::string, std::string>, ASErr, std::less<>> failures_;
};

} // namespace host
