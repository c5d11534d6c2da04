// A path's segments behave as a vector of them would, whether they are kept in place or in a
// block of their own, and across the move from one to the other.
#include "document/PathSegments.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using host::doc::PathSegments;

AIPathSegment at(int n)
{
    const auto v = static_cast<AIReal>(n);
    return AIPathSegment{{v, -v}, {v + 0.25f, v}, {v - 0.25f, v}, static_cast<ASBoolean>(n % 2)};
}

bool same(const AIPathSegment& a, const AIPathSegment& b)
{
    return a.p.h == b.p.h && a.p.v == b.p.v && a.in.h == b.in.h && a.in.v == b.in.v && a.out.h == b.out.h &&
           a.out.v == b.out.v && a.corner == b.corner;
}

::testing::AssertionResult holds(const PathSegments& segments, const std::vector<AIPathSegment>& expected)
{
    if (segments.size() != expected.size() || segments.empty() != expected.empty())
        return ::testing::AssertionFailure() << segments.size() << " segments, " << expected.size() << " expected";
    if (segments.capacity() < segments.size())
        return ::testing::AssertionFailure() << "room for " << segments.capacity() << " holding " << segments.size();
    for (size_t i = 0; i < expected.size(); ++i)
        if (!same(segments[i], expected[i]) || !same(*(segments.begin() + i), expected[i]))
            return ::testing::AssertionFailure() << "segment " << i << " differs";
    return ::testing::AssertionSuccess();
}

TEST(PathSegments, DoAsAVectorWouldInPlaceAndBeyond)
{
    using Step = std::function<void(PathSegments&, std::vector<AIPathSegment>&)>;
    const auto push = [](int n) {
        return Step([n](PathSegments& s, std::vector<AIPathSegment>& v) {
            s.push_back(at(n));
            v.push_back(at(n));
        });
    };
    const auto resize = [](size_t count) {
        return Step([count](PathSegments& s, std::vector<AIPathSegment>& v) {
            s.resize(count);
            v.resize(count);
        });
    };
    const auto resizeWith = [](size_t count, int n) {
        return Step([count, n](PathSegments& s, std::vector<AIPathSegment>& v) {
            s.resize(count, at(n));
            v.resize(count, at(n));
        });
    };
    const Step pushOwnBack = [](PathSegments& s, std::vector<AIPathSegment>& v) {
        s.push_back(s.back());
        v.push_back(AIPathSegment(v.back()));
    };
    const Step resizeWithOwnFront = [](PathSegments& s, std::vector<AIPathSegment>& v) {
        s.resize(s.size() + 5, s.front());
        v.resize(v.size() + 5, AIPathSegment(v.front()));
    };
    const Step assignList = [](PathSegments& s, std::vector<AIPathSegment>& v) {
        s = {at(7), at(8), at(9)};
        v = {at(7), at(8), at(9)};
    };
    const Step assignVector = [](PathSegments& s, std::vector<AIPathSegment>& v) {
        v = {at(3)};
        s = v;
    };
    const Step clear = [](PathSegments& s, std::vector<AIPathSegment>& v) {
        s.clear();
        v.clear();
    };
    const Step reserve = [](PathSegments& s, std::vector<AIPathSegment>&) { s.reserve(40); };
    const Step write = [](PathSegments& s, std::vector<AIPathSegment>& v) {
        s.front() = at(50);
        v.front() = at(50);
        s[s.size() - 1] = at(51);
        v[v.size() - 1] = at(51);
    };

    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"a rule's two", {push(1), push(2)}},
        {"growing out of place one by one", {push(1), push(2), push(3), push(4), push(5), write}},
        {"a segment of its own pushed as the room moves", {push(1), push(2), pushOwnBack, pushOwnBack}},
        {"grown and shrunk by resizing", {resize(2), resize(9), resizeWith(12, 4), resize(1), resizeWith(2, 6)}},
        {"grown with its own first segment", {push(1), push(2), resizeWithOwnFront, write}},
        {"assigned more and fewer than fit in place", {assignList, assignVector, assignList, write}},
        {"emptied and filled again", {push(1), push(2), push(3), clear, push(4), clear}},
        {"room made first", {reserve, push(1), push(2), push(3), resize(0)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PathSegments segments;
        std::vector<AIPathSegment> model;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            c.steps[i](segments, model);
            ASSERT_TRUE(holds(segments, model)) << "after step " << i;
        }
        // Copies and moves of what the steps left, in place or not.
        const PathSegments copied(segments);
        EXPECT_TRUE(holds(copied, model)) << "copied";
        PathSegments assigned{at(60), at(61), at(62), at(63)};
        assigned = segments;
        EXPECT_TRUE(holds(assigned, model)) << "copy-assigned over more";
        PathSegments moved(std::move(assigned));
        EXPECT_TRUE(holds(moved, model)) << "moved";
        EXPECT_TRUE(assigned.empty()) << "the moved-from one is empty"; // NOLINT(bugprone-use-after-move)
        PathSegments moveAssigned{at(70)};
        moveAssigned = std::move(moved);
        EXPECT_TRUE(holds(moveAssigned, model)) << "move-assigned";
        PathSegments& self = moveAssigned;
        moveAssigned = self;
        EXPECT_TRUE(holds(moveAssigned, model)) << "assigned to itself";
    }
}

TEST(PathSegments, ARuleKeepsItsSegmentsInPlaceAndAMissingOneIsAnError)
{
    PathSegments rule{at(1), at(2)};
    EXPECT_EQ(rule.capacity(), PathSegments::kInPlace) << "no room of its own";
    const PathSegments& seen = rule;
    EXPECT_TRUE(same(seen.at(1), at(2)));
    EXPECT_THROW((void)seen.at(2), std::out_of_range);
    EXPECT_THROW((void)rule.at(7), std::out_of_range);
    EXPECT_TRUE(holds(rule, {at(1), at(2)})) << "nothing changed by the failed reads";
}

} // namespace
