// The panel's controller, loaded from the interface file "TableauDialogue": it owns the
// panel's controls, the colour editor's, and the windows of the preferences dialog and the
// about box, and lives until the plug-in's code goes. Plain code reaches its controls through
// the mirrors of Miroirs.h, which its waking fills.
#pragma once

#include "Button.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "ScrollView.h"
#include "Slider.h"
#include "TextField.h"
#include "TextView.h"
#include "ViewController.h"
#include "Window.h"

class BoutonIcone;
class BoutonLabel;
class BoutonReveilTableau;
class BoutonToutesGlissieres;
class DessinCorpsTableau;
class DessinCorpsTableauPrefs;
class DessinCouleurs;
class GlissiereInterieurTableau;
struct TexteOptionnel;

class TableauDialogue : public ns::ViewController {
public:
    TableauDialogue(std::string nibName, ns::Bundle* bundle);

    // Runs once the file's objects are made and connected: the mirrors, the cursors, the
    // dialogs' first state, the panel's controls, and last the panel disabled under its veil.
    void awakeFromNib() override;

    // The hidden buttons' actions: the mirrors and the path lists; the Table Tool selected.
    void BidonAcquisitionTableauAction(ns::Object* sender); // "BidonAcquisitionTableau:"
    void BidonActiveOutilTableauCBP(ns::Object* sender);

    // The panel's controls and the current settings, from the stored defaults.
    void PANinit();
    // The colour editor's first state: its type pop-up, tooltips and the rows' values.
    void COUinitEditeur();
    // The about box and the preferences dialog, filled once when the controller wakes.
    void ABOinitDialogue();
    void PREinitDialogue();

    // The page pop-up: the page's controls shown, the colour editor laid out for the page's
    // element, the panel resized, the focus in the page's first field.
    void PANpopupPosLigColCadTexCBP(ns::Object* sender);
    // The colour type pop-up: the page element's type set, stored, and the editor laid out
    // for it. The channels' own actions are a family (ActionsCouleurs.h).
    void COUpopUpTypeCouleurCBP(ns::Object* sender);
    // The colour editor laid out for a colour type, loaded with the page element's colours.
    void COUactiverZonesGris();
    void COUactiverZonesRVB();
    void COUactiverZonesCMJN();

    // The frame, title and text switches; the title and the cell text (80 characters at
    // most); the font; the type size.
    void PANavecSansCadreCBP(ns::Object* sender);
    void PANavecSansTitreCBP(ns::Object* sender);
    void PANavecSansTexteCBP(ns::Object* sender);
    void PANnomTitreCBP(ns::Object* sender);
    void PANnomTexteCBP(ns::Object* sender);
    void PANnomsPolicesCBP(ns::Object* sender);
    void PANcorpsCBP(ns::Object* sender);

    // The help's pages; the Varo button (the stored defaults back); the web button.
    void PANaideApres(ns::Object* sender);
    void PANaideAvant(ns::Object* sender);
    void PANvaroCBP(ns::Object* sender);
    void PANurlCBP(ns::Object* sender);

    // The preferences dialog: the font, the sound and tool-group boxes, OK (the defaults
    // stored), Cancel (the dialog loaded again from them), "By default" (the factory values
    // into the dialog). Its fields' commits are a family (ActionsPreferences.h).
    void PREnomsPolicesCBP(ns::Object* sender);
    void PREsonCBP(ns::Object* sender);
    void PREoutilGroupeCBP(ns::Object* sender);
    void PREok(ns::Object* sender);
    void PREannuler(ns::Object* sender);
    void PREdefaut(ns::Object* sender);
    // The about box's OK.
    void ABOok(ns::Object* sender);

    // Actions by selector: the methods above, the colour channels' fields and sliders
    // (ActionsCouleurs.h), the preferences dialog's fields (ActionsPreferences.h), and the
    // numeric fields' commits and step buttons (ActionsChamps.h).
    bool performAction(std::string_view selector, ns::Object* sender) override;
    bool respondsToAction(std::string_view selector) const override;
    ns::Connection canConnectOutlet(std::string_view name, ns::Object& object) const override;
    void connectOutlet(std::string_view name, ns::Object& object) override;

