#include "AppContext.h"

AppContext::AppContext(SPPluginRef pluginRef)
{
    if (sAIAppContext != nullptr && sAIAppContext->PushAppContext(pluginRef, &fAppContext) != kNoErr)
        fAppContext = nullptr;
}

AppContext::~AppContext()
{
    if (fAppContext != nullptr && sAIAppContext != nullptr)
        sAIAppContext->PopAppContext(fAppContext);
}
