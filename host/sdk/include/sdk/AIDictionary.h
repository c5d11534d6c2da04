/* Dictionaries: named values a plug-in keeps on art. They belong to the art: undo and redo put
 * them back with its other state, saving writes them with it and opening reads them back, and
 * disposing of the art takes them away. */
#ifndef SDK_AIDICTIONARY_H
#define SDK_AIDICTIONARY_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDictionarySuite "AI Dictionary Suite"
#define kAIDictionarySuiteVersion 1008

typedef struct _t_AIDictionary* AIDictionaryRef;

/* What an entry holds. */
typedef ai_int16 AIEntryType;
enum {
    kNoEntryType = 0, /* no entry of that key */
    kIntegerEntryType = 1,
    kBooleanEntryType = 2,
    kRealEntryType = 3, /* a double */
    kStringEntryType = 4 /* UTF-8 text */
};

typedef struct AIDictionarySuite {
    /* The art's dictionary, made empty when the art has none yet. Each call gives a new
     * reference, the caller's until Release; it stays usable while the art is live, and every
     * operation on it answers kBadHandleErr once the art is gone (and again works when an undo
     * brings the art back). kBadHandleErr for art that is not live, kBadParameterErr for a null
     * argument. Asking for the dictionary changes nothing. */
    ASErr (*GetArtDictionary)(AIArtHandle art, AIDictionaryRef* dictionary);
    /* Nonzero when the art is live and its dictionary holds at least one entry. */
    ASBoolean (*HasArtDictionary)(AIArtHandle art);
    ASErr (*AddRef)(AIDictionaryRef dictionary);
    /* kBadParameterErr for a reference already released as many times as it was taken (or
     * never given out). */
    ASErr (*Release)(AIDictionaryRef dictionary);

    ASErr (*CountEntries)(AIDictionaryRef dictionary, ai_int32* count);
    /* kNoEntryType for a key the dictionary does not hold. */
    ASErr (*GetEntryType)(AIDictionaryRef dictionary, const char* key, AIEntryType* type);
    /* kNoSuchKeyErr for a key it does not hold. */
    ASErr (*DeleteEntry)(AIDictionaryRef dictionary, const char* key);

    /* Every operation checks the reference first (kBadHandleErr), then its other arguments.
     * Every Get answers kNoSuchKeyErr for a key it does not hold and kBadParameterErr for an
     * entry of another type, the value then untouched. Every Set replaces the entry, whatever
     * it held; keys are non-empty UTF-8 of at most 255 bytes (kBadParameterErr otherwise). A
     * dictionary holds at most 200,000 entries and 8 MiB of keys and texts: a Set that would
     * take it past either is refused with kBadParameterErr. A Set of the value the entry holds
     * already changes nothing (the document is not modified). A refused call changes nothing. */
    ASErr (*GetIntegerEntry)(AIDictionaryRef dictionary, const char* key, ai_int32* value);
    ASErr (*SetIntegerEntry)(AIDictionaryRef dictionary, const char* key, ai_int32 value);
    ASErr (*GetBooleanEntry)(AIDictionaryRef dictionary, const char* key, ASBoolean* value);
    ASErr (*SetBooleanEntry)(AIDictionaryRef dictionary, const char* key, ASBoolean value);
    ASErr (*GetRealEntry)(AIDictionaryRef dictionary, const char* key, AIDouble* value);
    /* kBadParameterErr for a value that is not finite. */
    ASErr (*SetRealEntry)(AIDictionaryRef dictionary, const char* key, AIDouble value);
    /* *value stays the host's, valid until the entry changes or the art goes. */
    ASErr (*GetStringEntry)(AIDictionaryRef dictionary, const char* key, const char** value);
    /* The host copies the text. kBadParameterErr for a null text, text that is not UTF-8, or
     * text longer than 1 MiB. */
    ASErr (*SetStringEntry)(AIDictionaryRef dictionary, const char* key, const char* value);
} AIDictionarySuite;

#ifdef __cplusplus
}
#endif

#endif
