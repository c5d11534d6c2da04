#include "Suites.h"

#include <initializer_list>

ai_int32 Suites::fAcquiredCount = 0;

namespace {

ai_int16 CountEntries(const ImportSuite* table)
{
    ai_int16 count = 0;
    while (table[count].name != nullptr)
        ++count;
    return count;
}

ASErr AcquireTable(ImportSuite* table)
{
    for (ImportSuite* entry = table; entry->name != nullptr; ++entry) {
        if (*entry->suite != nullptr)
            continue;
        if (ASErr error = sSPBasic->AcquireSuite(entry->name, entry->version, entry->suite)) {
            *entry->suite = nullptr;
            return error;
        }
    }
    return kNoErr;
}

// Releases every suite of the table that is held, and only those: after a failed
// acquisition part of the table was never had. The first error is the answer, but the
// rest is released all the same so that no reference is left behind.
ASErr ReleaseTable(ImportSuite* table)
{
    ASErr first = kNoErr;
    for (ImportSuite* entry = table; entry->name != nullptr; ++entry) {
        if (*entry->suite == nullptr)
            continue;
        ASErr error = sSPBasic->ReleaseSuite(entry->name, entry->version);
        *entry->suite = nullptr;
        if (first == kNoErr)
            first = error;
    }
    return first;
}

} // namespace

Suites::Suites()
{
    fRequiredSuitesCount = static_cast<ai_int16>(CountEntries(gBasicSuites) + CountEntries(gImportSuites));
    fOptionalSuitesTotalCount = CountEntries(gOptionalSuites);
    fError = InitializeRequiredSuites();
}

Suites::~Suites()
{
    // A failed acquisition never counted; what it did get is released at once.
    if (fError != kNoErr) {
        ReleaseAll();
        return;
    }
    if (fAcquiredCount > 0 && --fAcquiredCount == 0)
        ReleaseAll();
}

ASErr Suites::InitializeRequiredSuites()
{
    if (fAcquiredCount != 0)
        return kNoErr;
    if (sSPBasic == nullptr)
        return kSPBadParameterError;
    if (ASErr error = AcquireTable(gBasicSuites))
        return error;
    return AcquireTable(gImportSuites);
}

ASErr Suites::AcquireOptionalSuites()
{
    if (fOptionalSuitesAcquiredCount == fOptionalSuitesTotalCount)
        return kNoErr;
    for (ImportSuite* entry = gOptionalSuites; entry->name != nullptr; ++entry)
        if (*entry->suite == nullptr &&
            sSPBasic->AcquireSuite(entry->name, entry->version, entry->suite) == kNoErr)
            ++fOptionalSuitesAcquiredCount;
    return kNoErr;
}

ASErr Suites::ReleaseAll()
{
    if (sSPBasic == nullptr)
        return kNoErr;
    ASErr error = kNoErr;
    for (ImportSuite* table : {gBasicSuites, gImportSuites, gOptionalSuites})
        if (ASErr tableError = ReleaseTable(table); error == kNoErr)
            error = tableError;
    fOptionalSuitesAcquiredCount = 0;
    return error;
}
