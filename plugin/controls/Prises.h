// The controls of the interface file "TableauDialogue" that the plug-in names, grouped by
// window and family: each its identifier in the file and the class its object has (the
// plug-in's own views as PriseVue<Classe>). The panel (PAN), the colour editor (COU), the
// preferences dialog (PRE) and the about box (ABO). A new control is one more declarator here
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

// The plug-in's own views the file makes, and their class tests, each instantiated beside its
// class.
class BoutonIcone;
class BoutonLabel;
class BoutonReveilTableau;
class BoutonToutesGlissieres;
class DessinCorpsTableau;
class DessinCorpsTableauPrefs;
class DessinCouleurs;
class GlissiereInterieurTableau;
extern template bool EstDeClasse<BoutonIcone>(ns::Object&);
extern template bool EstDeClasse<BoutonLabel>(ns::Object&);
extern template bool EstDeClasse<BoutonReveilTableau>(ns::Object&);
extern template bool EstDeClasse<BoutonToutesGlissieres>(ns::Object&);
extern template bool EstDeClasse<DessinCorpsTableau>(ns::Object&);
extern template bool EstDeClasse<DessinCorpsTableauPrefs>(ns::Object&);
extern template bool EstDeClasse<DessinCouleurs>(ns::Object&);
extern template bool EstDeClasse<GlissiereInterieurTableau>(ns::Object&);

// The panel: its top level, the top bar and the page selector.
inline const Prise<ns::View> PANdialogue{"PANdialogue"};
inline const Prise<ns::PopUpButton> PANpopupPosLigColCad{"PANpopupPosLigColCad"};
inline const Prise<ns::Button> PANvaroBT{"PANvaroBT"}, PANurlBT{"PANurlBT"};

// Page 0, position and size.
inline const Prise<ns::TextField> PANzonePositionX{"PANzonePositionX"}, PANzonePositionY{"PANzonePositionY"},
    PANzoneLongueurTableau{"PANzoneLongueurTableau"}, PANzoneHauteurTableau{"PANzoneHauteurTableau"};
inline const Prise<ns::Button> PANstepPlusPositionX{"PANstepPlusPositionX"},
    PANstepMoinsPositionX{"PANstepMoinsPositionX"}, PANstepPlusPositionY{"PANstepPlusPositionY"},
    PANstepMoinsPositionY{"PANstepMoinsPositionY"}, PANstepPlusLongueurTableau{"PANstepPlusLongueurTableau"},
    PANstepMoinsLongueurTableau{"PANstepMoinsLongueurTableau"}, PANstepPlusHauteurTableau{"PANstepPlusHauteurTableau"},
    PANstepMoinsHauteurTableau{"PANstepMoinsHauteurTableau"};

