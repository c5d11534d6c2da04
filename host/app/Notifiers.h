// Notifier subscriptions and their delivery as "AI Notifier"/"AI Notify" messages.
#pragma once

#include "HandleTable.h"
#include "sdk/AINotifier.h"

#include <string>
#include <vector>

namespace host {

class PluginManager;

class Notifiers {
public:
    explicit Notifiers(PluginManager& plugins) : plugins_(plugins) {}

    ASErr add(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier);
    ASErr setActive(AINotifierHandle notifier, bool active);
    ASErr isActive(AINotifierHandle notifier, ASBoolean* active) const;

    // Sends the notification to every active subscriber of `type`, in the order they
    // subscribed. Returns how many were told.
    int deliver(const std::string& type, void* data = nullptr);

    int count(const std::string& type) const;

private:
    struct Notifier {
        SPPluginRef plugin;
        std::string name;
        std::string type;
        bool active = true;
    };
    PluginManager& plugins_;
    HandleTable<AINotifierHandle, Notifier> notifiers_;
    std::vector<AINotifierHandle> order_;
};

} // namespace host
