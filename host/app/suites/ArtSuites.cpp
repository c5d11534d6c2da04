// AI Art, AI Path, AI Path Style, AI Transform Art and AI Real Math: the art tree of the
// document, the geometry and paint of its paths, and the matrices that move art.
//
// Results, as the real host gives them: kBadHandleErr for art that is null, disposed, never
// given out, or of the wrong kind for the operation (a path operation on a group);
// kBadParameterErr for a null out pointer, an index or count outside the path, a number
// that is not finite, a value outside its enumeration. The handle is checked before the
// other arguments. A refused call changes nothing.
//
// The art tree is walked as the real host walks it: a group's first child is its topmost
// art (the last painted), and an art's sibling is the next one down; the model keeps the
// children in paint order (Art::children), first painted first.
#include "InstallSuites.h"
#include "SuiteSupport.h"
#include "sdk/AIArt.h"
#include "sdk/AIPath.h"
#include "sdk/AIPathStyle.h"
#include "sdk/AIRealMath.h"
#include "sdk/AITransformArt.h"

#include <algorithm>
#include <limits>

namespace host {

namespace {

const doc::Art* pathArt(AIArtHandle handle)
{
    const doc::Art* art = document().art(handle);
    return art != nullptr && art->kind == doc::ArtKind::Path ? art : nullptr;
}

// AI Art.

ASErr NewArt(AIArtType type, AIPaintOrder paintOrder, AIArtHandle prep, AIArtHandle* newArt)
{
    if (ASErr error = injected(kAIArtSuite, "NewArt"))
        return error;
    if (newArt == nullptr)
        return kBadParameterErr;
    *newArt = nullptr;
    switch (type) {
    case kGroupArt:
        return document().newArt(doc::ArtKind::Group, paintOrder, prep, newArt);
    case kPathArt:
        return document().newArt(doc::ArtKind::Path, paintOrder, prep, newArt);
    default:
        // Point text needs an anchor and an orientation: the Text Frame suite makes it.
        return kBadParameterErr;
    }
}

ASErr DisposeArt(AIArtHandle art)
{
    if (ASErr error = injected(kAIArtSuite, "DisposeArt"))
        return error;
    return document().dispose(art);
}

// An injected failure makes every art look disposed: the plug-in's "table deleted" path.
ASBoolean ValidArt(AIArtHandle art, ASBoolean /*searchAllLayerLists: the host has one document*/)
{
    if (injected(kAIArtSuite, "ValidArt") != kNoErr)
        return false;
    return document().valid(art);
}

ASErr GetArtType(AIArtHandle art, AIArtType* type)
{
    if (ASErr error = injected(kAIArtSuite, "GetArtType"))
        return error;
    const doc::Art* found = document().art(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (type == nullptr)
        return kBadParameterErr;
    switch (found->kind) {
    case doc::ArtKind::LayerGroup:
    case doc::ArtKind::Group:
        *type = kGroupArt;
        break;
    case doc::ArtKind::Path:
        *type = kPathArt;
        break;
    case doc::ArtKind::Text:
        *type = kTextFrameArt;
        break;
    }
    return kNoErr;
}

ASErr GetArtParent(AIArtHandle art, AIArtHandle* parent)
{
    if (ASErr error = injected(kAIArtSuite, "GetArtParent"))
        return error;
    const doc::Art* found = document().art(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (parent == nullptr)
        return kBadParameterErr;
    *parent = found->parent;
    return kNoErr;
}

ASErr GetArtFirstChild(AIArtHandle art, AIArtHandle* child)
{
    if (ASErr error = injected(kAIArtSuite, "GetArtFirstChild"))
        return error;
    const doc::Art* found = document().art(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (child == nullptr)
        return kBadParameterErr;
    *child = found->children.empty() ? nullptr : found->children.back();
    return kNoErr;
}

ASErr GetArtSibling(AIArtHandle art, AIArtHandle* sibling)
{
    if (ASErr error = injected(kAIArtSuite, "GetArtSibling"))
        return error;
    // A walk down a group asks for each child's sibling in turn: the place of the last answer
    // is looked at first, so that the walk costs the same per child whatever the group's size.
    // Found there, the art is a live child of that group, and is not read itself: a walk over
    // ten thousand texts reads their group alone.
    static struct {
        AIArtHandle parent = nullptr;
        size_t index = 0;
    } last;
    const auto answer = [&](AIArtHandle parent, const std::vector<AIArtHandle>& siblings, size_t at) {
        *sibling = nullptr;
        if (at > 0 && at < siblings.size()) {
            *sibling = siblings[at - 1];
            last = {parent, at - 1};
        }
        return kNoErr;
    };
    if (const doc::Art* group = last.parent != nullptr ? document().art(last.parent) : nullptr;
        group != nullptr && sibling != nullptr && last.index < group->children.size() &&
        group->children[last.index] == art)
        return answer(last.parent, group->children, last.index);

    const doc::Art* found = document().art(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (sibling == nullptr)
        return kBadParameterErr;
    *sibling = nullptr;
    if (found->parent == nullptr)
        return kNoErr; // a layer's group: the layers are walked through the Layer suite
    const auto& siblings = document().art(found->parent)->children;
    return answer(found->parent, siblings,
                  static_cast<size_t>(std::find(siblings.begin(), siblings.end(), art) - siblings.begin()));
}

ASErr GetFirstArtOfLayer(AILayerHandle layer, AIArtHandle* art)
{
    if (ASErr error = injected(kAIArtSuite, "GetFirstArtOfLayer"))
        return error;
    const doc::Layer* found = document().layer(layer);
    if (found == nullptr)
        return kBadHandleErr;
    if (art == nullptr)
        return kBadParameterErr;
    *art = found->group;
    return kNoErr;
}

ASErr SetArtName(AIArtHandle art, const char* name)
{
    if (ASErr error = injected(kAIArtSuite, "SetArtName"))
        return error;
    const doc::Art* found = document().art(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (name == nullptr)
        return kBadParameterErr;
    doc::Art* changed = document().edit(art);
    changed->name = name;
    return kNoErr;
}

ASErr GetArtName(AIArtHandle art, const char** name)
{
    if (ASErr error = injected(kAIArtSuite, "GetArtName"))
        return error;
    const doc::Art* found = document().art(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (name == nullptr)
        return kBadParameterErr;
    *name = found->name.c_str();
    return kNoErr;
}

ASErr GetArtBounds(AIArtHandle art, AIRealRect* bounds)
{
    if (ASErr error = injected(kAIArtSuite, "GetArtBounds"))
        return error;
    return document().bounds(art, bounds);
}

// AI Path.

bool finitePoint(const AIRealPoint& point)
{
    return finite(point.h) && finite(point.v);
}

ASErr GetPathSegmentCount(AIArtHandle path, ai_int16* count)
{
    if (ASErr error = injected(kAIPathSuite, "GetPathSegmentCount"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    if (count == nullptr)
        return kBadParameterErr;
    *count = static_cast<ai_int16>(found->path().segments.size());
    return kNoErr;
}

ASErr SetPathSegmentCount(AIArtHandle path, ai_int16 count)
{
    if (ASErr error = injected(kAIPathSuite, "SetPathSegmentCount"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    if (count < 0)
        return kBadParameterErr;
    AIPathSegment origin{};
    origin.corner = true;
    doc::Art* changed = document().edit(path);
    changed->path().segments.resize(static_cast<size_t>(count), origin);
    return kNoErr;
}

// Whether [first, first + count) lies inside a path of `size` segments.
bool inside(ai_int16 first, ai_int16 count, size_t size)
{
    return first >= 0 && count >= 0 && static_cast<size_t>(first) + static_cast<size_t>(count) <= size;
}

ASErr GetPathSegments(AIArtHandle path, ai_int16 segNumber, ai_int16 count, AIPathSegment* segments)
{
    if (ASErr error = injected(kAIPathSuite, "GetPathSegments"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    if (segments == nullptr || !inside(segNumber, count, found->path().segments.size()))
        return kBadParameterErr;
    std::copy_n(found->path().segments.begin() + segNumber, count, segments);
    return kNoErr;
}

ASErr SetPathSegments(AIArtHandle path, ai_int16 segNumber, ai_int16 count, const AIPathSegment* segments)
{
    if (ASErr error = injected(kAIPathSuite, "SetPathSegments"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    if (segments == nullptr || !inside(segNumber, count, found->path().segments.size()))
        return kBadParameterErr;
    // No infinite or undefined coordinates get into the document: export could not draw them.
    for (ai_int16 i = 0; i < count; ++i)
        if (!finitePoint(segments[i].p) || !finitePoint(segments[i].in) || !finitePoint(segments[i].out))
            return kBadParameterErr;
    doc::Art* changed = document().edit(path);
    std::copy_n(segments, count, changed->path().segments.begin() + segNumber);
    return kNoErr;
}

ASErr GetPathClosed(AIArtHandle path, ASBoolean* closed)
{
    if (ASErr error = injected(kAIPathSuite, "GetPathClosed"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    if (closed == nullptr)
        return kBadParameterErr;
    *closed = found->path().closed;
    return kNoErr;
}

ASErr SetPathClosed(AIArtHandle path, ASBoolean closed)
{
    if (ASErr error = injected(kAIPathSuite, "SetPathClosed"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    doc::Art* changed = document().edit(path);
    changed->path().closed = closed != 0;
    return kNoErr;
}

ASErr SetPathCenterPointVisible(AIArtHandle path, ASBoolean visible)
{
    if (ASErr error = injected(kAIPathSuite, "SetPathCenterPointVisible"))
        return error;
    const doc::Art* found = pathArt(path);
    if (found == nullptr)
        return kBadHandleErr;
    doc::Art* changed = document().edit(path);
    changed->path().centerPointVisible = visible != 0;
    return kNoErr;
}

// AI Path Style.

// A style the document can hold: a painted fill or stroke has a colour the document knows
// (an unpainted one is kept as given: nothing reads it); widths, limits and dashes are
// finite and not negative; cap and join are of their enumerations.
bool validStyle(const AIPathStyle& style)
{
    if (style.fillPaint && !validColor(style.fill.color))
        return false;
    const AIStrokeStyle& stroke = style.stroke;
    if (style.strokePaint && !validColor(stroke.color))
        return false;
    if (!finite(stroke.width) || stroke.width < 0 || !finite(stroke.miterLimit) || stroke.miterLimit < 0)
        return false;
    if (stroke.cap < kAIButtCap || stroke.cap > kAIProjectingCap || stroke.join < kAIMiterJoin ||
        stroke.join > kAIBevelJoin)
        return false;
    if (stroke.dash.length < 0 || stroke.dash.length > kMaxDashComponents || !finite(stroke.dash.offset))
        return false;
    for (ai_int16 i = 0; i < stroke.dash.length; ++i)
        if (!finite(stroke.dash.array[i]) || stroke.dash.array[i] < 0)
            return false;
    return finite(style.resolution);
}

ASErr GetCurrentPathStyle(AIPathStyle* style)
{
    if (ASErr error = injected(kAIPathStyleSuite, "GetCurrentPathStyle"))
        return error;
    if (style == nullptr)
        return kBadParameterErr;
    *style = document().currentPathStyle();
    return kNoErr;
}

ASErr GetPathStyle(AIArtHandle art, AIPathStyle* style)
{
    if (ASErr error = injected(kAIPathStyleSuite, "GetPathStyle"))
        return error;
    const doc::Art* found = pathArt(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (style == nullptr)
        return kBadParameterErr;
    *style = found->path().style.get();
    return kNoErr;
}

ASErr SetPathStyle(AIArtHandle art, const AIPathStyle* style)
{
    if (ASErr error = injected(kAIPathStyleSuite, "SetPathStyle"))
        return error;
    const doc::Art* found = pathArt(art);
    if (found == nullptr)
        return kBadHandleErr;
    if (style == nullptr || !validStyle(*style))
        return kBadParameterErr;
    doc::Art* changed = document().edit(art);
    changed->path().style = document().sharedStyle(*style);
    return kNoErr;
}

// AI Transform Art.

ASErr TransformArt(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, ai_int32 flags)
{
    if (ASErr error = injected(kAITransformArtSuite, "TransformArt"))
        return error;
    if (!document().valid(art))
        return kBadHandleErr;
    if (matrix == nullptr)
        return kBadParameterErr;
    return document().transform(art, *matrix, (flags & kTransformObjects) != 0, (flags & kScaleLines) != 0,
                                lineScale);
}

// A double as a 32-bit real; one too large for it becomes an infinity of its sign (a plain
// conversion would be undefined).
AIReal toReal(double value)
{
    constexpr double kLargest = std::numeric_limits<AIReal>::max();
    if (value > kLargest)
        return std::numeric_limits<AIReal>::infinity();
    if (value < -kLargest)
        return -std::numeric_limits<AIReal>::infinity();
    return static_cast<AIReal>(value);
}

// AI Real Math. Matrices map a point as a row vector: (x, y) -> (a x + c y + tx,
// b x + d y + ty), as TransformArt applies them.

ASErr AIRealMatrixSetIdentity(AIRealMatrix* matrix)
{
    if (ASErr error = injected(kAIRealMathSuite, "AIRealMatrixSetIdentity"))
        return error;
    if (matrix == nullptr)
        return kBadParameterErr;
    *matrix = AIRealMatrix{1, 0, 0, 1, 0, 0};
    return kNoErr;
}

ASErr AIRealMatrixSetTranslate(AIRealMatrix* matrix, AIReal tx, AIReal ty)
{
    if (ASErr error = injected(kAIRealMathSuite, "AIRealMatrixSetTranslate"))
        return error;
    if (matrix == nullptr)
        return kBadParameterErr;
    *matrix = AIRealMatrix{1, 0, 0, 1, tx, ty};
    return kNoErr;
}

// matrix := matrix x translation: the translation applies after what the matrix did.
ASErr AIRealMatrixConcatTranslate(AIRealMatrix* matrix, AIReal tx, AIReal ty)
{
    if (ASErr error = injected(kAIRealMathSuite, "AIRealMatrixConcatTranslate"))
        return error;
    if (matrix == nullptr)
        return kBadParameterErr;
    matrix->tx += tx;
    matrix->ty += ty;
    return kNoErr;
}

ASErr AIRealPointTransform(const AIRealPoint* point, const AIRealMatrix* matrix, AIRealPoint* result)
{
    if (ASErr error = injected(kAIRealMathSuite, "AIRealPointTransform"))
        return error;
    if (point == nullptr || matrix == nullptr || result == nullptr)
        return kBadParameterErr;
    const double x = point->h;
    const double y = point->v;
    // Both read before either is written: `result` may be `point`.
    const double h = matrix->a * x + matrix->c * y + matrix->tx;
    const double v = matrix->b * x + matrix->d * y + matrix->ty;
    *result = AIRealPoint{toReal(h), toReal(v)};
    return kNoErr;
}

const AIArtSuite kArt = {NewArt,           DisposeArt,         ValidArt,   GetArtType,
                         GetArtParent,     GetArtFirstChild,   GetArtSibling, GetFirstArtOfLayer,
                         SetArtName,       GetArtName,         GetArtBounds};
const AIPathSuite kPath = {GetPathSegmentCount, SetPathSegmentCount, GetPathSegments,          SetPathSegments,
                           GetPathClosed,       SetPathClosed,       SetPathCenterPointVisible};
const AIPathStyleSuite kPathStyle = {GetCurrentPathStyle, GetPathStyle, SetPathStyle};
const AITransformArtSuite kTransformArt = {TransformArt};
const AIRealMathSuite kRealMath = {AIRealMatrixSetIdentity, AIRealMatrixSetTranslate, AIRealMatrixConcatTranslate,
                                   AIRealPointTransform};

} // namespace

void installArtSuites(SuiteRegistry& registry)
{
    registry.add(kAIArtSuite, kAIArtSuiteVersion, &kArt);
    registry.add(kAIPathSuite, kAIPathSuiteVersion, &kPath);
    registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kPathStyle);
    registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kTransformArt);
    registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMath);
}

} // namespace host
