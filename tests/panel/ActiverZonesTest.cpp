// Control enabling, page by page and for both states of the Table Tool, against the table of
// what each group of controls must be: on (shown, enabled), off (hidden, disabled), shown and
// enabled as the tool, or left as it was.
#include "ActiverZones.h"
#include "JeuxDeCouleurs.h"
#include "Prises.h"
#include "Reglages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// One letter per page 0 to 4:
//   o on; - off; a shown, enabled while the tool is; u left as it was;
//   f shown, enabled while the frame is on;
//   k shown, enabled while the tool is and the frame is on;
//   g shown, enabled while the tool is, the frame is on and its gutter is positive;
//   t / x shown, enabled while the tool is and the title / the cell text is on;
//   p shown, enabled while the title or the cell text is on, whatever the tool;
//   h hidden, its enabled state left as it was.
struct Groupe {
    const char* nom;
    std::vector<ns::Control*> controles;
    const char* pages;
};

// Every control the tests make, each in the registry under its identifier.
std::vector<std::unique_ptr<ns::Control>> Controles;

template <typename T> std::vector<ns::Control*> Inscrits(std::initializer_list<const Prise<T>*> liste)
{
    std::vector<ns::Control*> faits;
    for (const Prise<T>* p : liste) {
        auto controle = std::make_unique<T>();
        Registre().inscrit(p->id(), *controle);
        faits.push_back(controle.get());
        Controles.push_back(std::move(controle));
    }
    return faits;
}

class ActiverZonesTest : public testing::Test {
protected:
    ActiverZonesTest()
    {
        // Lines gray, columns RGB, frame CMYK, text a type that is none of them.
        JeuxCouleurs[ElementLignes].TypeCouleur = TypeGris;
        JeuxCouleurs[ElementColonnes].TypeCouleur = TypeRVB;
        JeuxCouleurs[ElementCadre].TypeCouleur = TypeCMJN;
        JeuxCouleurs[ElementTexte].TypeCouleur = 7;
        for (const Prise<ns::View>* v : vues_) {
            autresVues_.push_back(std::make_unique<ns::View>());
            Registre().inscrit(v->id(), *autresVues_.back());
        }
    }
    ~ActiverZonesTest() override
    {
        Registre().efface();
        Controles.clear();
    }

    // Every control hidden yet enabled: a state no rule gives, so that "left as it was" shows.
    void Temoins()
    {
        for (auto& c : Controles) {
            c->setHidden(true);
            c->setEnabled(true);
        }
        for (auto& v : autresVues_)
            v->setNeedsDisplay(true);
    }

    static void Verifie(const Groupe& g, char lettre, bool actif, const std::string& ou)
    {
        bool cache = false, active = false;
        switch (lettre) {
        case 'o': active = true; break;
        case '-': cache = true; break;
        case 'a': active = actif; break;
        case 'u': cache = true; active = true; break;
        case 'f': active = AvecSansCadre; break;
        case 'k': active = actif && AvecSansCadre; break;
        case 'g': active = actif && AvecSansCadre && GouttiereCadre > 0; break;
        case 't': active = actif && AvecSansTitre; break;
        case 'x': active = actif && AvecSansTexte; break;
        case 'p': active = AvecSansTitre || AvecSansTexte; break;
        case 'h': cache = true; active = true; break;
        default: FAIL() << "no rule '" << lettre << "'";
        }
        for (ns::Control* c : g.controles) {
            EXPECT_EQ(c->isHidden(), cache) << g.nom << ", " << ou;
            EXPECT_EQ(c->isEnabled(), active) << g.nom << ", " << ou;
        }
    }

