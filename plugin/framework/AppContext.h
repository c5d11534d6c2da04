// Keeps the host's application context pushed for as long as the object lives.
#pragma once

#include "SuiteTables.h"

class AppContext {
public:
    explicit AppContext(SPPluginRef pluginRef);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

private:
    AIAppContextHandle fAppContext = nullptr;
};
