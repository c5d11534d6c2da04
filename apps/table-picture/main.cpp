// Builds one table with the plug-in's own construction, started in process in the stand-in
// host, and exports the document: the picture of a table that the README shows, until a
// script can draw one with the Table Tool.
//
//   varo-table-picture FOLDER    writes FOLDER/table.svg and FOLDER/table.png
#include "Host.h"
#include "JeuxDeCouleurs.h"
#include "Png.h"
#include "Reglages.h"
#include "Svg.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

namespace {

// A table of six rows and four columns across the top of the page: double rows and columns,
// a double frame, a title row, each element in a colour of its own.
void RegleLeTableau()
{
    PositionX = 60;
    PositionY = 780;
    LongueurTableau = 475;
    HauteurTableau = 210;
    NombreDeLignes = 6;
    NombreDeColonnes = 4;
    GouttiereLignes = 2.5;
    GouttiereColonnes = 2.5;
    GouttiereCadre = 4;
    EpaisseurLignes = EpaisseurColonnes = 0.75;
    EpaisseurCadre = 3;
    EpaisseurCadreDeux = 0.75;
    AvecSansCadre = AvecSansTitre = AvecSansTexte = true;
    std::strcpy(TitreTableau, "Quarterly figures \xE2\x80\x94 2026");
    std::strcpy(TexteCase, "1 234,50 \xE2\x82\xAC");
    Corps = 12;
    NumeroPolice = KPOLICE = 0;
    JeuxCouleurs[ElementLignes] = JeuCouleurs{TypeRVB, 0, 30, 90, 160, 0, 0, 0, 0};
    JeuxCouleurs[ElementColonnes] = JeuCouleurs{TypeCMJN, 0, 0, 0, 0, 0, 60, 90, 0};
    JeuxCouleurs[ElementCadre] = JeuCouleurs{TypeGris, 85, 0, 0, 0, 0, 0, 0, 0};
    JeuxCouleurs[ElementTexte] = JeuCouleurs{TypeGris, 100, 0, 0, 0, 0, 0, 0, 0};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: varo-table-picture FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    host::Host host({});
    host.plugins().addInProcess("VaroTable", PluginMain);
    host.launch();

    RegleLeTableau();
    if (InitialiseLesStyles() != kNoErr || sAIArt->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &AHGroupe) != kNoErr ||
        sAIArt->SetArtName(AHGroupe, "Table") != kNoErr) {
        std::fprintf(stderr, "varo-table-picture: the host refused the table's group\n");
        return 1;
    }
    TraceColonnes();
    TraceLignes();
    TraceCadre();
    TraceTextes();

    int status = 0;
    const auto report = [&](const std::string& reason) {
        if (!reason.empty()) {
            std::fprintf(stderr, "varo-table-picture: %s\n", reason.c_str());
            status = 1;
        }
    };
    report(host::render::saveSvg(host.document(), host.fonts(), folder / "table.svg"));
    report(host::render::savePng(host.document(), host.fonts(), folder / "table.png", 1.5));
    host.quit();
    if (status == 0)
        std::printf("wrote %s and %s\n", (folder / "table.svg").c_str(), (folder / "table.png").c_str());
    return status;
}
