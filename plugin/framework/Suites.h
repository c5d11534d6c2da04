// The host suites a plug-in holds while it runs. Creating a Suites object acquires every
// suite of the basic and import tables into its global pointer; destroying it releases them.
#pragma once

#include "SuiteTables.h"

class Suites {
public:
    Suites();
    ~Suites();
    Suites(const Suites&) = delete;
    Suites& operator=(const Suites&) = delete;

    // The first acquisition error, 0 when every suite is held.
    ASErr Error() const { return fError; }
    // Acquires the optional suites not yet held. The plug-in has none, so this is 0.
    ASErr AcquireOptionalSuites();
    // Marks the tables held by the current object (startup step 2 sets it to 1).
    static void SetAcquiredCount(ai_int32 count) { fAcquiredCount = count; }
    static ai_int32 AcquiredCount() { return fAcquiredCount; }

private:
    ASErr InitializeRequiredSuites();
    ASErr ReleaseAll();

    ASErr fError = kNoErr;
    ai_int16 fOptionalSuitesTotalCount = 0;
    ai_int16 fRequiredSuitesCount = 0;
    ai_int16 fOptionalSuitesAcquiredCount = 0;

    // Shared by the whole plug-in: only the first holder acquires, the last one releases.
    static ai_int32 fAcquiredCount;
};
