// The controls plain code and custom views need, published once by the panel's controller
// when it wakes (G + the outlet's name without its prefix). Null until then: writing to an
// absent control does nothing.
#pragma once

#include "PopUpButton.h"
#include "TextField.h"
#include "Window.h"

extern ns::TextField* GzonePositionX;
extern ns::TextField* GzonePositionY;
extern ns::TextField* GzoneLongueurTableau;
extern ns::TextField* GzoneHauteurTableau;
extern ns::PopUpButton* GpopupPosLigColCad;
extern ns::View* GboutonReveilTableauNSView;
extern ns::Window* GdialoguePRE;
extern ns::Window* GdialogueABO;

// The fields and labels the interface theme recolours.
extern ns::TextField* GzoneNbrLignes;
extern ns::TextField* GzoneEpaisseurLignes;
extern ns::TextField* GzoneGouttiereLigne;
extern ns::TextField* GzoneNbrColonnes;
extern ns::TextField* GzoneEpaisseurColonnes;
extern ns::TextField* GzoneGouttiereColonne;
extern ns::TextField* GzoneEpaisseurCadre;
extern ns::TextField* GzoneEpaisseurCadreDeux;
extern ns::TextField* GzoneGouttiereCadre;
extern ns::TextField* GnomTitre;
extern ns::TextField* GnomTexte;
extern ns::TextField* GzoneCorps;
extern ns::TextField* GavecSansTexteTexte;
extern ns::TextField* GavecSansTitreTexte;
extern ns::TextField* GavecSansCadreTexte;
extern ns::TextField* GzoneGris;
extern ns::TextField* GzoneRouge;
extern ns::TextField* GzoneVert;
extern ns::TextField* GzoneBleu;
extern ns::TextField* GzoneCyan;
extern ns::TextField* GzoneMagenta;
extern ns::TextField* GzoneJaune;
extern ns::TextField* GzoneNoir;
extern ns::TextField* GpourCentGrisCyan;
extern ns::TextField* GpourCentMagenta;
extern ns::TextField* GpourCentJaune;
extern ns::TextField* GpourCentNoir;
extern ns::TextField* GlabelTexteGRC;
extern ns::TextField* GlabelTexteVM;
extern ns::TextField* GlabelTexteBJ;
extern ns::TextField* GlabelTexteN;
extern ns::TextField* GnumeroPage;

// Forgets every control, when the controller that owned them goes.
void EffaceMiroirs();
