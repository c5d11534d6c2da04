#include "Workspace.h"

namespace ns {

Workspace& Workspace::sharedWorkspace()
{
    static Workspace workspace;
    return workspace;
}

bool Workspace::openURL(const std::string& url)
{
    if (url.empty())
        return false;
    ++openedCount_;
    lastOpened_ = url;
    if (listener_)
        listener_(url);
    return true;
}

} // namespace ns
