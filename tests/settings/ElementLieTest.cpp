#include "ElementLie.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

int Longueur(const ElementLie* tete)
{
    int n = 0;
    for (; tete != nullptr; tete = tete->suivant)
        ++n;
    return n;
}

TEST(ElementLie, EachBuildStartsAgainFromTheTail)
{
    ElementLie* tete = nullptr;
    ASSERT_TRUE(RameneAQueue(tete)) << "a list starts as one tail record";
    ASSERT_EQ(Longueur(tete), 1);

    // A build of three paths: each path takes the current record, a new tail follows it.
    ElementLie* courant = tete;
    for (int chemin = 0; chemin < 3; ++chemin) {
        ElementLie* suivant = SuivantOuNouveau(courant);
        ASSERT_NE(suivant, nullptr);
        courant->art = reinterpret_cast<AIArtHandle>(static_cast<uintptr_t>(chemin + 1));
        courant = suivant;
    }
    EXPECT_EQ(std::make_tuple(Longueur(tete), courant->suivant, courant->art), std::make_tuple(4, nullptr, nullptr))
        << "the tail's art is not set";

    // The next build frees every record but the tail, which becomes the head.
    ASSERT_TRUE(RameneAQueue(tete));
    EXPECT_EQ(tete, courant);
    EXPECT_EQ(Longueur(tete), 1);

    // A second path built over an existing successor reuses it instead of adding one.
    ElementLie* suivant = SuivantOuNouveau(tete);
    EXPECT_EQ(SuivantOuNouveau(tete), suivant);
    EXPECT_EQ(Longueur(tete), 2);

    // A freed record is the next one handed out, blank.
    ElementLie* const premier = tete;
    ElementLie* const queue = SuivantOuNouveau(tete);
    queue->art = reinterpret_cast<AIArtHandle>(uintptr_t{7});
    ASSERT_TRUE(RameneAQueue(tete));
    EXPECT_EQ(tete, queue);
    ElementLie* const repris = NouvelElementLie();
    EXPECT_EQ(repris, premier) << "the freed record comes back first";
    EXPECT_EQ(std::make_tuple(repris->suivant, repris->art), std::make_tuple(nullptr, nullptr)) << "handed out again blank";
}

} // namespace
