// The suites the framework itself uses, acquired before the plug-in's own.
#include "SuiteTables.h"

const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIAppContextSuite* sAIAppContext = nullptr;
const AIUserSuite* sAIUser = nullptr;
const AIFilePathSuite* sAIFilePath = nullptr;
const AIFoldersSuite* sAIFolders = nullptr;

ImportSuite gBasicSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, Slot(sSPAccess)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, Slot(sSPPlugins)},
    {kAINotifierSuite, kAINotifierSuiteVersion, Slot(sAINotifier)},
    {kAIAppContextSuite, kAIAppContextSuiteVersion, Slot(sAIAppContext)},
    {kAIUserSuite, kAIUserSuiteVersion, Slot(sAIUser)},
    {kAIFilePathSuite, kAIFilePathSuiteVersion, Slot(sAIFilePath)},
    {kAIFoldersSuite, kAIFoldersSuiteVersion, Slot(sAIFolders)},
    {nullptr, 0, nullptr},
};

ImportSuite gOptionalSuites[] = {
    {nullptr, 0, nullptr},
};
