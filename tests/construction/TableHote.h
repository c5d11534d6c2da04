// A table group in the stand-in host's document, the table plug-in started in process, and
// the settings of a small table; with readers of the art the construction made.
#pragma once

#include "ElementLie.h"
#include "GeometrieTableau.h"
#include "Host.h"
#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

namespace table_test {

// One path as the host holds it: its anchors, whether it is closed, its stroke width.
struct Chemin {
    std::vector<AIRealPoint> points;
    bool ferme = false;
    AIReal epaisseur = 0;
};

class TableHote : public testing::Test {
protected:
    TableHote() : host_(host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans", "Test Serif", "Test Mono"}, {}})
    {
        host_.plugins().addInProcess("VaroTable", PluginMain);
        host_.launch();
        RegleLeTableau();
        EXPECT_EQ(sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe), kNoErr);
        EXPECT_EQ(sAIArt->SetArtName(AHGroupe, "Table"), kNoErr);
    }
    ~TableHote() override { host_.quit(); }

    // X = 0, Y = 0, L = 300, H = 90, 3 rows, 4 columns, gL = 0, gC = 2, gF = 3.2, title and
    // cell text on, type size 12, everything in gray 50 %; no table current yet.
    static void RegleLeTableau()
    {
        PositionX = PositionY = 0;
        LongueurTableau = 300;
        HauteurTableau = 90;
        NombreDeLignes = 3;
        NombreDeColonnes = 4;
        GouttiereLignes = 0;
        GouttiereColonnes = 2;
        GouttiereCadre = 3.2;
        EpaisseurLignes = EpaisseurCadreDeux = 1;
        EpaisseurColonnes = 1.5;
        EpaisseurCadre = 4;
        AvecSansCadre = AvecSansTitre = AvecSansTexte = true;
        std::strcpy(TitreTableau, "Title");
        std::strcpy(TexteCase, "Text");
        Corps = 12;
        NumeroPolice = KPOLICE = 0;
        for (JeuCouleurs& jeu : JeuxCouleurs)
            jeu = JeuCouleurs{TypeGris, 50, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(InitialiseLesStyles(), kNoErr);
        TableauCree = DoitRedessiner = false;
    }

    // Every element in the tool's order, as at mouse-up; the first failure.
    static ASErr TraceTout() { return TraceTableau(); }

    const host::doc::Art& art(AIArtHandle handle) const
    {
        const host::doc::Art* a = host_.document().art(handle);
        if (a == nullptr)
            throw std::runtime_error("not live art");
        return *a;
    }
    // The names of the table group's sub-groups, in paint order.
    std::vector<std::string> SousGroupes() const
    {
        std::vector<std::string> noms;
        for (AIArtHandle enfant : art(AHGroupe).children)
            noms.push_back(art(enfant).name);
        return noms;
    }
    // The table group's sub-group of that name; null when there is none.
    const host::doc::Art* SousGroupe(const std::string& nom) const
    {
        for (AIArtHandle enfant : art(AHGroupe).children)
            if (art(enfant).name == nom)
                return &art(enfant);
        return nullptr;
    }
    // The paths of a sub-group in the order they were made; empty when there is none.
    std::vector<Chemin> Chemins(const std::string& nom) const
    {
        std::vector<Chemin> chemins;
        if (const host::doc::Art* groupe = SousGroupe(nom))
            for (AIArtHandle enfant : groupe->children) {
                const host::doc::Art& chemin = art(enfant);
                Chemin c{{}, chemin.path().closed, chemin.path().style->stroke.width};
                for (const AIPathSegment& s : chemin.path().segments)
                    c.points.push_back(s.p);
                chemins.push_back(c);
            }
        return chemins;
    }
    // The text frames of a sub-group in the order they were made.
    std::vector<const host::doc::Art*> Cadres(const std::string& nom) const
    {
        std::vector<const host::doc::Art*> cadres;
        if (const host::doc::Art* groupe = SousGroupe(nom))
            for (AIArtHandle enfant : groupe->children)
                cadres.push_back(&art(enfant));
        return cadres;
    }

    host::Host host_;
};

} // namespace table_test
