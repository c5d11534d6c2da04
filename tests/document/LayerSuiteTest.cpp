// The layers of the document, through the Layer suite, as the table tool finds its home.
#include "DocumentSuites.h"

namespace {

using LayerSuite = testing_document::DocumentSuites;
using testing_document::got;

std::string titleOf(const AILayerSuite* layer, AILayerHandle handle)
{
    char title[256] = {};
    EXPECT_EQ(layer->GetLayerTitle(handle, title, sizeof title), kNoErr);
    return title;
}

TEST_F(LayerSuite, ANewLayerAboveAllGoesToTheTopAndTakesItsTitle)
{
    const auto count = [&] { return got<ai_int32>([&](auto* n) { return layer->CountLayers(n); }); };
    const auto current = [&] { return got<AILayerHandle>([&](auto* l) { return layer->GetCurrentLayer(l); }); };
    ASSERT_EQ(count(), 1);
    const AILayerHandle first = current();
    EXPECT_EQ(titleOf(layer, first), "Layer 1");

    const AILayerHandle table = got<AILayerHandle>([&](auto* l) { return layer->InsertLayer(first, kPlaceAboveAll, l); });
    ASSERT_EQ(layer->SetLayerTitle(table, "Varo-Table"), kNoErr);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(got<AILayerHandle>([&](auto* l) { return layer->GetNthLayer(0, l); }), table);
    EXPECT_EQ(got<AILayerHandle>([&](auto* l) { return layer->GetLayerByTitle(l, "Varo-Table"); }), table);
    EXPECT_EQ(titleOf(layer, table), "Varo-Table");
    EXPECT_EQ(current(), first) << "inserting a layer does not make it current";

    // Above and below a given layer, and at the bottom.
    const AILayerHandle above = got<AILayerHandle>([&](auto* l) { return layer->InsertLayer(first, kPlaceAbove, l); });
    const AILayerHandle below = got<AILayerHandle>([&](auto* l) { return layer->InsertLayer(table, kPlaceBelow, l); });
    const AILayerHandle bottom = got<AILayerHandle>([&](auto* l) { return layer->InsertLayer(nullptr, kPlaceBelowAll, l); });
    EXPECT_EQ(host.document().layers(), (std::vector<AILayerHandle>{table, below, above, first, bottom}));

    const AIArtHandle group = got<AIArtHandle>([&](auto* g) { return art->GetFirstArtOfLayer(table, g); });
    EXPECT_EQ(got<AIArtType>([&](auto* t) { return art->GetArtType(group, t); }, kUnknownArt), kGroupArt);
    EXPECT_EQ(host.document().art(group)->layer, table);

    ASSERT_EQ(layer->SetCurrentLayer(table), kNoErr);
    EXPECT_EQ(current(), table);
}

TEST_F(LayerSuite, TitlesAreCopiedAndCutWithoutSplittingACharacter)
{
    const AILayerHandle first = got<AILayerHandle>([&](auto* l) { return layer->GetNthLayer(0, l); });
    ASSERT_EQ(layer->SetLayerTitle(first, "Tableau \xC3\xA9t\xC3\xA9"), kNoErr); // "Tableau été"
    // As many bytes as the length leaves beside the terminator; the two of "é" together or not at all.
    for (const auto& [length, expected] :
         {std::pair{12, "Tableau \xC3\xA9t"}, {11, "Tableau \xC3\xA9"}, {10, "Tableau "}, {1, ""}}) {
        char title[12] = {};
        ASSERT_EQ(layer->GetLayerTitle(first, title, length), kNoErr);
        EXPECT_STREQ(title, expected) << length;
    }
}

TEST_F(LayerSuite, LayersAreEditableAndVisibleUntilToldOtherwise)
{
    const AILayerHandle first = got<AILayerHandle>([&](auto* l) { return layer->GetCurrentLayer(l); });
    const struct {
        const char* what;
        ASErr (*get)(AILayerHandle, ASBoolean*);
        ASErr (*set)(AILayerHandle, ASBoolean);
        const bool host::doc::Layer::*held;
    } flags[] = {{"editable", layer->GetLayerEditable, layer->SetLayerEditable, &host::doc::Layer::editable},
                 {"visible", layer->GetLayerVisible, layer->SetLayerVisible, &host::doc::Layer::visible}};
    for (const auto& f : flags) {
        SCOPED_TRACE(f.what);
        const auto value = [&] { return got<ASBoolean>([&](auto* v) { return f.get(first, v); }, 7); };
        EXPECT_EQ(value(), 1);
        for (const ASBoolean given : {0, 2}) { // any nonzero is true
            ASSERT_EQ(f.set(first, given), kNoErr);
            EXPECT_EQ(value(), given != 0);
            EXPECT_EQ(host.document().layer(first)->*f.held, given != 0);
        }
    }

    EXPECT_EQ(got<AIRGBColor>([&](auto* c) { return layer->GetLayerColor(first, c); }).blue, 65535);
}

TEST_F(LayerSuite, DeletingALayerDeletesItsArtAndTheTopLayerBecomesCurrent)
{
    const AILayerHandle first = got<AILayerHandle>([&](auto* l) { return layer->GetCurrentLayer(l); });
    const AILayerHandle other = got<AILayerHandle>([&](auto* l) { return layer->InsertLayer(first, kPlaceAbove, l); });
    const AIArtHandle group = got<AIArtHandle>([&](auto* g) { return art->GetFirstArtOfLayer(other, g); });
    const AIArtHandle inside = make(kPathArt, kPlaceInsideOnTop, group);
    ASSERT_EQ(layer->SetCurrentLayer(other), kNoErr);

    ASSERT_EQ(layer->DeleteLayer(other), kNoErr);
    EXPECT_FALSE(art->ValidArt(group, true));
    EXPECT_FALSE(art->ValidArt(inside, true));
    EXPECT_EQ(got<AILayerHandle>([&](auto* l) { return layer->GetCurrentLayer(l); }), first)
        << "the current layer went: the top one is current";
}

} // namespace
