/* The fonts the host offers, in a stable order. */
#ifndef SDK_AIFONT_H
#define SDK_AIFONT_H

#include "ASTypes.h"
#include "ATESuites.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion 1005

typedef struct AIFontSuite {
    ASErr (*CountFonts)(ai_int32* count);
    /* The font at an index of the user's font list. kBadParameterErr outside 0 to count - 1. */
    ASErr (*IndexUserFontList)(ai_int32 index, AIFontKey* key);
    /* A font by the host's own number for it, apart from the list's order: number 0 is the
     * host's default font. kNameNotFoundErr when there is no such font. */
    ASErr (*GetFontKeyByNumber)(ai_int32 number, AIFontKey* key);
    /* UTF-8, cut to `length` bytes with the terminator. */
    ASErr (*GetFontName)(AIFontKey key, char* name, ai_int16 length);
    /* The text engine's font for the key. The reference is the caller's: give it back with
     * the font suite's Release. */
    ASErr (*FontFromFontKey)(AIFontKey key, FontRef* font);
} AIFontSuite;

#ifdef __cplusplus
}
#endif

#endif
