#include "DelegateTouchesTableau.h"

#include "ActionsCouleurs.h"
#include "ControlesEditeur.h"
#include "FormatNombres.h"
#include "Miroirs.h"
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
    {{{Zone<GzonePositionX>, Toujours},
      {Zone<GzonePositionY>, Toujours},
      {Zone<GzoneLongueurTableau>, Toujours},
      {Zone<GzoneHauteurTableau>, Toujours}},
     4},
    {{{Zone<GzoneNbrLignes>, Toujours}, {Zone<GzoneEpaisseurLignes>, Toujours}, {Zone<GzoneGouttiereLigne>, Toujours}},
     3},
    {{{Zone<GzoneNbrColonnes>, Toujours},
      {Zone<GzoneEpaisseurColonnes>, Toujours},
      {Zone<GzoneGouttiereColonne>, Toujours}},
     3},
    {{{Zone<GzoneEpaisseurCadre>, Toujours},
      {Zone<GzoneEpaisseurCadreDeux>, AvecCadreInterieur},
      {Zone<GzoneGouttiereCadre>, Toujours}},
     3},
    {{{Zone<GnomTitre>, AvecTitre}, {Zone<GnomTexte>, AvecTexte}, {Zone<GzoneCorps>, AvecTitreOuTexte}}, 3},
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
            cycle.champs.push_back(*kMiroirsCanaux[canal].zone);
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

template <int32_t& Reglage>
void EcritCompte(double valeur)
{
    Reglage = EntierSature(valeur);
}

template <double& Reglage>
void EcritMillimetres(double valeur)
{
    Reglage = valeur * kPointsParMillimetre;
}

template <double& Reglage>
void EcritPoints(double valeur)
{
    Reglage = valeur;
}

// The swatch draws the frame double or single; as with the gutter's commit, the inner
// thickness can be edited while there is an inner frame.
void EcritGouttiereCadre(double valeur)
{
    GouttiereCadre = valeur;
    if (GzoneEpaisseurCadreDeux != nullptr)
        GzoneEpaisseurCadreDeux->setEnabled(GouttiereCadre > 0);
    if (GdessinCouleursNSView != nullptr)
        GdessinCouleursNSView->display();
}

// A channel of the page element's colour, as its slider would set it; on another page only
// the field changes.
template <int Canal>
void EcritCanal(double valeur)
{
    if (IndexPopup < 1 || IndexPopup > 4)
        return;
    ChangeCanal(Canal, valeur);
    RedessinePistesLiees(Canal);
    RedessineApercus();
}

constexpr Pas kUn{1, Lecture::Flottante}, kDeux{2, Lecture::Flottante}, kCinq{5, Lecture::Flottante},
    kDix{10, Lecture::Flottante}, kDixieme{0.1, Lecture::Decimale};

const std::vector<ChampPasAPas> kChampsPasAPas = {
    {Zone<GzoneNbrLignes>, kUn, kDeux, 1, kSansLimite, "", EcritCompte<NombreDeLignes>},
    {Zone<GzoneNbrColonnes>, kUn, kDeux, 1, kSansLimite, "", EcritCompte<NombreDeColonnes>},
    {Zone<GzonePositionX>, kUn, kCinq, kSansLimite, kSansLimite, " mm", EcritMillimetres<PositionX>},
    {Zone<GzonePositionY>, kUn, kCinq, kSansLimite, kSansLimite, " mm", EcritMillimetres<PositionY>},
    {Zone<GzoneLongueurTableau>, kUn, kCinq, kSansLimite, kSansLimite, " mm", EcritMillimetres<LongueurTableau>},
    {Zone<GzoneHauteurTableau>, kUn, kCinq, kSansLimite, kSansLimite, " mm", EcritMillimetres<HauteurTableau>},
    {Zone<GzoneEpaisseurLignes>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurLignes>},
    {Zone<GzoneEpaisseurColonnes>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurColonnes>},
    {Zone<GzoneEpaisseurCadre>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurCadre>},
    {Zone<GzoneEpaisseurCadreDeux>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<EpaisseurCadreDeux>},
    {Zone<GzoneGouttiereLigne>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<GouttiereLignes>},
    {Zone<GzoneGouttiereColonne>, kDixieme, kUn, 0, kSansLimite, " pt", EcritPoints<GouttiereColonnes>},
    {Zone<GzoneGouttiereCadre>, kDixieme, kUn, 0, kSansLimite, " pt", EcritGouttiereCadre},
    {Zone<GzoneCorps>, kDixieme, kUn, 0.1, kSansLimite, " pt", EcritPoints<Corps>},
    {Zone<GzoneGris>, kUn, kDix, 0, 100, "", EcritCanal<0>},
    {Zone<GzoneRouge>, kUn, kDix, 0, 255, "", EcritCanal<1>},
    {Zone<GzoneVert>, kUn, kDix, 0, 255, "", EcritCanal<2>},
    {Zone<GzoneBleu>, kUn, kDix, 0, 255, "", EcritCanal<3>},
    {Zone<GzoneCyan>, kUn, kDix, 0, 100, "", EcritCanal<4>},
    {Zone<GzoneMagenta>, kUn, kDix, 0, 100, "", EcritCanal<5>},
    {Zone<GzoneJaune>, kUn, kDix, 0, 100, "", EcritCanal<6>},
    {Zone<GzoneNoir>, kUn, kDix, 0, 100, "", EcritCanal<7>},
};

} // namespace

bool DelegateTouchesTableau::controlTextViewDoCommandBySelector(ns::Control& controle, ns::TextView&,
                                                                std::string_view commande)
{
    return CommandeDeChamp(commande, controle, kChampsPasAPas,
                           [&](bool enAvant) { ChangeDeChampDeLaPage(controle, enAvant); });
}
