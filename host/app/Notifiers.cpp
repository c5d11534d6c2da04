#include "Notifiers.h"

#include "Messages.h"
#include "PluginManager.h"

namespace host {

ASErr Notifiers::add(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier)
{
    if (name == nullptr || type == nullptr || notifier == nullptr)
        return kBadParameterErr;
    if (plugins_.find(plugin) == nullptr)
        return kBadHandleErr;
    *notifier = notifiers_.add(Notifier{plugin, name, type});
    order_.push_back(*notifier);
    return kNoErr;
}

ASErr Notifiers::setActive(AINotifierHandle notifier, bool active)
{
    Notifier* found = notifiers_.find(notifier);
    if (found == nullptr)
        return kBadHandleErr;
    found->active = active;
    return kNoErr;
}

ASErr Notifiers::isActive(AINotifierHandle notifier, ASBoolean* active) const
{
    const Notifier* found = notifiers_.find(notifier);
    if (found == nullptr || active == nullptr)
        return found == nullptr ? kBadHandleErr : kBadParameterErr;
    *active = found->active;
    return kNoErr;
}

int Notifiers::deliver(const std::string& type, void* data)
{
    int told = 0;
    // A plug-in may subscribe while it is being told: only those there now are told.
    const std::vector<AINotifierHandle> subscribers = order_;
    for (AINotifierHandle handle : subscribers) {
        const Notifier* notifier = notifiers_.find(handle);
        if (notifier == nullptr || !notifier->active || notifier->type != type)
            continue;
        PluginRecord* plugin = plugins_.find(notifier->plugin);
        if (plugin == nullptr || !plugin->started)
            continue;
        AnyMessage message = blankMessage();
        message.notifier.notifier = handle;
        message.notifier.type = notifier->type.c_str();
        message.notifier.notifyData = data;
        plugins_.send(*plugin, kCallerAINotify, kSelectorAINotify, message.d, "\"" + type + "\"");
        ++told;
    }
    return told;
}

int Notifiers::count(const std::string& type) const
{
    int n = 0;
    for (AINotifierHandle handle : order_)
        if (const Notifier* notifier = notifiers_.find(handle); notifier && notifier->type == type)
            ++n;
    return n;
}

} // namespace host
