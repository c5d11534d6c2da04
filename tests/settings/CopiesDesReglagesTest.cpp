#include "CopiesDesReglages.h"
#include "Reglages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include <cstring>
#include <tuple>

namespace {

// Puts a distinct value in every copy of every setting: current 1xx, provisional 2xx,
// default 3xx.
void Marque()
{
    int n = 0;
    PourChaqueReglage([&](const auto& reglage) {
        *reglage.courant = 100 + n;
        *reglage.prov = 200 + n;
        *reglage.defaut = 300 + n;
        ++n;
    });
    std::strcpy(NomPoliceProv, "Provisional Sans");
    std::strcpy(NomPoliceDefaut, "Default Serif");
    SonProv = false;
    SonDefaut = true;
    OutilsGroupeProv = true;
    OutilsGroupe = false;
}

// Every default the dialog stores is copied, by its own three variables: a row pointing at
// another setting's copy, or a setting listed twice, would mix two settings up.
TEST(CopiesDesReglages, EachStoredDefaultHasItsOwnThreeCopies)
{
    std::set<std::string> cles;
    std::set<const void*> variables;
    size_t n = 0;
    PourChaqueReglage([&](const auto& reglage) {
        cles.insert(reglage.cle);
        for (const void* v : {static_cast<const void*>(reglage.courant), static_cast<const void*>(reglage.prov),
                              static_cast<const void*>(reglage.defaut)})
            variables.insert(v);
        ++n;
    });
    const std::set<std::string> stockees = {"NombreLignes", "NombreColonnes", "NumPolice", "EpaisseurLignes",
                                            "EpaisseurColonnes", "EpaisseurCadre", "EpaisseurCadreDeux",
                                            "GouttiereLignes", "GouttiereColonnes", "GouttiereCadre", "Corps"};
    EXPECT_EQ(cles, stockees);
    EXPECT_EQ(n, stockees.size());
    EXPECT_EQ(variables.size(), 3 * n);
}

TEST(CopiesDesReglages, OkChangesTheDefaultsButNotWhatThePanelShows)
{
    Marque();
    ValeursUsineDansProvisoires();   // "By default"
    CopieProvisoiresDansDefauts();   // OK

    EXPECT_EQ(std::tie(NombreDeLignesDefaut, NombreDeColonnesDefaut, EpaisseurCadreDefaut, GouttiereCadreDefaut, CorpsDefaut),
              std::make_tuple(3, 4, 4.0, 3.2, 12.0));
    EXPECT_EQ(NumeroPoliceDefaut, 202) << "the font index has no factory value: the provisional one is kept";
    EXPECT_STREQ(NomPoliceDefaut, "Provisional Sans");
    EXPECT_EQ(std::tie(SonDefaut, OutilsGroupe), std::make_tuple(true, false));

    EXPECT_EQ(std::tie(NombreDeLignes, Corps), std::make_tuple(100, 110.0)) << "the current values wait for the Varo button";

    CopieDefautsDansCourants(); // the Varo button
    EXPECT_EQ(std::tie(NombreDeLignes, Corps, NumeroPolice), std::make_tuple(3, 12.0, 202));
}

TEST(CopiesDesReglages, OpeningTheDialogStartsFromTheStoredDefaults)
{
    Marque();
    CopieDefautsDansProvisoires();
    PourChaqueReglage([](const auto& reglage) { EXPECT_EQ(*reglage.prov, *reglage.defaut) << reglage.cle; });
    EXPECT_STREQ(NomPoliceProv, "Default Serif");
    EXPECT_EQ(std::tie(SonProv, OutilsGroupeProv), std::make_tuple(true, false));
    EXPECT_EQ(NombreDeLignes, 100) << "the current values are not touched";
}

TEST(CopiesDesReglages, AFontNameIsAlwaysTerminated)
{
    std::memset(NomPoliceProv, 'x', sizeof NomPoliceProv);
    CopieProvisoiresDansDefauts();
    EXPECT_EQ(std::strlen(NomPoliceDefaut), static_cast<size_t>(kLongueurNomPolice - 1));
}

} // namespace
