// The layers of the document, through the Layer suite, as the table tool finds its home.
#include "DocumentSuites.h"

namespace {

using LayerSuite = testing_document::DocumentSuites;

std::string titleOf(const AILayerSuite* layer, AILayerHandle handle)
{
    char title[256] = {};
    EXPECT_EQ(layer->GetLayerTitle(handle, title, sizeof title), kNoErr);
    return title;
}

TEST_F(LayerSuite, ANewLayerAboveAllGoesToTheTopAndTakesItsTitle)
{
    ai_int32 count = 0;
    ASSERT_EQ(layer->CountLayers(&count), kNoErr);
    ASSERT_EQ(count, 1);
    AILayerHandle first = nullptr;
    ASSERT_EQ(layer->GetCurrentLayer(&first), kNoErr);
    EXPECT_EQ(titleOf(layer, first), "Layer 1");

    AILayerHandle table = nullptr;
    ASSERT_EQ(layer->InsertLayer(first, kPlaceAboveAll, &table), kNoErr);
    ASSERT_EQ(layer->SetLayerTitle(table, "Varo-Table"), kNoErr);

    ASSERT_EQ(layer->CountLayers(&count), kNoErr);
    EXPECT_EQ(count, 2);
    AILayerHandle top = nullptr;
    ASSERT_EQ(layer->GetNthLayer(0, &top), kNoErr);
    EXPECT_EQ(top, table);
    AILayerHandle found = nullptr;
    ASSERT_EQ(layer->GetLayerByTitle(&found, "Varo-Table"), kNoErr);
    EXPECT_EQ(found, table);
    EXPECT_EQ(titleOf(layer, table), "Varo-Table");
    AILayerHandle current = nullptr;
    ASSERT_EQ(layer->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, first) << "inserting a layer does not make it current";

    // Above and below a given layer, and at the bottom.
    AILayerHandle above = nullptr;
    AILayerHandle below = nullptr;
    AILayerHandle bottom = nullptr;
    ASSERT_EQ(layer->InsertLayer(first, kPlaceAbove, &above), kNoErr);
    ASSERT_EQ(layer->InsertLayer(table, kPlaceBelow, &below), kNoErr);
    ASSERT_EQ(layer->InsertLayer(nullptr, kPlaceBelowAll, &bottom), kNoErr);
    EXPECT_EQ(host.document().layers(), (std::vector<AILayerHandle>{table, below, above, first, bottom}));

    AIArtHandle group = nullptr;
    ASSERT_EQ(art->GetFirstArtOfLayer(table, &group), kNoErr);
    AIArtType type = kUnknownArt;
    ASSERT_EQ(art->GetArtType(group, &type), kNoErr);
    EXPECT_EQ(type, kGroupArt);
    EXPECT_EQ(host.document().art(group)->layer, table);

    ASSERT_EQ(layer->SetCurrentLayer(table), kNoErr);
    ASSERT_EQ(layer->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, table);
}

TEST_F(LayerSuite, TitlesAreCopiedAndCutWithoutSplittingACharacter)
{
    AILayerHandle first = nullptr;
    ASSERT_EQ(layer->GetNthLayer(0, &first), kNoErr);
    ASSERT_EQ(layer->SetLayerTitle(first, "Tableau \xC3\xA9t\xC3\xA9"), kNoErr); // "Tableau été"
    char title[12] = {};
    ASSERT_EQ(layer->GetLayerTitle(first, title, 12), kNoErr);
    EXPECT_STREQ(title, "Tableau \xC3\xA9t") << "eleven bytes and the terminator";
    ASSERT_EQ(layer->GetLayerTitle(first, title, 11), kNoErr);
    EXPECT_STREQ(title, "Tableau \xC3\xA9");
    ASSERT_EQ(layer->GetLayerTitle(first, title, 10), kNoErr);
    EXPECT_STREQ(title, "Tableau ") << "the two bytes of \xC3\xA9 go together or not at all";
    ASSERT_EQ(layer->GetLayerTitle(first, title, 1), kNoErr);
    EXPECT_STREQ(title, "");
}

TEST_F(LayerSuite, LayersAreEditableAndVisibleUntilToldOtherwise)
{
    AILayerHandle first = nullptr;
    ASSERT_EQ(layer->GetCurrentLayer(&first), kNoErr);
    const struct {
        const char* what;
        ASErr (*get)(AILayerHandle, ASBoolean*);
        ASErr (*set)(AILayerHandle, ASBoolean);
        const bool host::doc::Layer::*held;
    } flags[] = {{"editable", layer->GetLayerEditable, layer->SetLayerEditable, &host::doc::Layer::editable},
                 {"visible", layer->GetLayerVisible, layer->SetLayerVisible, &host::doc::Layer::visible}};
    for (const auto& f : flags) {
        SCOPED_TRACE(f.what);
        ASBoolean value = false;
        ASSERT_EQ(f.get(first, &value), kNoErr);
        EXPECT_EQ(value, 1);
        for (const ASBoolean given : {0, 2}) { // any nonzero is true
            ASSERT_EQ(f.set(first, given), kNoErr);
            ASSERT_EQ(f.get(first, &value), kNoErr);
            EXPECT_EQ(value, given != 0);
            EXPECT_EQ(host.document().layer(first)->*f.held, given != 0);
        }
    }

    AIRGBColor color{};
    ASSERT_EQ(layer->GetLayerColor(first, &color), kNoErr);
    EXPECT_EQ(color.blue, 65535);
}

TEST_F(LayerSuite, DeletingALayerDeletesItsArtAndTheTopLayerBecomesCurrent)
{
    AILayerHandle first = nullptr;
    ASSERT_EQ(layer->GetCurrentLayer(&first), kNoErr);
    AILayerHandle other = nullptr;
    ASSERT_EQ(layer->InsertLayer(first, kPlaceAbove, &other), kNoErr);
    AIArtHandle group = nullptr;
    ASSERT_EQ(art->GetFirstArtOfLayer(other, &group), kNoErr);
    const AIArtHandle inside = make(kPathArt, kPlaceInsideOnTop, group);
    ASSERT_EQ(layer->SetCurrentLayer(other), kNoErr);

    ASSERT_EQ(layer->DeleteLayer(other), kNoErr);
    EXPECT_FALSE(art->ValidArt(group, true));
    EXPECT_FALSE(art->ValidArt(inside, true));
    AILayerHandle current = nullptr;
    ASSERT_EQ(layer->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, first) << "the current layer went: the top one is current";
}

} // namespace
