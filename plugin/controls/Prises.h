// The controls of the interface file "TableauDialogue" that the plug-in names, one row each:
// its identifier in the file, the class its object has (the plug-in's own views by their
// toolkit class; `en<Classe>()` gives them as their own). The panel (PAN), the colour editor
// (COU), the preferences dialog (PRE) and the about box (ABO). A new control is one row here
// and one object in the file.
#pragma once

#include "Registre.h"

#include "Button.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "ScrollView.h"
#include "Slider.h"
#include "TextField.h"
#include "TextView.h"
#include "View.h"
#include "Window.h"

// The panel: its top level, the top bar and the page selector.
inline const Prise<ns::View> PANdialogue{"PANdialogue"};
inline const Prise<ns::PopUpButton> PANpopupPosLigColCad{"PANpopupPosLigColCad"};
inline const Prise<ns::Button> PANvaroBT{"PANvaroBT"};
inline const Prise<ns::Button> PANurlBT{"PANurlBT"};

// Page 0, position and size.
inline const Prise<ns::TextField> PANzonePositionX{"PANzonePositionX"};
inline const Prise<ns::TextField> PANzonePositionY{"PANzonePositionY"};
inline const Prise<ns::TextField> PANzoneLongueurTableau{"PANzoneLongueurTableau"};
inline const Prise<ns::TextField> PANzoneHauteurTableau{"PANzoneHauteurTableau"};
inline const Prise<ns::Button> PANstepPlusPositionX{"PANstepPlusPositionX"};
inline const Prise<ns::Button> PANstepMoinsPositionX{"PANstepMoinsPositionX"};
inline const Prise<ns::Button> PANstepPlusPositionY{"PANstepPlusPositionY"};
inline const Prise<ns::Button> PANstepMoinsPositionY{"PANstepMoinsPositionY"};
inline const Prise<ns::Button> PANstepPlusLongueurTableau{"PANstepPlusLongueurTableau"};
inline const Prise<ns::Button> PANstepMoinsLongueurTableau{"PANstepMoinsLongueurTableau"};
inline const Prise<ns::Button> PANstepPlusHauteurTableau{"PANstepPlusHauteurTableau"};
inline const Prise<ns::Button> PANstepMoinsHauteurTableau{"PANstepMoinsHauteurTableau"};

