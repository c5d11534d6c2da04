#include "MiseAJourZones.h"

#include "FormatNombres.h"
#include "Prises.h"
#include "Reglages.h"

void PANMiseAjourZoneEpaisseurLignes()
{
    AffichePoints(PANzoneEpaisseurLignes(), EpaisseurLignes);
}
void PANMiseAjourZoneEpaisseurColonnes()
{
    AffichePoints(PANzoneEpaisseurColonnes(), EpaisseurColonnes);
}
void PANMiseAjourZoneEpaisseurCadre()
{
    AffichePoints(PANzoneEpaisseurCadre(), EpaisseurCadre);
}
void PANMiseAjourZoneEpaisseurCadreDeux()
{
    AffichePoints(PANzoneEpaisseurCadreDeux(), EpaisseurCadreDeux);
}
void PANMiseAjourZoneGouttiereLignes()
{
    AffichePoints(PANzoneGouttiereLigne(), GouttiereLignes);
}
void PANMiseAjourZoneGouttiereColonnes()
{
    AffichePoints(PANzoneGouttiereColonne(), GouttiereColonnes);
}
void PANMiseAjourZoneGouttiereCadre()
{
    AffichePoints(PANzoneGouttiereCadre(), GouttiereCadre);
}
void PANmiseAjourZoneCorps()
{
    AffichePoints(PANzoneCorps(), Corps);
}

const ValeurEnPoints kEpaisseursEtGouttieres[7] = {
    {&EpaisseurLignes, &EpaisseurLignesDefaut, PANMiseAjourZoneEpaisseurLignes, PANzoneEpaisseurLignes,
     "Thickness of the lines."},
    {&EpaisseurColonnes, &EpaisseurColonnesDefaut, PANMiseAjourZoneEpaisseurColonnes, PANzoneEpaisseurColonnes,
     "Thickness of the columns."},
    {&EpaisseurCadre, &EpaisseurCadreDefaut, PANMiseAjourZoneEpaisseurCadre, PANzoneEpaisseurCadre,
     "Thickness of the outer frame."},
    {&EpaisseurCadreDeux, &EpaisseurCadreDeuxDefaut, PANMiseAjourZoneEpaisseurCadreDeux, PANzoneEpaisseurCadreDeux,
     "Thickness of the inner frame."},
    {&GouttiereLignes, &GouttiereLignesDefaut, PANMiseAjourZoneGouttiereLignes, PANzoneGouttiereLigne,
     "Gutter between rows."},
    {&GouttiereColonnes, &GouttiereColonnesDefaut, PANMiseAjourZoneGouttiereColonnes, PANzoneGouttiereColonne,
     "Gutter between columns."},
    {&GouttiereCadre, &GouttiereCadreDefaut, PANMiseAjourZoneGouttiereCadre, PANzoneGouttiereCadre,
     "Gutter of the frame."},
};

void RemetAuDefaut(const ValeurEnPoints& v)
{
    *v.valeur = *v.defaut;
    v.miseAJour();
}