    std::vector<Groupe> groupes_ = {
        {"position and size",
         Inscrits<ns::TextField>(
             {&PANzonePositionX, &PANzonePositionY, &PANzoneLongueurTableau, &PANzoneHauteurTableau}),
         "a----"},
        {"position and size steps",
         Inscrits<ns::Button>({&PANstepPlusPositionX, &PANstepMoinsPositionX, &PANstepPlusPositionY,
                               &PANstepMoinsPositionY, &PANstepPlusLongueurTableau, &PANstepMoinsLongueurTableau,
                               &PANstepPlusHauteurTableau, &PANstepMoinsHauteurTableau}),
         "a----"},
        {"rows", Inscrits<ns::ComboBox>({&PANzoneNbrLignes, &PANzoneEpaisseurLignes, &PANzoneGouttiereLigne}), "-o---"},
        {"rows steps", Inscrits<ns::Button>({&PANstepPlusNbrLignes, &PANstepMoinsNbrLignes}), "-o---"},
        {"columns", Inscrits<ns::ComboBox>({&PANzoneNbrColonnes, &PANzoneEpaisseurColonnes, &PANzoneGouttiereColonne}),
         "--o--"},
        {"columns steps", Inscrits<ns::Button>({&PANstepPlusNbrColonnes, &PANstepMoinsNbrColonnes}), "--o--"},
        {"frame", Inscrits<ns::ComboBox>({&PANzoneGouttiereCadre, &PANzoneEpaisseurCadre}), "---f-"},
        {"frame switch", Inscrits<ns::Button>({&PANavecSansCadre}), "---o-"},
        {"frame label", Inscrits<ns::TextField>({&PANavecSansCadreTexte}), "---o-"},
        {"inner frame", Inscrits<ns::ComboBox>({&PANzoneEpaisseurCadreDeux}), "---g-"},
        {"text switches", Inscrits<ns::Button>({&PANavecSansTitre, &PANavecSansTexte}), "----o"},
        {"text labels", Inscrits<ns::TextField>({&PANavecSansTitreTexte, &PANavecSansTexteTexte}), "----o"},
        {"font list", Inscrits<ns::PopUpButton>({&PANlistePolices}), "----p"},
        {"title", Inscrits<ns::TextField>({&PANnomTitre}), "----t"},
        {"cell text", Inscrits<ns::TextField>({&PANnomTexte}), "----x"},
        {"type size", Inscrits<ns::ComboBox>({&PANzoneCorps}), "----p"},
        {"colour type", Inscrits<ns::PopUpButton>({&COUpopUpTypeCouleur}), "-aaaa"},
        // Rows are gray, columns RGB, frame CMYK; the text's type is none: its page leaves them.
        {"gray", Inscrits<ns::TextField>({&COUzoneGris}), "-a--u"},
        {"gray slider", Inscrits<ns::Slider>({&COUglisGris}), "-a--u"},
        {"RGB", Inscrits<ns::TextField>({&COUzoneRouge, &COUzoneVert, &COUzoneBleu}), "--a-u"},
        {"RGB sliders", Inscrits<ns::Slider>({&COUglisRouge, &COUglisVert, &COUglisBleu}), "--a-u"},
        {"CMYK", Inscrits<ns::TextField>({&COUzoneCyan, &COUzoneMagenta, &COUzoneJaune, &COUzoneNoir}), "---ku"},
        {"CMYK sliders", Inscrits<ns::Slider>({&COUglisCyan, &COUglisMagenta, &COUglisJaune, &COUglisNoir}), "---ku"},
        {"percentage labels",
         Inscrits<ns::TextField>({&COUpourCentGrisCyan, &COUpourCentMagenta, &COUpourCentJaune, &COUpourCentNoir}),
         "huuuu"},
    };
    Groupe barre_ = {"top bar", Inscrits<ns::Button>({&PANvaroBT, &PANurlBT}), ""};
    std::vector<ns::Control*> selecteur_ = Inscrits<ns::PopUpButton>({&PANpopupPosLigColCad});
    std::vector<const Prise<ns::View>*> vues_ = {&PANEpaisseurLigColCadNSView, &PANPosXNbrLigNbrColNSView,
                                                 &PANHauteurCadreDeuxNSView, &PANgouttiereLigColCadNSView,
                                                 &PANdessinCorpsTableauNSView};
    std::vector<std::unique_ptr<ns::View>> autresVues_;
};

TEST_F(ActiverZonesTest, EachPageShowsItsGroupsAndTheToolDecidesWhatMayBeEdited)
{
    barre_.controles.push_back(selecteur_.front());
    const struct {
        bool cadre;
        double gouttiereCadre;
        bool titre, texte;
    } reglages[] = {{true, 3.2, true, true}, {true, 0, true, false},  {false, 0, false, true},
                    {true, 2, false, false}, {false, 2, true, false}, {false, 3.2, false, false}};
    for (const auto& r : reglages)
        for (int32_t page = -1; page <= 5; ++page)
            for (bool actif : {false, true}) {
                AvecSansCadre = r.cadre;
                GouttiereCadre = r.gouttiereCadre;
                AvecSansTitre = r.titre;
                AvecSansTexte = r.texte;
                IndexPopup = page;
                Temoins();
                for (ns::Control* c : barre_.controles)
                    c->setEnabled(!actif);

                EXPECT_EQ(ActiverZones(actif), 0);

                const std::string ou = "page " + std::to_string(page) + (actif ? ", tool selected" : ", tool not selected") +
                                       (r.cadre ? ", frame" : ", no frame") +
                                       ", gutter " + std::to_string(r.gouttiereCadre) + (r.titre ? ", title" : "") +
                                       (r.texte ? ", text" : "");
                for (const Groupe& g : groupes_)
                    Verifie(g, page >= 0 && page <= 4 ? g.pages[page] : 'u', actif, ou);
                // The top bar is only enabled or disabled, on every page.
                for (ns::Control* c : barre_.controles) {
                    EXPECT_TRUE(c->isHidden()) << "top bar, " << ou;
                    EXPECT_EQ(c->isEnabled(), actif) << "top bar, " << ou;
                }
                for (const auto& v : autresVues_)
                    EXPECT_FALSE(v->needsDisplay()) << "the icon buttons and the type-size view are redrawn, " << ou;
            }
}

TEST_F(ActiverZonesTest, AbsentControlsAreSkipped)
{
    Registre().efface();
    for (int32_t page = 0; page <= 4; ++page) {
        IndexPopup = page;
        EXPECT_EQ(ActiverZones(true), 0);
        EXPECT_EQ(ActiverZones(false), 0);
    }
}

} // namespace