    // The outlets, by their names in the interface file.
    // The panel: its top level, the top bar and the page selector.
    ns::View* PANdialogue = nullptr;
    ns::PopUpButton* PANpopupPosLigColCad = nullptr;
    ns::Button* PANvaroBT = nullptr;
    ns::Button* PANurlBT = nullptr;

    // Page 0, position and size.
    ns::TextField* PANzonePositionX = nullptr;
    ns::TextField* PANzonePositionY = nullptr;
    ns::TextField* PANzoneLongueurTableau = nullptr;
    ns::TextField* PANzoneHauteurTableau = nullptr;
    ns::Button* PANstepPlusPositionX = nullptr;
    ns::Button* PANstepMoinsPositionX = nullptr;
    ns::Button* PANstepPlusPositionY = nullptr;
    ns::Button* PANstepMoinsPositionY = nullptr;
    ns::Button* PANstepPlusLongueurTableau = nullptr;
    ns::Button* PANstepMoinsLongueurTableau = nullptr;
    ns::Button* PANstepPlusHauteurTableau = nullptr;
    ns::Button* PANstepMoinsHauteurTableau = nullptr;

    // Page 1, rows.
    ns::ComboBox* PANzoneNbrLignes = nullptr;
    ns::Button* PANstepPlusNbrLignes = nullptr;
    ns::Button* PANstepMoinsNbrLignes = nullptr;
    ns::ComboBox* PANzoneEpaisseurLignes = nullptr;
    ns::ComboBox* PANzoneGouttiereLigne = nullptr;

    // Page 2, columns.
    ns::ComboBox* PANzoneNbrColonnes = nullptr;
    ns::Button* PANstepPlusNbrColonnes = nullptr;
    ns::Button* PANstepMoinsNbrColonnes = nullptr;
    ns::ComboBox* PANzoneEpaisseurColonnes = nullptr;
    ns::ComboBox* PANzoneGouttiereColonne = nullptr;

    // Page 3, frame.
    ns::Button* PANavecSansCadre = nullptr;
    ns::TextField* PANavecSansCadreTexte = nullptr;
    ns::ComboBox* PANzoneEpaisseurCadre = nullptr;
    ns::ComboBox* PANzoneEpaisseurCadreDeux = nullptr;
    ns::ComboBox* PANzoneGouttiereCadre = nullptr;

    // Page 4, text.
    ns::PopUpButton* PANlistePolices = nullptr;
    ns::ComboBox* PANzoneCorps = nullptr;
    ns::Button* PANavecSansTitre = nullptr;
    ns::TextField* PANavecSansTitreTexte = nullptr;
    ns::TextField* PANnomTitre = nullptr;
    ns::Button* PANavecSansTexte = nullptr;
    ns::TextField* PANavecSansTexteTexte = nullptr;
    ns::TextField* PANnomTexte = nullptr;

    // The panel's custom views, the help, the wake button and the hidden buttons.
    DessinCorpsTableau* PANdessinCorpsTableauNSView = nullptr;
    BoutonIcone* PANPosXNbrLigNbrColNSView = nullptr;
    BoutonIcone* PANHauteurCadreDeuxNSView = nullptr;
    BoutonIcone* PANgouttiereLigColCadNSView = nullptr;
    BoutonIcone* PANEpaisseurLigColCadNSView = nullptr;
    DessinCouleurs* PANdessinCouleursNSView = nullptr;
    ns::ScrollView* PANaideScrollView = nullptr;
    ns::TextView* PANaide = nullptr;
    ns::Button* PANaidePageAvant = nullptr;
    ns::Button* PANaidePageApres = nullptr;
    ns::TextField* PANnumeroPage = nullptr;
    BoutonReveilTableau* BoutonReveilTableauNSView = nullptr;
    ns::Button* BidonAcquisitionTableau = nullptr;
    ns::Button* BidonActiveOutilTableau = nullptr;

