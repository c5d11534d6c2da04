#include "DelegateTouchesTableau.h"

#include "ActionsCouleurs.h"
#include "ActiverZones.h"
#include "ControlesEditeur.h"
#include "Prises.h"
#include "PasAPas.h"
#include "Reglages.h"

#include <vector>

namespace {

// --- Tab and Shift-Tab ---

bool Toujours()
{
    return true;
}
bool AvecCadreInterieur()
{
    return GouttiereCadre != 0;
}
bool AvecTitre()
{
    return AvecSansTitre;
}
bool AvecTexte()
{
    return AvecSansTexte;
}
// The type size takes part only while a text is drawn.
bool AvecTitreOuTexte()
{
    return AvecSansTitre || AvecSansTexte;
}

struct ChampDuCycle {
    LitZone zone;
    bool (*present)();
};

// A page's fields before its colour fields, in the order Tab visits them.
struct CyclePage {
    ChampDuCycle champs[4];
    int nombre;
};

const CyclePage kCycles[5] = {
    {{{Zone<PANzonePositionX>, Toujours},
      {Zone<PANzonePositionY>, Toujours},
      {Zone<PANzoneLongueurTableau>, Toujours},
      {Zone<PANzoneHauteurTableau>, Toujours}},
     4},
    {{{Zone<PANzoneNbrLignes>, Toujours},
      {Zone<PANzoneEpaisseurLignes>, Toujours},
      {Zone<PANzoneGouttiereLigne>, Toujours}},
     3},
    {{{Zone<PANzoneNbrColonnes>, Toujours},
      {Zone<PANzoneEpaisseurColonnes>, Toujours},
      {Zone<PANzoneGouttiereColonne>, Toujours}},
     3},
    {{{Zone<PANzoneEpaisseurCadre>, Toujours},
      {Zone<PANzoneEpaisseurCadreDeux>, AvecCadreInterieur},
      {Zone<PANzoneGouttiereCadre>, Toujours}},
     3},
    {{{Zone<PANnomTitre>, AvecTitre}, {Zone<PANnomTexte>, AvecTexte}, {Zone<PANzoneCorps>, AvecTitreOuTexte}}, 3},
};

struct Cycle {
    std::vector<ns::TextField*> champs;
    bool boucle; // the last goes back to the first
};

// The page's cycle as things stand: its present fields, then the colour fields of its
// element's type. With a type that is none of the three, the page's own fields without
// wrapping, and on the text page none.
Cycle CycleDeLaPage(int32_t page)
{
    Cycle cycle{{}, true};
    int32_t type = TypeGris;
    if (page >= 1) {
        type = JeuxCouleurs[page - 1].TypeCouleur;
        if (type < TypeGris || type > TypeCMJN) {
            if (page == 4)
                return {};
            cycle.boucle = false;
        }
    }
    const CyclePage& p = kCycles[page];
    for (int i = 0; i < p.nombre; ++i)
        if (p.champs[i].present())
            cycle.champs.push_back(p.champs[i].zone());
    if (page >= 1 && cycle.boucle) {
        const DispositionType& d = kDispositions[type];
        for (int canal = d.premierCanal; canal < d.premierCanal + d.nombreCanaux; ++canal)
            cycle.champs.push_back(kControlesCanaux[canal].zone());
    }
    return cycle;
}

void ChangeDeChampDeLaPage(const ns::Control& controle, bool enAvant)
{
    if (IndexPopup < 0 || IndexPopup > 4)
        return;
    const Cycle cycle = CycleDeLaPage(IndexPopup);
    ChangeDeChamp(cycle.champs, cycle.boucle, controle, enAvant);
}

// --- The arrows ---

// The swatch draws the frame double or single; as with the gutter's commit, the inner
// thickness can be edited while there is an inner frame.
double EcritGouttiereCadre(double valeur)
{
    GouttiereCadre = valeur;
    ActiveSelonLesOptions(OutilSelectionne);
    if (auto* vue = PANdessinCouleursNSView())
        vue->display();
    return valeur;
}

// A channel of the page element's colour, as its slider would set it; on another page only
// the field changes.
template <int Canal>
double LitCanal()
{
    return IndexPopup >= 1 && IndexPopup <= 4 ? JeuxCouleurs[IndexPopup - 1].*kCanaux[Canal].champ : 0;
}

template <int Canal>
double EcritCanal(double valeur)
{
    if (IndexPopup < 1 || IndexPopup > 4)
        return valeur;
    ChangeCanal(Canal, valeur);
    RedessinePistesLiees(Canal);
    RedessineApercus();
    return LitCanal<Canal>();
}

using G = GenrePas;

// Steps in tenths: 1 (0.1), 10 (1), 20 (2), 50 (5), 100 (10). A length's come from its unit.
const std::vector<ChampPasAPas> kChampsPasAPas = {
    {Zone<PANzoneNbrLignes>, G::Compte, 10, 20, 1, kSansLimite, LitCompteStocke<NombreDeLignes>,
     EcritCompte<NombreDeLignes>},
    {Zone<PANzoneNbrColonnes>, G::Compte, 10, 20, 1, kSansLimite, LitCompteStocke<NombreDeColonnes>,
     EcritCompte<NombreDeColonnes>},
    {Zone<PANzonePositionX>, G::Longueur, 0, 0, kSansLimite, kSansLimite, LitMillimetresStockes<PositionX>,
     EcritMillimetres<PositionX>},
    {Zone<PANzonePositionY>, G::Longueur, 0, 0, kSansLimite, kSansLimite, LitMillimetresStockes<PositionY>,
     EcritMillimetres<PositionY>},
    {Zone<PANzoneLongueurTableau>, G::Longueur, 0, 0, kSansLimite, kSansLimite, LitMillimetresStockes<LongueurTableau>,
     EcritMillimetres<LongueurTableau>},
    {Zone<PANzoneHauteurTableau>, G::Longueur, 0, 0, kSansLimite, kSansLimite, LitMillimetresStockes<HauteurTableau>,
     EcritMillimetres<HauteurTableau>},
    {Zone<PANzoneEpaisseurLignes>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurLignes>,
     EcritPoints<EpaisseurLignes>},
    {Zone<PANzoneEpaisseurColonnes>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurColonnes>,
     EcritPoints<EpaisseurColonnes>},
    {Zone<PANzoneEpaisseurCadre>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurCadre>,
     EcritPoints<EpaisseurCadre>},
    {Zone<PANzoneEpaisseurCadreDeux>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<EpaisseurCadreDeux>,
     EcritPoints<EpaisseurCadreDeux>},
    {Zone<PANzoneGouttiereLigne>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereLignes>,
     EcritPoints<GouttiereLignes>},
    {Zone<PANzoneGouttiereColonne>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereColonnes>,
     EcritPoints<GouttiereColonnes>},
    {Zone<PANzoneGouttiereCadre>, G::Points, 1, 10, 0, kSansLimite, LitPointsStockes<GouttiereCadre>,
     EcritGouttiereCadre},
    // A size a text can be drawn at, whichever way the step goes.
    {Zone<PANzoneCorps>, G::Points, 1, 10, kCorpsMinimum, kCorpsMaximum, LitPointsStockes<Corps>, EcritPoints<Corps>,
     true},
    {Zone<COUzoneGris>, G::Canal, 10, 100, 0, 100, LitCanal<0>, EcritCanal<0>},
    {Zone<COUzoneRouge>, G::Canal, 10, 100, 0, 255, LitCanal<1>, EcritCanal<1>},
    {Zone<COUzoneVert>, G::Canal, 10, 100, 0, 255, LitCanal<2>, EcritCanal<2>},
    {Zone<COUzoneBleu>, G::Canal, 10, 100, 0, 255, LitCanal<3>, EcritCanal<3>},
    {Zone<COUzoneCyan>, G::Canal, 10, 100, 0, 100, LitCanal<4>, EcritCanal<4>},
    {Zone<COUzoneMagenta>, G::Canal, 10, 100, 0, 100, LitCanal<5>, EcritCanal<5>},
    {Zone<COUzoneJaune>, G::Canal, 10, 100, 0, 100, LitCanal<6>, EcritCanal<6>},
    {Zone<COUzoneNoir>, G::Canal, 10, 100, 0, 100, LitCanal<7>, EcritCanal<7>},
};

} // namespace

bool DelegateTouchesTableau::controlTextViewDoCommandBySelector(ns::Control& controle, ns::TextView&,
                                                                std::string_view commande)
{
    return CommandeDeChamp(commande, controle, kChampsPasAPas,
                           [&](bool enAvant) { ChangeDeChampDeLaPage(controle, enAvant); });
}
