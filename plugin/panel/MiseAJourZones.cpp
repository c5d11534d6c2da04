#include "MiseAJourZones.h"

#include "FormatNombres.h"
#include "Miroirs.h"
#include "Reglages.h"

namespace {

void ValideMillimetres(ns::TextField* zone, double& reglage)
{
    const std::string texte = TexteAvecUnite(reglage, " mm");
    reglage *= kPointsParMillimetre;
    if (zone != nullptr)
        zone->setStringValue(texte);
}

void ValidePoints(ns::TextField* zone, double reglage)
{
    if (zone != nullptr)
        zone->setStringValue(TexteAvecUnite(reglage, " pt"));
}

} // namespace

void PANMiseAjourZoneEpaisseurLignes() { AffichePoints(GzoneEpaisseurLignes, EpaisseurLignes); }
void PANMiseAjourZoneEpaisseurColonnes() { AffichePoints(GzoneEpaisseurColonnes, EpaisseurColonnes); }
void PANMiseAjourZoneEpaisseurCadre() { AffichePoints(GzoneEpaisseurCadre, EpaisseurCadre); }
void PANMiseAjourZoneEpaisseurCadreDeux() { AffichePoints(GzoneEpaisseurCadreDeux, EpaisseurCadreDeux); }
void PANMiseAjourZoneGouttiereLignes() { AffichePoints(GzoneGouttiereLigne, GouttiereLignes); }
void PANMiseAjourZoneGouttiereColonnes() { AffichePoints(GzoneGouttiereColonne, GouttiereColonnes); }
void PANMiseAjourZoneGouttiereCadre() { AffichePoints(GzoneGouttiereCadre, GouttiereCadre); }
void PANmiseAjourZoneCorps() { AffichePoints(GzoneCorps, Corps); }

void PANMiseAjourGouttiereLigne() { ValidePoints(GzoneGouttiereLigne, GouttiereLignes); }
void PANMiseAjourGouttiereColonne() { ValidePoints(GzoneGouttiereColonne, GouttiereColonnes); }
void PANMiseAjourGouttiereCadre() { ValidePoints(GzoneGouttiereCadre, GouttiereCadre); }

void PANMiseAjourPositionX() { ValideMillimetres(GzonePositionX, PositionX); }
void PANMiseAjourPositionY() { ValideMillimetres(GzonePositionY, PositionY); }
void PANMiseAjourLongueurTableau() { ValideMillimetres(GzoneLongueurTableau, LongueurTableau); }
void PANMiseAjourHauteurTableau() { ValideMillimetres(GzoneHauteurTableau, HauteurTableau); }

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
