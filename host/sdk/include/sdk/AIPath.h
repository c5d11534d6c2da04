/* Path art: segments and the closed flag. */
#ifndef SDK_AIPATH_H
#define SDK_AIPATH_H

#include "ASTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 1010

/* An anchor with its two direction points; a corner anchor has in = out = p. */
typedef struct AIPathSegment {
    AIRealPoint p, in, out;
    ASBoolean corner;
} AIPathSegment;

typedef struct AIPathSuite {
    ASErr (*GetPathSegmentCount)(AIArtHandle path, ai_int16* count);
    /* Grows or shrinks the path; new segments are at (0, 0). kBadParameterErr for a negative
     * count. */
    ASErr (*SetPathSegmentCount)(AIArtHandle path, ai_int16 count);
    /* kBadParameterErr when segNumber + count passes the path's count. */
    ASErr (*GetPathSegments)(AIArtHandle path, ai_int16 segNumber, ai_int16 count, AIPathSegment* segments);
    ASErr (*SetPathSegments)(AIArtHandle path, ai_int16 segNumber, ai_int16 count, const AIPathSegment* segments);
    ASErr (*GetPathClosed)(AIArtHandle path, ASBoolean* closed);
    ASErr (*SetPathClosed)(AIArtHandle path, ASBoolean closed);
    /* Whether the centre point shows when the path is selected. */
    ASErr (*SetPathCenterPointVisible)(AIArtHandle path, ASBoolean visible);
} AIPathSuite;

#ifdef __cplusplus
}
#endif

#endif