    // The colour editor.
    ns::PopUpButton* COUpopUpTypeCouleur = nullptr;
    ns::TextField* COUzoneGris = nullptr;
    ns::TextField* COUzoneRouge = nullptr;
    ns::TextField* COUzoneVert = nullptr;
    ns::TextField* COUzoneBleu = nullptr;
    ns::TextField* COUzoneCyan = nullptr;
    ns::TextField* COUzoneMagenta = nullptr;
    ns::TextField* COUzoneJaune = nullptr;
    ns::TextField* COUzoneNoir = nullptr;
    ns::Slider* COUglisGris = nullptr;
    ns::Slider* COUglisRouge = nullptr;
    ns::Slider* COUglisVert = nullptr;
    ns::Slider* COUglisBleu = nullptr;
    ns::Slider* COUglisCyan = nullptr;
    ns::Slider* COUglisMagenta = nullptr;
    ns::Slider* COUglisJaune = nullptr;
    ns::Slider* COUglisNoir = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisGris = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisRouge = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisVert = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisBleu = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisCyan = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisMagenta = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisJaune = nullptr;
    GlissiereInterieurTableau* COUinterieurGlisNoir = nullptr;
    ns::TextField* COUpourCentGrisCyan = nullptr;
    ns::TextField* COUpourCentMagenta = nullptr;
    ns::TextField* COUpourCentJaune = nullptr;
    ns::TextField* COUpourCentNoir = nullptr;
    BoutonLabel* COUlabelGRC = nullptr;
    BoutonLabel* COUlabelVM = nullptr;
    BoutonLabel* COUlabelBJ = nullptr;
    BoutonLabel* COUlabelN = nullptr;
    ns::TextField* COUlabelTexteGRC = nullptr;
    ns::TextField* COUlabelTexteVM = nullptr;
    ns::TextField* COUlabelTexteBJ = nullptr;
    ns::TextField* COUlabelTexteN = nullptr;
    BoutonToutesGlissieres* COUtoutesGlissieresNSView = nullptr;

    // The preferences dialog.
    ns::Window* PREdialogue = nullptr;
    ns::Button* PREokBT = nullptr;
    ns::Button* PREannulerBT = nullptr;
    ns::Button* PREdefautBT = nullptr;
    ns::ComboBox* PREzoneCorps = nullptr;
    ns::ComboBox* PREzoneEpaisseurLignes = nullptr;
    ns::ComboBox* PREzoneEpaisseurColonnes = nullptr;
    ns::ComboBox* PREzoneEpaisseurCadre = nullptr;
    ns::ComboBox* PREzoneEpaisseurCadreDeux = nullptr;
    ns::ComboBox* PREzoneGouttiereLigne = nullptr;
    ns::ComboBox* PREzoneGouttiereColonne = nullptr;
    ns::ComboBox* PREzoneGouttiereCadre = nullptr;
    ns::ComboBox* PREzoneNombreLignes = nullptr;
    ns::ComboBox* PREzoneNombreColonnes = nullptr;
    ns::PopUpButton* PRElistePolices = nullptr;
    ns::Button* PREson = nullptr;
    ns::Button* PREoutilGroupe = nullptr;
    ns::TextField* PREprochainLancement = nullptr;
    DessinCorpsTableauPrefs* PREdessinTNSVIEW = nullptr;
    BoutonIcone* PREnbrLignesNSView = nullptr;
    BoutonIcone* PREnbrColonnesNSView = nullptr;
    BoutonIcone* PREepaisseurLignesNSView = nullptr;
    BoutonIcone* PREgouttiereLignesNSView = nullptr;
    BoutonIcone* PREepaisseurColonnesNSView = nullptr;
    BoutonIcone* PREgouttiereColonnesNSView = nullptr;
    BoutonIcone* PREepaisseurCadreNSView = nullptr;
    BoutonIcone* PREepaisseurCadreDeuxNSView = nullptr;
    BoutonIcone* PREgouttiereCadreNSView = nullptr;

    // The about box.
    ns::Window* ABOdialogue = nullptr;
    ns::TextField* ABOversion = nullptr;
    ns::Button* ABOadresse = nullptr;
    ns::Button* ABOokBT = nullptr;

private:
    void COUactiverZones(int32_t type);
    void AffichePage(int32_t page);
    void CacheEditeur();
    ns::TextField* PremierChamp(int32_t page) const;
    void BasculeTexte(const TexteOptionnel& texte);
    void ValideTexte(const TexteOptionnel& texte);
};

// The bundle identifier the controller's interface file and the sounds are found by.
extern const char* const kIdentifiantBundle;
