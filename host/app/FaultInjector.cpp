#include "FaultInjector.h"

namespace host {

void FaultInjector::failOperation(const std::string& suite, const std::string& operation, ASErr code)
{
    if (code == kNoErr)
        failures_.erase({suite, operation});
    else
        failures_[{suite, operation}] = code;
}

void FaultInjector::clear()
{
    failures_.clear();
}

ASErr FaultInjector::find(std::string_view suite, std::string_view operation) const
{
    auto it = failures_.find(std::pair<std::string, std::string>(suite, operation));
    return it == failures_.end() ? kNoErr : it->second;
}

} // namespace host
