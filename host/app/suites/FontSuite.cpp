// AI Font: the host's font list (doc::FontList, Host::fonts()).
//
// A font key is the font's index in the list plus one, so that no font has the null key.
// The host's own numbers for its fonts (GetFontKeyByNumber) start from the default font:
// number 0 is the default font, numbers 1 to count - 1 the others in the list's order.
// kBadHandleErr for a key that names no font of the list; kBadParameterErr for a null out
// pointer, an index outside the list, a name buffer that cannot hold even its terminator.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIFont.h"

namespace host {

namespace {

doc::FontList& fonts()
{
    return Host::get().fonts();
}

AIFontKey keyOf(int index)
{
    return reinterpret_cast<AIFontKey>(static_cast<uintptr_t>(index) + 1);
}

// The list index of a key, or -1 for a key that names no font.
int indexOf(AIFontKey key)
{
    const auto value = reinterpret_cast<uintptr_t>(key);
    if (value == 0 || value > static_cast<uintptr_t>(fonts().size()))
        return -1;
    return static_cast<int>(value - 1);
}

ASErr CountFonts(ai_int32* count)
{
    if (ASErr error = injected(kAIFontSuite, "CountFonts"))
        return error;
    if (count == nullptr)
        return kBadParameterErr;
    *count = fonts().size();
    return kNoErr;
}

ASErr IndexUserFontList(ai_int32 index, AIFontKey* key)
{
    if (ASErr error = injected(kAIFontSuite, "IndexUserFontList"))
        return error;
    if (key == nullptr || index < 0 || index >= fonts().size())
        return kBadParameterErr;
    *key = keyOf(index);
    return kNoErr;
}

ASErr GetFontKeyByNumber(ai_int32 number, AIFontKey* key)
{
    if (ASErr error = injected(kAIFontSuite, "GetFontKeyByNumber"))
        return error;
    if (key == nullptr)
        return kBadParameterErr;
    *key = nullptr;
    const int defaultIndex = fonts().defaultIndex();
    if (defaultIndex < 0 || number < 0 || number >= fonts().size())
        return kNameNotFoundErr;
    // Number n > 0 is the n-th font of the list with the default one left out.
    const int index = number == 0 ? defaultIndex : (number <= defaultIndex ? number - 1 : number);
    *key = keyOf(index);
    return kNoErr;
}

ASErr GetFontName(AIFontKey key, char* name, ai_int16 length)
{
    if (ASErr error = injected(kAIFontSuite, "GetFontName"))
        return error;
    const int index = indexOf(key);
    if (index < 0)
        return kBadHandleErr;
    return copyCut(fonts().name(index), name, length) ? kNoErr : kBadParameterErr;
}

ASErr FontFromFontKey(AIFontKey key, FontRef* font)
{
    if (ASErr error = injected(kAIFontSuite, "FontFromFontKey"))
        return error;
    const int index = indexOf(key);
    if (index < 0)
        return kBadHandleErr;
    if (font == nullptr)
        return kBadParameterErr;
    doc::TextEngine::Object object;
    object.kind = doc::TextEngine::Kind::Font;
    object.font = index;
    *font = static_cast<FontRef>(Host::get().textEngine().make(object));
    return *font != nullptr ? kNoErr : kOutOfMemoryErr;
}

const AIFontSuite kFont = {CountFonts, IndexUserFontList, GetFontKeyByNumber, GetFontName, FontFromFontKey};

} // namespace

void installFontSuite(SuiteRegistry& registry)
{
    registry.add(kAIFontSuite, kAIFontSuiteVersion, &kFont);
}

} // namespace host
