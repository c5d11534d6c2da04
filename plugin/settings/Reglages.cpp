#include "Reglages.h"

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
char TitreTableau[kLongueurMaxTexte + 1];
char TexteCase[kLongueurMaxTexte + 1];

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
