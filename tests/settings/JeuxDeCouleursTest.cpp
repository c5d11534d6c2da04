#include "JeuxDeCouleurs.h"
#include "Reglages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

int32_t (*const kMisesAJour[])() = {MiseAJourDuStyleDesLignes, MiseAJourDuStyleDesColonnes, MiseAJourDuStyleDuCadre};

class Couleurs : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto& jeu : JeuxCouleurs)
            jeu = JeuCouleurs{TypeGris, 30, 51, 102, 204, 10, 20, 30, 40};
        for (Element element : {ElementLignes, ElementColonnes, ElementCadre}) {
            AIPathStyle& style = *kElements[element].style;
            std::memset(&style, 0, sizeof style);
            style.stroke.width = 2.5f;
            style.stroke.join = kAIRoundJoin;
        }
    }
};

// An element's set colours its own style record and no other; a type that is none of the
// three leaves the record as it was.
TEST_F(Couleurs, EachElementsSetColoursItsOwnStyleRecordOnly)
{
    for (Element element : {ElementLignes, ElementColonnes, ElementCadre}) {
        SetUp();
        JeuxCouleurs[element] = JeuCouleurs{TypeRVB, 0, 255, 51, 0, 0, 0, 0, 0};
        EXPECT_EQ(kMisesAJour[element](), 0);
        const AIStrokeStyle& stroke = kElements[element].style->stroke;
        EXPECT_EQ(stroke.color.kind, kThreeColor);
        EXPECT_FLOAT_EQ(stroke.color.c.rgb.red, 1.0f);
        EXPECT_FLOAT_EQ(stroke.color.c.rgb.green, 0.2f);
        EXPECT_EQ(stroke.width, 2.5f) << "only the colour changes";
        EXPECT_EQ(stroke.join, kAIRoundJoin);
        for (Element other : {ElementLignes, ElementColonnes, ElementCadre}) {
            if (other != element) {
                EXPECT_EQ(kElements[other].style->stroke.color.kind, kGrayColor) << kElements[other].suffixe;
            }
        }
        const AIPathStyle before = *kElements[element].style;
        for (int32_t type : {3, -1, 1000}) {
            JeuxCouleurs[element].TypeCouleur = type;
            EXPECT_EQ(kMisesAJour[element](), 0);
            EXPECT_EQ(std::memcmp(&before, kElements[element].style, sizeof before), 0) << type;
        }
    }
}

TEST_F(Couleurs, OnlyTheComponentsOfTheCurrentTypeReachTheStyle)
{
    const struct {
        int32_t type;
        AIColorTag kind;
        AIReal components[4]; // as many as the kind has
    } cases[] = {
        {TypeGris, kGrayColor, {0.30f}},
        {TypeRVB, kThreeColor, {51 / 255.0f, 102 / 255.0f, 204 / 255.0f}},
        {TypeCMJN, kFourColor, {0.10f, 0.20f, 0.30f, 0.40f}},
    };
    for (const auto& c : cases) {
        JeuxCouleurs[ElementColonnes].TypeCouleur = c.type;
        MiseAJourDuStyleDesColonnes();
        const AIColor& color = StyleColonnes.stroke.color;
        ASSERT_EQ(color.kind, c.kind) << c.type;
        // The kind's components, which follow each other in its record.
        const AIReal* held = c.kind == kGrayColor ? &color.c.g.gray : c.kind == kThreeColor ? &color.c.rgb.red : &color.c.f.cyan;
        for (int i = 0; i < (c.kind == kGrayColor ? 1 : c.kind == kThreeColor ? 3 : 4); ++i)
            EXPECT_FLOAT_EQ(held[i], c.components[i]) << c.type << " component " << i;
    }
    // The gray and CMYK components survived the trip through RGB and CMYK.
    EXPECT_EQ(JeuxCouleurs[ElementColonnes].Gris, 30);
    EXPECT_EQ(JeuxCouleurs[ElementColonnes].Noir, 40);

    // Whatever a set holds, the art is given a valid colour: each component within its range.
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct {
        JeuCouleurs jeu;
        AIReal components[4];
    } horsLimites[] = {
        {{TypeRVB, 0, 300, -40, 1e30, 0, 0, 0, 0}, {1, 0, 1}},
        {{TypeRVB, 0, nan, inf, -inf, 0, 0, 0, 0}, {0, 1, 0}},
        {{TypeGris, 150, 0, 0, 0, 0, 0, 0, 0}, {1}},
        {{TypeGris, -1e300, 0, 0, 0, 0, 0, 0, 0}, {0}},
        {{TypeCMJN, 0, 0, 0, 0, 101, -0.5, nan, 1e308}, {1, 0, 0, 1}},
    };
    for (const auto& h : horsLimites) {
        AIColor color{};
        ASSERT_TRUE(CouleurDuJeu(h.jeu, color));
        const AIReal* held = color.kind == kGrayColor ? &color.c.g.gray : color.kind == kThreeColor ? &color.c.rgb.red : &color.c.f.cyan;
        for (int i = 0; i < (color.kind == kGrayColor ? 1 : color.kind == kThreeColor ? 3 : 4); ++i)
            EXPECT_EQ(held[i], h.components[i]) << "type " << h.jeu.TypeCouleur << " component " << i;
    }
}

} // namespace
