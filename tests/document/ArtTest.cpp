// An object of the document holds a path's state or a text's, never both: each reads as its
// defaults until it is set, and setting the other kind's on it is refused without losing what
// it holds.
#include "document/Art.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <variant>

namespace {

using host::doc::Art;

AIPathSegment corner(AIReal h, AIReal v)
{
    return AIPathSegment{{h, v}, {h, v}, {h, v}, true};
}

void setPath(Art& art)
{
    art.path().segments = {corner(0, 0), corner(300, 0)};
    art.path().style.edit().stroke.width = 2.5f;
}

void setText(Art& art)
{
    art.pointText().text = u"Title";
    art.pointText().anchor = {150, -18.96f};
}

bool holdsPath(const Art& art)
{
    return art.path().segments.size() == 2 && art.path().style->stroke.width == 2.5f;
}

bool holdsText(const Art& art)
{
    return art.pointText().text == u"Title" && art.pointText().anchor.h == 150;
}

TEST(Art, TheOtherKindsPartIsRefusedAndWhatIsHeldStays)
{
    const struct {
        const char* name;
        std::function<void(Art&)> held;
        std::function<void(Art&)> other;
        std::function<bool(const Art&)> holds;
    } cases[] = {
        {"a text on a path", setPath, setText, holdsPath},
        {"a path on a text", setText, setPath, holdsText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Art art;
        // Read before either is set, both are their defaults, and reading claims neither.
        EXPECT_TRUE(std::as_const(art).path().segments.empty());
        EXPECT_TRUE(std::as_const(art).pointText().text.empty());
        c.held(art);
        EXPECT_THROW(c.other(art), std::bad_variant_access);
        EXPECT_TRUE(c.holds(art));
        // Copies and moves carry the part, as the history's records take them.
        Art copy = art;
        EXPECT_TRUE(c.holds(copy));
        Art moved = std::move(copy);
        EXPECT_TRUE(c.holds(moved));
    }
}

// New art holds its kind's part from its making, a path the style it is made with; a group
// holds neither, whatever style it is given.
TEST(Art, NewArtHoldsItsKindsPartFromItsMaking)
{
    using host::doc::ArtKind;
    AIPathStyle thick{};
    thick.stroke.width = 7;
    const host::doc::Shared<AIPathStyle> style(thick);
    const struct {
        ArtKind kind;
        bool path, text;
    } cases[] = {
        {ArtKind::Path, true, false},
        {ArtKind::Text, false, true},
        {ArtKind::Group, false, false},
        {ArtKind::LayerGroup, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        Art art(c.kind, style);
        EXPECT_EQ(art.kind, c.kind);
        EXPECT_EQ(std::as_const(art).path().style.sharesWith(style), c.path);
        if (c.text) {
            EXPECT_THROW(art.path(), std::bad_variant_access);
        }
        if (c.path) {
            EXPECT_THROW(art.pointText(), std::bad_variant_access);
        }
        if (!c.path && !c.text) {
            Art other(c.kind, style);
            EXPECT_NO_THROW(art.path()) << "a group's first part is whichever is set first";
            EXPECT_NO_THROW(other.pointText());
        }
    }
}

// A large document is tens of thousands of these: a path's state and a text's share their room,
// and a path's style is a record shared with the paths that have the same.
TEST(Art, AnObjectStaysSmall)
{
    if constexpr (sizeof(void*) == 8) {
        EXPECT_LE(sizeof(Art), 240u);
    }
}

TEST(Shared, CopiesShareOneRecordUntilOneOfThemChanges)
{
    using host::doc::Shared;
    AIPathStyle thick{};
    thick.stroke.width = 4;
    const Shared<AIPathStyle> first(thick);
    Shared<AIPathStyle> second = first;
    EXPECT_TRUE(second.sharesWith(first));

    second.edit().stroke.width = 1;
    EXPECT_FALSE(second.sharesWith(first));
    EXPECT_EQ(first->stroke.width, 4) << "the change is the changed holder's alone";
    EXPECT_EQ(second->stroke.width, 1);

    // Set to what it holds, a holder keeps its record; set to another value, it changes it.
    Shared<AIPathStyle> third = first;
    third = thick;
    EXPECT_TRUE(third.sharesWith(first));
    third = AIPathStyle{};
    EXPECT_FALSE(third.sharesWith(first));
    EXPECT_TRUE(third.holds(AIPathStyle{}));
    EXPECT_EQ(first->stroke.width, 4);

    // A holder with no record reads the defaults, and a change gives it one.
    Shared<AIPathStyle> none;
    EXPECT_TRUE(none.holds(AIPathStyle{}));
    EXPECT_FALSE(none.sharesWith(Shared<AIPathStyle>()));
    none.edit().evenodd = true;
    EXPECT_TRUE(none->evenodd);
}

} // namespace
