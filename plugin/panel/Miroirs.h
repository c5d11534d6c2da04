// The controls plain code and custom views reach: the panel's controller publishes its
// outlets here once, when it wakes (G + the outlet's name without its PAN or COU prefix, with
// the few exceptions the outlet table names). Null until then: writing to an absent control
// does nothing. The controller owns the controls; these only name them.
#pragma once

#include "Button.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "Slider.h"
#include "TextField.h"
#include "View.h"
#include "Window.h"

// The panel: its top level, the top bar and the page selector.
extern ns::View* GdialoguePAN;
extern ns::PopUpButton* GpopupPosLigColCad;
extern ns::Button* GvaroBT;
extern ns::Button* GurlBT;

// Page 0, position and size.
extern ns::TextField* GzonePositionX;
extern ns::TextField* GzonePositionY;
extern ns::TextField* GzoneLongueurTableau;
extern ns::TextField* GzoneHauteurTableau;
extern ns::Button* GstepPlusPositionX;
extern ns::Button* GstepMoinsPositionX;
extern ns::Button* GstepPlusPositionY;
extern ns::Button* GstepMoinsPositionY;
extern ns::Button* GstepPlusLongueurTableau;
extern ns::Button* GstepMoinsLongueurTableau;
extern ns::Button* GstepPlusHauteurTableau;
extern ns::Button* GstepMoinsHauteurTableau;

// Page 1, rows.
extern ns::ComboBox* GzoneNbrLignes;
extern ns::Button* GstepPlusNbrLignes;
extern ns::Button* GstepMoinsNbrLignes;
extern ns::ComboBox* GzoneEpaisseurLignes;
extern ns::ComboBox* GzoneGouttiereLigne;

// Page 2, columns.
extern ns::ComboBox* GzoneNbrColonnes;
extern ns::Button* GstepPlusNbrColonnes;
extern ns::Button* GstepMoinsNbrColonnes;
extern ns::ComboBox* GzoneEpaisseurColonnes;
extern ns::ComboBox* GzoneGouttiereColonne;

// Page 3, frame.
extern ns::Button* GavecSansCadre;
extern ns::TextField* GavecSansCadreTexte;
extern ns::ComboBox* GzoneEpaisseurCadre;
extern ns::ComboBox* GzoneEpaisseurCadreDeux;
extern ns::ComboBox* GzoneGouttiereCadre;

// Page 4, text.
extern ns::PopUpButton* GlistePolices;
extern ns::ComboBox* GzoneCorps;
extern ns::Button* GavecSansTitre;
extern ns::TextField* GavecSansTitreTexte;
extern ns::TextField* GnomTitre;
extern ns::Button* GavecSansTexte;
extern ns::TextField* GavecSansTexteTexte;
extern ns::TextField* GnomTexte;

// The panel's custom views, the help page label, the wake button and the hidden buttons.
extern ns::View* GdessinCorpsTableauNSView;
extern ns::View* GPosXNbrLigNbrColNSView;
extern ns::View* GHauteurCadreDeuxNSView;
extern ns::View* GgouttiereLigColCadNSView;
extern ns::View* GepaisseurLigColCadNSView;
extern ns::View* GdessinCouleursNSView;
extern ns::TextField* GnumeroPage;
extern ns::View* GboutonReveilTableauNSView;
extern ns::Button* GbidonAcquisitionTableau;
extern ns::Button* GbidonActiveOutilTableau;

// The colour editor.
extern ns::PopUpButton* GpopUpTypeCouleur;
extern ns::TextField* GzoneGris;
extern ns::TextField* GzoneRouge;
extern ns::TextField* GzoneVert;
extern ns::TextField* GzoneBleu;
extern ns::TextField* GzoneCyan;
extern ns::TextField* GzoneMagenta;
extern ns::TextField* GzoneJaune;
extern ns::TextField* GzoneNoir;
extern ns::Slider* GglisGris;
extern ns::Slider* GglisRouge;
extern ns::Slider* GglisVert;
extern ns::Slider* GglisBleu;
extern ns::Slider* GglisCyan;
extern ns::Slider* GglisMagenta;
extern ns::Slider* GglisJaune;
extern ns::Slider* GglisNoir;
extern ns::View* GinterieurGlisGris;
extern ns::View* GinterieurGlisRouge;
extern ns::View* GinterieurGlisVert;
extern ns::View* GinterieurGlisBleu;
extern ns::View* GinterieurGlisCyan;
extern ns::View* GinterieurGlisMagenta;
extern ns::View* GinterieurGlisJaune;
extern ns::View* GinterieurGlisNoir;
extern ns::TextField* GpourCentGrisCyan;
extern ns::TextField* GpourCentMagenta;
extern ns::TextField* GpourCentJaune;
extern ns::TextField* GpourCentNoir;
extern ns::TextField* GlabelTexteGRC;
extern ns::TextField* GlabelTexteVM;
extern ns::TextField* GlabelTexteBJ;
extern ns::TextField* GlabelTexteN;
extern ns::View* GtoutesGlissieresNSView;

// The preferences dialog.
extern ns::Window* GdialoguePRE;
extern ns::Button* GpreOKbouton;
extern ns::ComboBox* GpreZoneCorps;
extern ns::ComboBox* GpreZoneEpaisseurLignes;
extern ns::ComboBox* GpreZoneEpaisseurColonnes;
extern ns::ComboBox* GpreZoneEpaisseurCadre;
extern ns::ComboBox* GpreZoneEpaisseurCadreDeux;
extern ns::ComboBox* GpreZoneGouttiereLigne;
extern ns::ComboBox* GpreZoneGouttiereColonne;
extern ns::ComboBox* GpreZoneGouttiereCadre;
extern ns::ComboBox* GpreZoneNombreLignes;
extern ns::ComboBox* GpreZoneNombreColonnes;
extern ns::View* GpreNbrLigNSView;
extern ns::View* GpreNbrColNSView;
extern ns::View* GpreEpaisseurLignesNSView;
extern ns::View* GpreGouttiereLignesNSView;
extern ns::View* GpreEpaisseurColonnesNSView;
extern ns::View* GpreGouttiereColonnesNSView;
extern ns::View* GpreEpaisseurCadreNSView;
extern ns::View* GpreEpaisseurCadreDeuxNSView;
extern ns::View* GpreGouttiereCadreNSView;

// The about box.
extern ns::Window* GdialogueABO;

// Forgets every control, when the controller that owned them goes.
void EffaceMiroirs();

// A field's mirror as it holds the field when asked: tables of fields are made before the
// mirrors are filled.
template <auto& Miroir>
ns::TextField* Zone()
{
    return Miroir;
}
using LitZone = ns::TextField* (*)();
