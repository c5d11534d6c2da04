// AI Notifier: subscriptions, delivered by Notifiers.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AINotifier.h"

namespace host {

namespace {

ASErr AddNotifier(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier)
{
    if (ASErr error = injected(kAINotifierSuite, "AddNotifier"))
        return error;
    return Host::get().notifiers().add(self, name, type, notifier);
}

ASErr SetNotifierActive(AINotifierHandle notifier, ASBoolean active)
{
    if (ASErr error = injected(kAINotifierSuite, "SetNotifierActive"))
        return error;
    return Host::get().notifiers().setActive(notifier, active != 0);
}

ASErr IsNotifierActive(AINotifierHandle notifier, ASBoolean* active)
{
    return Host::get().notifiers().isActive(notifier, active);
}

const AINotifierSuite kNotifier = {AddNotifier, SetNotifierActive, IsNotifierActive};

} // namespace

void installNotifierSuite(SuiteRegistry& registry)
{
    registry.add(kAINotifierSuite, kAINotifierSuiteVersion, &kNotifier);
}

} // namespace host