// Page 1, rows.
inline const Prise<ns::ComboBox> PANzoneNbrLignes{"PANzoneNbrLignes"};
inline const Prise<ns::Button> PANstepPlusNbrLignes{"PANstepPlusNbrLignes"};
inline const Prise<ns::Button> PANstepMoinsNbrLignes{"PANstepMoinsNbrLignes"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurLignes{"PANzoneEpaisseurLignes"};
inline const Prise<ns::ComboBox> PANzoneGouttiereLigne{"PANzoneGouttiereLigne"};

// Page 2, columns.
inline const Prise<ns::ComboBox> PANzoneNbrColonnes{"PANzoneNbrColonnes"};
inline const Prise<ns::Button> PANstepPlusNbrColonnes{"PANstepPlusNbrColonnes"};
inline const Prise<ns::Button> PANstepMoinsNbrColonnes{"PANstepMoinsNbrColonnes"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurColonnes{"PANzoneEpaisseurColonnes"};
inline const Prise<ns::ComboBox> PANzoneGouttiereColonne{"PANzoneGouttiereColonne"};

// Page 3, frame.
inline const Prise<ns::Button> PANavecSansCadre{"PANavecSansCadre"};
inline const Prise<ns::TextField> PANavecSansCadreTexte{"PANavecSansCadreTexte"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurCadre{"PANzoneEpaisseurCadre"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurCadreDeux{"PANzoneEpaisseurCadreDeux"};
inline const Prise<ns::ComboBox> PANzoneGouttiereCadre{"PANzoneGouttiereCadre"};

// Page 4, text.
inline const Prise<ns::PopUpButton> PANlistePolices{"PANlistePolices"};
inline const Prise<ns::ComboBox> PANzoneCorps{"PANzoneCorps"};
inline const Prise<ns::Button> PANavecSansTitre{"PANavecSansTitre"};
inline const Prise<ns::TextField> PANavecSansTitreTexte{"PANavecSansTitreTexte"};
inline const Prise<ns::TextField> PANnomTitre{"PANnomTitre"};
inline const Prise<ns::Button> PANavecSansTexte{"PANavecSansTexte"};
inline const Prise<ns::TextField> PANavecSansTexteTexte{"PANavecSansTexteTexte"};
inline const Prise<ns::TextField> PANnomTexte{"PANnomTexte"};

// The panel's custom views, the help, the wake button and the hidden buttons.
inline const Prise<ns::View> PANdessinCorpsTableauNSView{"PANdessinCorpsTableauNSView"};  // DessinCorpsTableau
inline const Prise<ns::View> PANPosXNbrLigNbrColNSView{"PANPosXNbrLigNbrColNSView"};  // BoutonIcone
inline const Prise<ns::View> PANHauteurCadreDeuxNSView{"PANHauteurCadreDeuxNSView"};  // BoutonIcone
inline const Prise<ns::View> PANgouttiereLigColCadNSView{"PANgouttiereLigColCadNSView"};  // BoutonIcone
inline const Prise<ns::View> PANEpaisseurLigColCadNSView{"PANEpaisseurLigColCadNSView"};  // BoutonIcone
inline const Prise<ns::View> PANdessinCouleursNSView{"PANdessinCouleursNSView"};  // DessinCouleurs
inline const Prise<ns::ScrollView> PANaideScrollView{"PANaideScrollView"};
inline const Prise<ns::TextView> PANaide{"PANaide"};
inline const Prise<ns::Button> PANaidePageAvant{"PANaidePageAvant"};
inline const Prise<ns::Button> PANaidePageApres{"PANaidePageApres"};
inline const Prise<ns::TextField> PANnumeroPage{"PANnumeroPage"};
inline const Prise<ns::View> BoutonReveilTableauNSView{"BoutonReveilTableauNSView"};  // BoutonReveilTableau
inline const Prise<ns::Button> BidonAcquisitionTableau{"BidonAcquisitionTableau"};
inline const Prise<ns::Button> BidonActiveOutilTableau{"BidonActiveOutilTableau"};

// The colour editor.
inline const Prise<ns::PopUpButton> COUpopUpTypeCouleur{"COUpopUpTypeCouleur"};
inline const Prise<ns::TextField> COUzoneGris{"COUzoneGris"};
inline const Prise<ns::TextField> COUzoneRouge{"COUzoneRouge"};
inline const Prise<ns::TextField> COUzoneVert{"COUzoneVert"};
inline const Prise<ns::TextField> COUzoneBleu{"COUzoneBleu"};
inline const Prise<ns::TextField> COUzoneCyan{"COUzoneCyan"};
inline const Prise<ns::TextField> COUzoneMagenta{"COUzoneMagenta"};
inline const Prise<ns::TextField> COUzoneJaune{"COUzoneJaune"};
inline const Prise<ns::TextField> COUzoneNoir{"COUzoneNoir"};
inline const Prise<ns::Slider> COUglisGris{"COUglisGris"};
inline const Prise<ns::Slider> COUglisRouge{"COUglisRouge"};
inline const Prise<ns::Slider> COUglisVert{"COUglisVert"};
inline const Prise<ns::Slider> COUglisBleu{"COUglisBleu"};
inline const Prise<ns::Slider> COUglisCyan{"COUglisCyan"};
inline const Prise<ns::Slider> COUglisMagenta{"COUglisMagenta"};
inline const Prise<ns::Slider> COUglisJaune{"COUglisJaune"};
inline const Prise<ns::Slider> COUglisNoir{"COUglisNoir"};
inline const Prise<ns::View> COUinterieurGlisGris{"COUinterieurGlisGris"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisRouge{"COUinterieurGlisRouge"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisVert{"COUinterieurGlisVert"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisBleu{"COUinterieurGlisBleu"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisCyan{"COUinterieurGlisCyan"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisMagenta{"COUinterieurGlisMagenta"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisJaune{"COUinterieurGlisJaune"};  // GlissiereInterieurTableau
inline const Prise<ns::View> COUinterieurGlisNoir{"COUinterieurGlisNoir"};  // GlissiereInterieurTableau
inline const Prise<ns::TextField> COUpourCentGrisCyan{"COUpourCentGrisCyan"};
inline const Prise<ns::TextField> COUpourCentMagenta{"COUpourCentMagenta"};
inline const Prise<ns::TextField> COUpourCentJaune{"COUpourCentJaune"};
inline const Prise<ns::TextField> COUpourCentNoir{"COUpourCentNoir"};
inline const Prise<ns::View> COUlabelGRC{"COUlabelGRC"};  // BoutonLabel
inline const Prise<ns::View> COUlabelVM{"COUlabelVM"};  // BoutonLabel
inline const Prise<ns::View> COUlabelBJ{"COUlabelBJ"};  // BoutonLabel
inline const Prise<ns::View> COUlabelN{"COUlabelN"};  // BoutonLabel
inline const Prise<ns::TextField> COUlabelTexteGRC{"COUlabelTexteGRC"};
inline const Prise<ns::TextField> COUlabelTexteVM{"COUlabelTexteVM"};
inline const Prise<ns::TextField> COUlabelTexteBJ{"COUlabelTexteBJ"};
inline const Prise<ns::TextField> COUlabelTexteN{"COUlabelTexteN"};
inline const Prise<ns::View> COUtoutesGlissieresNSView{"COUtoutesGlissieresNSView"};  // BoutonToutesGlissieres

// The preferences dialog.
inline const Prise<ns::Window> PREdialogue{"PREdialogue"};
inline const Prise<ns::Button> PREokBT{"PREokBT"};
inline const Prise<ns::Button> PREannulerBT{"PREannulerBT"};
inline const Prise<ns::Button> PREdefautBT{"PREdefautBT"};
inline const Prise<ns::ComboBox> PREzoneCorps{"PREzoneCorps"};
inline const Prise<ns::ComboBox> PREzoneEpaisseurLignes{"PREzoneEpaisseurLignes"};
inline const Prise<ns::ComboBox> PREzoneEpaisseurColonnes{"PREzoneEpaisseurColonnes"};
inline const Prise<ns::ComboBox> PREzoneEpaisseurCadre{"PREzoneEpaisseurCadre"};
inline const Prise<ns::ComboBox> PREzoneEpaisseurCadreDeux{"PREzoneEpaisseurCadreDeux"};
inline const Prise<ns::ComboBox> PREzoneGouttiereLigne{"PREzoneGouttiereLigne"};
inline const Prise<ns::ComboBox> PREzoneGouttiereColonne{"PREzoneGouttiereColonne"};
inline const Prise<ns::ComboBox> PREzoneGouttiereCadre{"PREzoneGouttiereCadre"};
inline const Prise<ns::ComboBox> PREzoneNombreLignes{"PREzoneNombreLignes"};
inline const Prise<ns::ComboBox> PREzoneNombreColonnes{"PREzoneNombreColonnes"};
inline const Prise<ns::PopUpButton> PRElistePolices{"PRElistePolices"};
inline const Prise<ns::Button> PREson{"PREson"};
inline const Prise<ns::Button> PREoutilGroupe{"PREoutilGroupe"};
inline const Prise<ns::TextField> PREprochainLancement{"PREprochainLancement"};
inline const Prise<ns::View> PREdessinTNSVIEW{"PREdessinTNSVIEW"};  // DessinCorpsTableauPrefs
inline const Prise<ns::View> PREnbrLignesNSView{"PREnbrLignesNSView"};  // BoutonIcone
inline const Prise<ns::View> PREnbrColonnesNSView{"PREnbrColonnesNSView"};  // BoutonIcone
inline const Prise<ns::View> PREepaisseurLignesNSView{"PREepaisseurLignesNSView"};  // BoutonIcone
inline const Prise<ns::View> PREgouttiereLignesNSView{"PREgouttiereLignesNSView"};  // BoutonIcone
inline const Prise<ns::View> PREepaisseurColonnesNSView{"PREepaisseurColonnesNSView"};  // BoutonIcone
inline const Prise<ns::View> PREgouttiereColonnesNSView{"PREgouttiereColonnesNSView"};  // BoutonIcone
inline const Prise<ns::View> PREepaisseurCadreNSView{"PREepaisseurCadreNSView"};  // BoutonIcone
inline const Prise<ns::View> PREepaisseurCadreDeuxNSView{"PREepaisseurCadreDeuxNSView"};  // BoutonIcone
inline const Prise<ns::View> PREgouttiereCadreNSView{"PREgouttiereCadreNSView"};  // BoutonIcone

// The about box.
inline const Prise<ns::Window> ABOdialogue{"ABOdialogue"};
inline const Prise<ns::TextField> ABOversion{"ABOversion"};
inline const Prise<ns::Button> ABOadresse{"ABOadresse"};
inline const Prise<ns::Button> ABOokBT{"ABOokBT"};

// A field, for the tables that name fields of both classes.
template <const auto& P>
ns::TextField* Zone()
{
    return P();
}
using LitZone = ns::TextField* (*)();
