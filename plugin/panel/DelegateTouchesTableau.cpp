#include "DelegateTouchesTableau.h"

#include "ActionsCouleurs.h"
#include "ControlesEditeur.h"
#include "FormatNombres.h"
#include "LectureNombres.h"
#include "Miroirs.h"
#include "Reglages.h"
#include "SimuleAppuiTouche.h"
#include "TableauSuites.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
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

void ChangeDeChamp(const ns::Control& controle, bool enAvant)
{
    if (IndexPopup < 0 || IndexPopup > 4)
        return;
    const Cycle cycle = CycleDeLaPage(IndexPopup);
    const auto n = static_cast<int>(cycle.champs.size());
    // A field alone in its cycle has nowhere to go.
    if (n < 2)
        return;
    for (int i = 0; i < n; ++i) {
        if (cycle.champs[i] != &controle)
            continue;
        // A field that takes no focus (disabled: an inner thickness under a gutter below 0)
        // is passed over, in the same direction.
        int suivant = i;
        for (int pas = 1; pas < n; ++pas) {
            suivant += enAvant ? 1 : -1;
            if (suivant < 0 || suivant >= n) {
                if (!cycle.boucle)
                    return;
                suivant = (suivant + n) % n;
            }
            if (cycle.champs[suivant] != nullptr && cycle.champs[suivant]->acceptsFirstResponder()) {
                cycle.champs[suivant]->selectText(nullptr);
                return;
            }
        }
        return;
    }
}

// --- The arrows ---

enum class Lecture { Flottante, Decimale };

struct Pas {
    double pas;
    Lecture lecture;
};

constexpr double kSansLimite = std::numeric_limits<double>::quiet_NaN();

// A field the arrows step: its steps without and with Shift, its limits (each tested only in
// the direction of the step), the unit written after "%g", and what the value then becomes.
struct ChampPasAPas {
    LitZone zone;
    Pas normal, majuscule;
    double minimum, maximum;
    const char* unite;
    void (*ecrit)(double valeur);
};

// Whole counts saturate: a stepped count past 32 bits stays at the end of the range.
int32_t EntierSature(double valeur)
{
    constexpr double plusPetit = std::numeric_limits<int32_t>::min(), plusGrand = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(std::fmax(plusPetit, std::fmin(plusGrand, valeur))));
}

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

const ChampPasAPas kChampsPasAPas[] = {
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

void Avance(ns::TextField& zone, const ChampPasAPas& champ, int sens, bool majuscule)
{
    const Pas& pas = majuscule ? champ.majuscule : champ.normal;
    const double v = pas.lecture == Lecture::Decimale ? RecupereValeurDecimale(&zone)
                                                      : ValeurFlottante(zone.stringValue());
    // The next multiple of the step, halves away from zero.
    double x = std::round(v / pas.pas + sens) * pas.pas;
    if (sens < 0 && x < champ.minimum)
        x = champ.minimum;
    if (sens > 0 && x > champ.maximum)
        x = champ.maximum;
    // A step that lands on zero from below shows 0, not -0.
    x += 0.0;
    char texte[64];
    std::snprintf(texte, sizeof texte, "%g%s", x, champ.unite);
    zone.setStringValue(AvecSeparateur(texte));
    champ.ecrit(x);
    SimuleAppuiToucheFn();
}

void PasAPas(ns::Control& controle, int sens, bool majuscule)
{
    for (const ChampPasAPas& champ : kChampsPasAPas) {
        ns::TextField* zone = champ.zone();
        if (zone == &controle) {
            Avance(*zone, champ, sens, majuscule);
            return;
        }
    }
}

} // namespace

bool DelegateTouchesTableau::controlTextViewDoCommandBySelector(ns::Control& controle, ns::TextView&,
                                                                std::string_view commande)
{
    if (commande == "insertTab:" || commande == "insertBacktab:") {
        ChangeDeChamp(controle, commande == "insertTab:");
        return true;
    }
    struct Fleche {
        std::string_view commande;
        int sens;
        bool majuscule;
    };
    constexpr Fleche kFleches[] = {{"moveUp:", 1, false},
                                   {"moveDown:", -1, false},
                                   {"moveUpAndModifySelection:", 1, true},
                                   {"moveDownAndModifySelection:", -1, true}};
    for (const Fleche& f : kFleches)
        if (commande == f.commande) {
            // A step writes the store and rebuilds: without the host's suites, it is taken
            // and does nothing.
            if (!IgnoreSansSuites(std::string(commande).c_str()))
                PasAPas(controle, f.sens, f.majuscule);
            return true;
        }
    return false;
}
