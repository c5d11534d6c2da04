#include "MiseAJourZones.h"

#include "FormatNombres.h"
#include "Miroirs.h"
#include "Reglages.h"

void PANMiseAjourZoneEpaisseurLignes() { AffichePoints(GzoneEpaisseurLignes, EpaisseurLignes); }
void PANMiseAjourZoneEpaisseurColonnes() { AffichePoints(GzoneEpaisseurColonnes, EpaisseurColonnes); }
void PANMiseAjourZoneEpaisseurCadre() { AffichePoints(GzoneEpaisseurCadre, EpaisseurCadre); }
void PANMiseAjourZoneEpaisseurCadreDeux() { AffichePoints(GzoneEpaisseurCadreDeux, EpaisseurCadreDeux); }
void PANMiseAjourZoneGouttiereLignes() { AffichePoints(GzoneGouttiereLigne, GouttiereLignes); }
void PANMiseAjourZoneGouttiereColonnes() { AffichePoints(GzoneGouttiereColonne, GouttiereColonnes); }
void PANMiseAjourZoneGouttiereCadre() { AffichePoints(GzoneGouttiereCadre, GouttiereCadre); }
void PANmiseAjourZoneCorps() { AffichePoints(GzoneCorps, Corps); }

const ValeurEnPoints kEpaisseursEtGouttieres[7] = {
    {&EpaisseurLignes, &EpaisseurLignesDefaut, PANMiseAjourZoneEpaisseurLignes, &GzoneEpaisseurLignes,
     "Thickness of the lines."},
    {&EpaisseurColonnes, &EpaisseurColonnesDefaut, PANMiseAjourZoneEpaisseurColonnes, &GzoneEpaisseurColonnes,
     "Thickness of the columns."},
    {&EpaisseurCadre, &EpaisseurCadreDefaut, PANMiseAjourZoneEpaisseurCadre, &GzoneEpaisseurCadre,
     "Thickness of the outer frame."},
    {&EpaisseurCadreDeux, &EpaisseurCadreDeuxDefaut, PANMiseAjourZoneEpaisseurCadreDeux, &GzoneEpaisseurCadreDeux,
     "Thickness of the inner frame."},
    {&GouttiereLignes, &GouttiereLignesDefaut, PANMiseAjourZoneGouttiereLignes, &GzoneGouttiereLigne,
     "Gutter between rows."},
    {&GouttiereColonnes, &GouttiereColonnesDefaut, PANMiseAjourZoneGouttiereColonnes, &GzoneGouttiereColonne,
     "Gutter between columns."},
    {&GouttiereCadre, &GouttiereCadreDefaut, PANMiseAjourZoneGouttiereCadre, &GzoneGouttiereCadre,
     "Gutter of the frame."},
};

void RemetAuDefaut(const ValeurEnPoints& v)
{
    *v.valeur = *v.defaut;
    v.miseAJour();
}
