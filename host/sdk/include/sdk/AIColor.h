/* Colours as art holds them. A gray is an amount of ink: 0 white, 1 black. */
#ifndef SDK_AICOLOR_H
#define SDK_AICOLOR_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef ai_int32 AIColorTag;
enum {
    kGrayColor = 0,
    kFourColor = 1,  /* cyan, magenta, yellow, black */
    kPattern = 2,
    kCustomColor = 3,
    kGradient = 4,
    kThreeColor = 5, /* red, green, blue */
    kNoneColor = 6
};

typedef struct AIGrayColorStyle {
    AIReal gray;
} AIGrayColorStyle;

typedef struct AIFourColorStyle {
    AIReal cyan, magenta, yellow, black;
} AIFourColorStyle;

typedef struct AIThreeColorStyle {
    AIReal red, green, blue;
} AIThreeColorStyle;

typedef union AIColorUnion {
    AIGrayColorStyle g;
    AIFourColorStyle f;
    AIThreeColorStyle rgb;
} AIColorUnion;

/* Every component lies in 0 to 1. */
typedef struct AIColor {
    AIColorTag kind;
    AIColorUnion c;
} AIColor;

#ifdef __cplusplus
}
#endif

#endif
