// Suite tables: each entry names a host suite, its version and the global pointer that holds
// it while acquired. The framework owns the basic table; the plug-in supplies gImportSuites.
#pragma once

#include "sdk/AIContext.h"
#include "sdk/AIFilePath.h"
#include "sdk/AIFolders.h"
#include "sdk/AINotifier.h"
#include "sdk/AIUser.h"
#include "sdk/SPAccess.h"
#include "sdk/SPBasic.h"
#include "sdk/SPPlugins.h"

struct ImportSuite {
    const char* name;
    ai_int32 version;
    const void** suite;
};

// The entry's view of a typed suite pointer: the host fills it through the Basic suite.
template <typename Suite>
const void** Slot(const Suite*& pointer)
{
    return reinterpret_cast<const void**>(&pointer);
}

// The Basic suite of the message being handled, set on every entry.
extern SPBasicSuite* sSPBasic;

extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIAppContextSuite* sAIAppContext;
extern const AIUserSuite* sAIUser;
extern const AIFilePathSuite* sAIFilePath;
extern const AIFoldersSuite* sAIFolders;

// Seven entries, ended by a null name.
extern ImportSuite gBasicSuites[];
// The plug-in's own suites, ended by a null name; all of them are required.
extern ImportSuite gImportSuites[];
// Suites the plug-in can do without, ended by a null name; it has none.
extern ImportSuite gOptionalSuites[];