// Page 1, rows.
inline const Prise<ns::ComboBox> PANzoneNbrLignes{"PANzoneNbrLignes"};
inline const Prise<ns::Button> PANstepPlusNbrLignes{"PANstepPlusNbrLignes"},
    PANstepMoinsNbrLignes{"PANstepMoinsNbrLignes"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurLignes{"PANzoneEpaisseurLignes"},
    PANzoneGouttiereLigne{"PANzoneGouttiereLigne"};

// Page 2, columns.
inline const Prise<ns::ComboBox> PANzoneNbrColonnes{"PANzoneNbrColonnes"};
inline const Prise<ns::Button> PANstepPlusNbrColonnes{"PANstepPlusNbrColonnes"},
    PANstepMoinsNbrColonnes{"PANstepMoinsNbrColonnes"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurColonnes{"PANzoneEpaisseurColonnes"},
    PANzoneGouttiereColonne{"PANzoneGouttiereColonne"};

// Page 3, frame.
inline const Prise<ns::Button> PANavecSansCadre{"PANavecSansCadre"};
inline const Prise<ns::TextField> PANavecSansCadreTexte{"PANavecSansCadreTexte"};
inline const Prise<ns::ComboBox> PANzoneEpaisseurCadre{"PANzoneEpaisseurCadre"},
    PANzoneEpaisseurCadreDeux{"PANzoneEpaisseurCadreDeux"}, PANzoneGouttiereCadre{"PANzoneGouttiereCadre"};

// Page 4, text.
inline const Prise<ns::PopUpButton> PANlistePolices{"PANlistePolices"};
inline const Prise<ns::ComboBox> PANzoneCorps{"PANzoneCorps"};
inline const Prise<ns::Button> PANavecSansTitre{"PANavecSansTitre"};
inline const Prise<ns::TextField> PANavecSansTitreTexte{"PANavecSansTitreTexte"}, PANnomTitre{"PANnomTitre"};
inline const Prise<ns::Button> PANavecSansTexte{"PANavecSansTexte"};
inline const Prise<ns::TextField> PANavecSansTexteTexte{"PANavecSansTexteTexte"}, PANnomTexte{"PANnomTexte"};

// The panel's custom views, the help, the wake button and the hidden buttons.
inline const PriseVue<DessinCorpsTableau> PANdessinCorpsTableauNSView{"PANdessinCorpsTableauNSView"};
inline const PriseVue<BoutonIcone> PANPosXNbrLigNbrColNSView{"PANPosXNbrLigNbrColNSView"},
    PANHauteurCadreDeuxNSView{"PANHauteurCadreDeuxNSView"}, PANgouttiereLigColCadNSView{"PANgouttiereLigColCadNSView"},
    PANEpaisseurLigColCadNSView{"PANEpaisseurLigColCadNSView"};
inline const PriseVue<DessinCouleurs> PANdessinCouleursNSView{"PANdessinCouleursNSView"};
inline const Prise<ns::ScrollView> PANaideScrollView{"PANaideScrollView"};
inline const Prise<ns::TextView> PANaide{"PANaide"};
inline const Prise<ns::Button> PANaidePageAvant{"PANaidePageAvant"}, PANaidePageApres{"PANaidePageApres"};
inline const Prise<ns::TextField> PANnumeroPage{"PANnumeroPage"};
inline const PriseVue<BoutonReveilTableau> BoutonReveilTableauNSView{"BoutonReveilTableauNSView"};
inline const Prise<ns::Button> BidonAcquisitionTableau{"BidonAcquisitionTableau"},
    BidonActiveOutilTableau{"BidonActiveOutilTableau"};

// The colour editor: its type pop-up; by channel, in the order of kCanaux, the fields, the
// sliders and their gradient tracks; by row, the "%" labels, the label buttons and the letters.
inline const Prise<ns::PopUpButton> COUpopUpTypeCouleur{"COUpopUpTypeCouleur"};
inline const Prise<ns::TextField> COUzoneGris{"COUzoneGris"}, COUzoneRouge{"COUzoneRouge"}, COUzoneVert{"COUzoneVert"},
    COUzoneBleu{"COUzoneBleu"}, COUzoneCyan{"COUzoneCyan"}, COUzoneMagenta{"COUzoneMagenta"},
    COUzoneJaune{"COUzoneJaune"}, COUzoneNoir{"COUzoneNoir"};
inline const Prise<ns::Slider> COUglisGris{"COUglisGris"}, COUglisRouge{"COUglisRouge"}, COUglisVert{"COUglisVert"},
    COUglisBleu{"COUglisBleu"}, COUglisCyan{"COUglisCyan"}, COUglisMagenta{"COUglisMagenta"},
    COUglisJaune{"COUglisJaune"}, COUglisNoir{"COUglisNoir"};
inline const PriseVue<GlissiereInterieurTableau> COUinterieurGlisGris{"COUinterieurGlisGris"},
    COUinterieurGlisRouge{"COUinterieurGlisRouge"}, COUinterieurGlisVert{"COUinterieurGlisVert"},
    COUinterieurGlisBleu{"COUinterieurGlisBleu"}, COUinterieurGlisCyan{"COUinterieurGlisCyan"},
    COUinterieurGlisMagenta{"COUinterieurGlisMagenta"}, COUinterieurGlisJaune{"COUinterieurGlisJaune"},
    COUinterieurGlisNoir{"COUinterieurGlisNoir"};
inline const Prise<ns::TextField> COUpourCentGrisCyan{"COUpourCentGrisCyan"}, COUpourCentMagenta{"COUpourCentMagenta"},
    COUpourCentJaune{"COUpourCentJaune"}, COUpourCentNoir{"COUpourCentNoir"};
inline const PriseVue<BoutonLabel> COUlabelGRC{"COUlabelGRC"}, COUlabelVM{"COUlabelVM"}, COUlabelBJ{"COUlabelBJ"},
    COUlabelN{"COUlabelN"};
inline const Prise<ns::TextField> COUlabelTexteGRC{"COUlabelTexteGRC"}, COUlabelTexteVM{"COUlabelTexteVM"},
    COUlabelTexteBJ{"COUlabelTexteBJ"}, COUlabelTexteN{"COUlabelTexteN"};
inline const PriseVue<BoutonToutesGlissieres> COUtoutesGlissieresNSView{"COUtoutesGlissieresNSView"};

// The preferences dialog.
inline const Prise<ns::Window> PREdialogue{"PREdialogue"};
inline const Prise<ns::Button> PREokBT{"PREokBT"}, PREannulerBT{"PREannulerBT"}, PREdefautBT{"PREdefautBT"};
inline const Prise<ns::ComboBox> PREzoneCorps{"PREzoneCorps"}, PREzoneEpaisseurLignes{"PREzoneEpaisseurLignes"},
    PREzoneEpaisseurColonnes{"PREzoneEpaisseurColonnes"}, PREzoneEpaisseurCadre{"PREzoneEpaisseurCadre"},
    PREzoneEpaisseurCadreDeux{"PREzoneEpaisseurCadreDeux"}, PREzoneGouttiereLigne{"PREzoneGouttiereLigne"},
    PREzoneGouttiereColonne{"PREzoneGouttiereColonne"}, PREzoneGouttiereCadre{"PREzoneGouttiereCadre"},
    PREzoneNombreLignes{"PREzoneNombreLignes"}, PREzoneNombreColonnes{"PREzoneNombreColonnes"};
inline const Prise<ns::PopUpButton> PRElistePolices{"PRElistePolices"};
inline const Prise<ns::Button> PREson{"PREson"}, PREoutilGroupe{"PREoutilGroupe"};
inline const Prise<ns::TextField> PREprochainLancement{"PREprochainLancement"};
inline const PriseVue<DessinCorpsTableauPrefs> PREdessinTNSVIEW{"PREdessinTNSVIEW"};
inline const PriseVue<BoutonIcone> PREnbrLignesNSView{"PREnbrLignesNSView"},
    PREnbrColonnesNSView{"PREnbrColonnesNSView"}, PREepaisseurLignesNSView{"PREepaisseurLignesNSView"},
    PREgouttiereLignesNSView{"PREgouttiereLignesNSView"}, PREepaisseurColonnesNSView{"PREepaisseurColonnesNSView"},
    PREgouttiereColonnesNSView{"PREgouttiereColonnesNSView"}, PREepaisseurCadreNSView{"PREepaisseurCadreNSView"},
    PREepaisseurCadreDeuxNSView{"PREepaisseurCadreDeuxNSView"}, PREgouttiereCadreNSView{"PREgouttiereCadreNSView"};

// The about box.
inline const Prise<ns::Window> ABOdialogue{"ABOdialogue"};
inline const Prise<ns::TextField> ABOversion{"ABOversion"};
inline const Prise<ns::Button> ABOadresse{"ABOadresse"}, ABOokBT{"ABOokBT"};

// A field, text field or combo box, for the tables whose rows name fields of either class.
template <const auto& P>
ns::TextField* Zone()
{
    return P();
}
using LitZone = ns::TextField* (*)();
