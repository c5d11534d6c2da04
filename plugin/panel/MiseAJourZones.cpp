#include "MiseAJourZones.h"

#include "FormatNombres.h"
#include "Miroirs.h"
#include "Reglages.h"

void PANMiseAjourZoneEpaisseurLignes()
{
    AffichePoints(GzoneEpaisseurLignes, EpaisseurLignes);
}

void PANMiseAjourZoneEpaisseurColonnes()
{
    AffichePoints(GzoneEpaisseurColonnes, EpaisseurColonnes);
}

void PANMiseAjourZoneEpaisseurCadre()
{
    AffichePoints(GzoneEpaisseurCadre, EpaisseurCadre);
}

void PANMiseAjourZoneEpaisseurCadreDeux()
{
    AffichePoints(GzoneEpaisseurCadreDeux, EpaisseurCadreDeux);
}

void PANMiseAjourZoneGouttiereLignes()
{
    AffichePoints(GzoneGouttiereLigne, GouttiereLignes);
}

void PANMiseAjourZoneGouttiereColonnes()
{
    AffichePoints(GzoneGouttiereColonne, GouttiereColonnes);
}

void PANMiseAjourZoneGouttiereCadre()
{
    AffichePoints(GzoneGouttiereCadre, GouttiereCadre);
}

void PANmiseAjourZoneCorps()
{
    AffichePoints(GzoneCorps, Corps);
}
