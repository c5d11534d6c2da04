// The host's history over what the table plug-in does: the drag that makes a table is one
// step, each panel edit's rebuild another, and each undone gives the document exactly as it
// was before it.
#include "PanneauHote.h"
#include "Tree.h"

#include <string>
#include <vector>

namespace {

class Histoire : public PanneauHote {
protected:
    std::string arbre()
    {
        host_.deliverPendingEvents();
        return host::render::treeOf(host_.document(), host_.fonts());
    }
};

TEST_F(Histoire, TheDragAndEachEditAreStepsTakenBackToTheArtThatWasThere)
{
    lance();
    choisitOutil("Table Tool");
    std::vector<std::string> arbres{arbre()};
    host_.toolEvents().send(host::ToolEventKind::MouseDown, AIRealPoint{100, 700}, 0);
    host_.toolEvents().send(host::ToolEventKind::MouseDrag, AIRealPoint{250, 650}, 0);
    host_.toolEvents().send(host::ToolEventKind::MouseUp, AIRealPoint{400, 600}, 0);
    arbres.push_back(arbre());
    EXPECT_EQ(host_.history().steps(), 1u) << "the drag is one step";
    EXPECT_EQ(host_.history().undoName(), "Table");
    choisit("PANpopupPosLigColCad", 1);
    valide("PANzoneNbrLignes", "5");
    arbres.push_back(arbre());
    choisit("PANpopupPosLigColCad", 4);
    valide("PANnomTitre", "Prices");
    arbres.push_back(arbre());
    ASSERT_EQ(host_.history().steps(), 3u) << "each edit's rebuild is one step";
    for (size_t i = 1; i < arbres.size(); ++i)
        ASSERT_NE(arbres[i], arbres[i - 1]);

    for (size_t i = arbres.size() - 1; i-- > 0;) {
        EXPECT_EQ(host_.history().undo(), "Table");
        EXPECT_EQ(arbre(), arbres[i]) << "undone back to state " << i;
    }
    EXPECT_EQ(host_.history().undo(), "");
    for (size_t i = 1; i < arbres.size(); ++i) {
        EXPECT_EQ(host_.history().redo(), "Table");
        EXPECT_EQ(arbre(), arbres[i]) << "redone to state " << i;
    }
}

} // namespace
