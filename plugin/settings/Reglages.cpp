#include "Reglages.h"

#include "JeuxDeCouleurs.h"

#include <cstring>
#include <initializer_list>

double PositionX;
double PositionY;
double LongueurTableau;
double HauteurTableau;

int32_t NombreDeLignes, NombreDeLignesProv, NombreDeLignesDefaut;
int32_t NombreDeColonnes, NombreDeColonnesProv, NombreDeColonnesDefaut;
double EpaisseurLignes, EpaisseurLignesProv, EpaisseurLignesDefaut;
double EpaisseurColonnes, EpaisseurColonnesProv, EpaisseurColonnesDefaut;
double EpaisseurCadre, EpaisseurCadreProv, EpaisseurCadreDefaut;
double EpaisseurCadreDeux, EpaisseurCadreDeuxProv, EpaisseurCadreDeuxDefaut;
double GouttiereLignes, GouttiereLignesProv, GouttiereLignesDefaut;
double GouttiereColonnes, GouttiereColonnesProv, GouttiereColonnesDefaut;
double GouttiereCadre, GouttiereCadreProv, GouttiereCadreDefaut;
double Corps, CorpsProv, CorpsDefaut;
int32_t NumeroPolice, NumeroPoliceProv, NumeroPoliceDefaut;

char NomPoliceDefaut[kLongueurNomPolice];
char NomPoliceProv[kLongueurNomPolice];
char NomPolice[kLongueurNomPolice];
int32_t KPOLICE;

bool AvecSansCadre;
bool AvecSansTitre;
bool AvecSansTexte;
char TitreTableau[kOctetsMaxTexte + 1];
char TexteCase[kOctetsMaxTexte + 1];

bool SonDefaut, SonProv;
bool OutilsGroupe, OutilsGroupeProv;
bool PanneauVisible;
char VirguleOuPoint;

bool TableauCree;
bool GroupeCree;
bool OKDrag;
bool DoitRedessiner;
bool OutilSelectionne;
AIRealPoint PositionCurseur;
AIRealPoint PosTexteAnno;
int32_t IndexPopup;

AIArtHandle AHGroupe;
AIArtHandle AHGroupeCadres;
AIArtHandle AHGroupeLI;
AIArtHandle AHGroupeCO;
AIArtHandle AHGroupeTI;
AIArtHandle AHGroupeTC;

AIPathStyle StyleLignes;
AIPathStyle StyleColonnes;
AIPathStyle StyleCadre;

void OublieSousGroupes()
{
    AHGroupeCadres = AHGroupeLI = AHGroupeCO = AHGroupeTI = AHGroupeTC = nullptr;
}

void RemetLesReglagesAZero()
{
    PositionX = PositionY = LongueurTableau = HauteurTableau = 0;
    for (int32_t* entier : {&NombreDeLignes, &NombreDeLignesProv, &NombreDeLignesDefaut, &NombreDeColonnes,
                            &NombreDeColonnesProv, &NombreDeColonnesDefaut, &NumeroPolice, &NumeroPoliceProv,
                            &NumeroPoliceDefaut, &KPOLICE, &IndexPopup})
        *entier = 0;
    for (double* reel : {&EpaisseurLignes,   &EpaisseurLignesProv,   &EpaisseurLignesDefaut,
                         &EpaisseurColonnes, &EpaisseurColonnesProv, &EpaisseurColonnesDefaut,
                         &EpaisseurCadre,    &EpaisseurCadreProv,    &EpaisseurCadreDefaut,
                         &EpaisseurCadreDeux, &EpaisseurCadreDeuxProv, &EpaisseurCadreDeuxDefaut,
                         &GouttiereLignes,   &GouttiereLignesProv,   &GouttiereLignesDefaut,
                         &GouttiereColonnes, &GouttiereColonnesProv, &GouttiereColonnesDefaut,
                         &GouttiereCadre,    &GouttiereCadreProv,    &GouttiereCadreDefaut,
                         &Corps,             &CorpsProv,             &CorpsDefaut})
        *reel = 0;
    for (char* texte : {NomPoliceDefaut, NomPoliceProv, NomPolice})
        std::memset(texte, 0, kLongueurNomPolice);
    std::memset(TitreTableau, 0, sizeof TitreTableau);
    std::memset(TexteCase, 0, sizeof TexteCase);
    for (bool* drapeau : {&AvecSansCadre, &AvecSansTitre, &AvecSansTexte, &SonDefaut, &SonProv, &OutilsGroupe,
                          &OutilsGroupeProv, &PanneauVisible, &TableauCree, &GroupeCree, &OKDrag, &DoitRedessiner,
                          &OutilSelectionne})
        *drapeau = false;
    VirguleOuPoint = '\0';
    PositionCurseur = PosTexteAnno = AIRealPoint{0, 0};
    AHGroupe = nullptr;
    OublieSousGroupes();
    StyleLignes = StyleColonnes = StyleCadre = AIPathStyle{};
    for (JeuCouleurs& jeu : JeuxCouleurs)
        jeu = JeuCouleurs{};
}
