// Errors that are part of the host's normal traffic and never reach the user.
#include "Plugin.h"

namespace {

// Ended by 0.
const ASErr kFilteredErrors[] = {
    AS_FOUR_CHAR('F', 'M', 'T', '?'), AS_FOUR_CHAR('R', 'F', 'S', 'E'), AS_FOUR_CHAR('A', 'F', 'T', 'R'),
    AS_FOUR_CHAR('V', 'A', 'L', 'D'), AS_FOUR_CHAR('M', 'O', 'O', 'T'), AS_FOUR_CHAR('T', 'R', 'S', 'H'),
    AS_FOUR_CHAR('C', 'H', 'E', 'K'), AS_FOUR_CHAR('C', 'H', 'I', 'T'), AS_FOUR_CHAR('T', 'L', 'T', 'K'),
    AS_FOUR_CHAR('p', 'F', 'l', 's'), AS_FOUR_CHAR('S', '!', 'F', 'd'), AS_FOUR_CHAR('!', 'A', 'c', 'q'),
    AS_FOUR_CHAR('d', 's', 'R', 'P'), AS_FOUR_CHAR('s', 'k', 'p', 'E'), AS_FOUR_CHAR('D', 'O', 'N', 'E'),
    AS_FOUR_CHAR('S', 'T', 'O', 'P'), 361, 0,
};

} // namespace

bool FilteredError(ASErr error)
{
    for (const ASErr* filtered = kFilteredErrors; *filtered != 0; ++filtered)
        if (*filtered == error)
            return true;
    return false;
}

void DefaultError(SPPluginRef, ASErr error)
{
    if (FilteredError(error) || sSPBasic == nullptr)
        return;
    // The alert would go through the User suite; no message text is registered for any
    // code, so nothing is shown, and a suite had for this call only is given back.
    if (sAIUser == nullptr) {
        const void* user = nullptr;
        if (sSPBasic->AcquireSuite(kAIUserSuite, kAIUserSuiteVersion, &user) == kNoErr)
            sSPBasic->ReleaseSuite(kAIUserSuite, kAIUserSuiteVersion);
    }
}
