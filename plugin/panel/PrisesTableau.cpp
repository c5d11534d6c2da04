#include "PrisesTableau.h"

#include "BoutonIcone.h"
#include "BoutonLabel.h"
#include "BoutonReveilTableau.h"
#include "BoutonToutesGlissieres.h"
#include "DessinCorpsTableau.h"
#include "DessinCouleurs.h"
#include "GlissiereInterieurTableau.h"
#include "Miroirs.h"
#include "TableauDialogue.h"

namespace {

template <typename Membre>
struct ClasseDe;
template <typename T>
struct ClasseDe<T* TableauDialogue::*> {
    using type = T;
};

template <auto Membre>
bool Relie(TableauDialogue* dialogue, ns::Object& objet)
{
    auto* type = dynamic_cast<typename ClasseDe<decltype(Membre)>::type*>(&objet);
    if (type != nullptr && dialogue != nullptr)
        dialogue->*Membre = type;
    return type != nullptr;
}

template <auto Membre, auto Miroir>
void Publie(const TableauDialogue* dialogue)
{
    *Miroir = dialogue != nullptr ? dialogue->*Membre : nullptr;
}

template <auto Miroir>
ns::Object* Lit()
{
    return *Miroir;
}

template <auto Membre>
constexpr PriseTableau prise(const char* nom)
{
    return {nom, &Relie<Membre>, nullptr, nullptr};
}

template <auto Membre, auto Miroir>
constexpr PriseTableau prise(const char* nom)
{
    return {nom, &Relie<Membre>, &Publie<Membre, Miroir>, &Lit<Miroir>};
}

const PriseTableau kPrises[] = {
    // The panel: its top level, the top bar and the page selector.
    prise<&TableauDialogue::PANdialogue, &GdialoguePAN>("PANdialogue"),
    prise<&TableauDialogue::PANpopupPosLigColCad, &GpopupPosLigColCad>("PANpopupPosLigColCad"),
    prise<&TableauDialogue::PANvaroBT, &GvaroBT>("PANvaroBT"),
    prise<&TableauDialogue::PANurlBT, &GurlBT>("PANurlBT"),
    // Page 0, position and size.
    prise<&TableauDialogue::PANzonePositionX, &GzonePositionX>("PANzonePositionX"),
    prise<&TableauDialogue::PANzonePositionY, &GzonePositionY>("PANzonePositionY"),
    prise<&TableauDialogue::PANzoneLongueurTableau, &GzoneLongueurTableau>("PANzoneLongueurTableau"),
    prise<&TableauDialogue::PANzoneHauteurTableau, &GzoneHauteurTableau>("PANzoneHauteurTableau"),
    prise<&TableauDialogue::PANstepPlusPositionX, &GstepPlusPositionX>("PANstepPlusPositionX"),
    prise<&TableauDialogue::PANstepMoinsPositionX, &GstepMoinsPositionX>("PANstepMoinsPositionX"),
    prise<&TableauDialogue::PANstepPlusPositionY, &GstepPlusPositionY>("PANstepPlusPositionY"),
    prise<&TableauDialogue::PANstepMoinsPositionY, &GstepMoinsPositionY>("PANstepMoinsPositionY"),
    prise<&TableauDialogue::PANstepPlusLongueurTableau, &GstepPlusLongueurTableau>("PANstepPlusLongueurTableau"),
    prise<&TableauDialogue::PANstepMoinsLongueurTableau, &GstepMoinsLongueurTableau>("PANstepMoinsLongueurTableau"),
    prise<&TableauDialogue::PANstepPlusHauteurTableau, &GstepPlusHauteurTableau>("PANstepPlusHauteurTableau"),
    prise<&TableauDialogue::PANstepMoinsHauteurTableau, &GstepMoinsHauteurTableau>("PANstepMoinsHauteurTableau"),
    // Page 1, rows.
    prise<&TableauDialogue::PANzoneNbrLignes, &GzoneNbrLignes>("PANzoneNbrLignes"),
    prise<&TableauDialogue::PANstepPlusNbrLignes, &GstepPlusNbrLignes>("PANstepPlusNbrLignes"),
    prise<&TableauDialogue::PANstepMoinsNbrLignes, &GstepMoinsNbrLignes>("PANstepMoinsNbrLignes"),
    prise<&TableauDialogue::PANzoneEpaisseurLignes, &GzoneEpaisseurLignes>("PANzoneEpaisseurLignes"),
    prise<&TableauDialogue::PANzoneGouttiereLigne, &GzoneGouttiereLigne>("PANzoneGouttiereLigne"),
    // Page 2, columns.
    prise<&TableauDialogue::PANzoneNbrColonnes, &GzoneNbrColonnes>("PANzoneNbrColonnes"),
    prise<&TableauDialogue::PANstepPlusNbrColonnes, &GstepPlusNbrColonnes>("PANstepPlusNbrColonnes"),
    prise<&TableauDialogue::PANstepMoinsNbrColonnes, &GstepMoinsNbrColonnes>("PANstepMoinsNbrColonnes"),
    prise<&TableauDialogue::PANzoneEpaisseurColonnes, &GzoneEpaisseurColonnes>("PANzoneEpaisseurColonnes"),
    prise<&TableauDialogue::PANzoneGouttiereColonne, &GzoneGouttiereColonne>("PANzoneGouttiereColonne"),
    // Page 3, frame.
    prise<&TableauDialogue::PANavecSansCadre, &GavecSansCadre>("PANavecSansCadre"),
    prise<&TableauDialogue::PANavecSansCadreTexte, &GavecSansCadreTexte>("PANavecSansCadreTexte"),
    prise<&TableauDialogue::PANzoneEpaisseurCadre, &GzoneEpaisseurCadre>("PANzoneEpaisseurCadre"),
    prise<&TableauDialogue::PANzoneEpaisseurCadreDeux, &GzoneEpaisseurCadreDeux>("PANzoneEpaisseurCadreDeux"),
    prise<&TableauDialogue::PANzoneGouttiereCadre, &GzoneGouttiereCadre>("PANzoneGouttiereCadre"),
    // Page 4, text.
    prise<&TableauDialogue::PANlistePolices, &GlistePolices>("PANlistePolices"),
    prise<&TableauDialogue::PANzoneCorps, &GzoneCorps>("PANzoneCorps"),
    prise<&TableauDialogue::PANavecSansTitre, &GavecSansTitre>("PANavecSansTitre"),
    prise<&TableauDialogue::PANavecSansTitreTexte, &GavecSansTitreTexte>("PANavecSansTitreTexte"),
    prise<&TableauDialogue::PANnomTitre, &GnomTitre>("PANnomTitre"),
    prise<&TableauDialogue::PANavecSansTexte, &GavecSansTexte>("PANavecSansTexte"),
    prise<&TableauDialogue::PANavecSansTexteTexte, &GavecSansTexteTexte>("PANavecSansTexteTexte"),
    prise<&TableauDialogue::PANnomTexte, &GnomTexte>("PANnomTexte"),
    // The panel's custom views, the help, the wake button and the hidden buttons.
    prise<&TableauDialogue::PANdessinCorpsTableauNSView, &GdessinCorpsTableauNSView>("PANdessinCorpsTableauNSView"),
    prise<&TableauDialogue::PANPosXNbrLigNbrColNSView, &GPosXNbrLigNbrColNSView>("PANPosXNbrLigNbrColNSView"),
    prise<&TableauDialogue::PANHauteurCadreDeuxNSView, &GHauteurCadreDeuxNSView>("PANHauteurCadreDeuxNSView"),
    prise<&TableauDialogue::PANgouttiereLigColCadNSView, &GgouttiereLigColCadNSView>("PANgouttiereLigColCadNSView"),
    prise<&TableauDialogue::PANEpaisseurLigColCadNSView, &GepaisseurLigColCadNSView>("PANEpaisseurLigColCadNSView"),
    prise<&TableauDialogue::PANdessinCouleursNSView, &GdessinCouleursNSView>("PANdessinCouleursNSView"),
    prise<&TableauDialogue::PANaideScrollView>("PANaideScrollView"),
    prise<&TableauDialogue::PANaide>("PANaide"),
    prise<&TableauDialogue::PANaidePageAvant>("PANaidePageAvant"),
    prise<&TableauDialogue::PANaidePageApres>("PANaidePageApres"),
    prise<&TableauDialogue::PANnumeroPage, &GnumeroPage>("PANnumeroPage"),
    prise<&TableauDialogue::BoutonReveilTableauNSView, &GboutonReveilTableauNSView>("BoutonReveilTableauNSView"),
    prise<&TableauDialogue::BidonAcquisitionTableau, &GbidonAcquisitionTableau>("BidonAcquisitionTableau"),
    prise<&TableauDialogue::BidonActiveOutilTableau, &GbidonActiveOutilTableau>("BidonActiveOutilTableau"),
    // The colour editor.
    prise<&TableauDialogue::COUpopUpTypeCouleur, &GpopUpTypeCouleur>("COUpopUpTypeCouleur"),
    prise<&TableauDialogue::COUzoneGris, &GzoneGris>("COUzoneGris"),
    prise<&TableauDialogue::COUzoneRouge, &GzoneRouge>("COUzoneRouge"),
    prise<&TableauDialogue::COUzoneVert, &GzoneVert>("COUzoneVert"),
    prise<&TableauDialogue::COUzoneBleu, &GzoneBleu>("COUzoneBleu"),
    prise<&TableauDialogue::COUzoneCyan, &GzoneCyan>("COUzoneCyan"),
    prise<&TableauDialogue::COUzoneMagenta, &GzoneMagenta>("COUzoneMagenta"),
    prise<&TableauDialogue::COUzoneJaune, &GzoneJaune>("COUzoneJaune"),
    prise<&TableauDialogue::COUzoneNoir, &GzoneNoir>("COUzoneNoir"),
    prise<&TableauDialogue::COUglisGris, &GglisGris>("COUglisGris"),
    prise<&TableauDialogue::COUglisRouge, &GglisRouge>("COUglisRouge"),
    prise<&TableauDialogue::COUglisVert, &GglisVert>("COUglisVert"),
    prise<&TableauDialogue::COUglisBleu, &GglisBleu>("COUglisBleu"),
    prise<&TableauDialogue::COUglisCyan, &GglisCyan>("COUglisCyan"),
    prise<&TableauDialogue::COUglisMagenta, &GglisMagenta>("COUglisMagenta"),
    prise<&TableauDialogue::COUglisJaune, &GglisJaune>("COUglisJaune"),
    prise<&TableauDialogue::COUglisNoir, &GglisNoir>("COUglisNoir"),
    prise<&TableauDialogue::COUinterieurGlisGris, &GinterieurGlisGris>("COUinterieurGlisGris"),
    prise<&TableauDialogue::COUinterieurGlisRouge, &GinterieurGlisRouge>("COUinterieurGlisRouge"),
    prise<&TableauDialogue::COUinterieurGlisVert, &GinterieurGlisVert>("COUinterieurGlisVert"),
    prise<&TableauDialogue::COUinterieurGlisBleu, &GinterieurGlisBleu>("COUinterieurGlisBleu"),
    prise<&TableauDialogue::COUinterieurGlisCyan, &GinterieurGlisCyan>("COUinterieurGlisCyan"),
    prise<&TableauDialogue::COUinterieurGlisMagenta, &GinterieurGlisMagenta>("COUinterieurGlisMagenta"),
    prise<&TableauDialogue::COUinterieurGlisJaune, &GinterieurGlisJaune>("COUinterieurGlisJaune"),
    prise<&TableauDialogue::COUinterieurGlisNoir, &GinterieurGlisNoir>("COUinterieurGlisNoir"),
    prise<&TableauDialogue::COUpourCentGrisCyan, &GpourCentGrisCyan>("COUpourCentGrisCyan"),
    prise<&TableauDialogue::COUpourCentMagenta, &GpourCentMagenta>("COUpourCentMagenta"),
    prise<&TableauDialogue::COUpourCentJaune, &GpourCentJaune>("COUpourCentJaune"),
    prise<&TableauDialogue::COUpourCentNoir, &GpourCentNoir>("COUpourCentNoir"),
    prise<&TableauDialogue::COUlabelGRC>("COUlabelGRC"),
    prise<&TableauDialogue::COUlabelVM>("COUlabelVM"),
    prise<&TableauDialogue::COUlabelBJ>("COUlabelBJ"),
    prise<&TableauDialogue::COUlabelN>("COUlabelN"),
    prise<&TableauDialogue::COUlabelTexteGRC, &GlabelTexteGRC>("COUlabelTexteGRC"),
    prise<&TableauDialogue::COUlabelTexteVM, &GlabelTexteVM>("COUlabelTexteVM"),
    prise<&TableauDialogue::COUlabelTexteBJ, &GlabelTexteBJ>("COUlabelTexteBJ"),
    prise<&TableauDialogue::COUlabelTexteN, &GlabelTexteN>("COUlabelTexteN"),
    prise<&TableauDialogue::COUtoutesGlissieresNSView, &GtoutesGlissieresNSView>("COUtoutesGlissieresNSView"),
    // The preferences dialog.
    prise<&TableauDialogue::PREdialogue, &GdialoguePRE>("PREdialogue"),
    prise<&TableauDialogue::PREokBT, &GpreOKbouton>("PREokBT"),
    prise<&TableauDialogue::PREannulerBT>("PREannulerBT"),
    prise<&TableauDialogue::PREdefautBT>("PREdefautBT"),
    prise<&TableauDialogue::PREzoneCorps, &GpreZoneCorps>("PREzoneCorps"),
    prise<&TableauDialogue::PREzoneEpaisseurLignes, &GpreZoneEpaisseurLignes>("PREzoneEpaisseurLignes"),
    prise<&TableauDialogue::PREzoneEpaisseurColonnes, &GpreZoneEpaisseurColonnes>("PREzoneEpaisseurColonnes"),
    prise<&TableauDialogue::PREzoneEpaisseurCadre, &GpreZoneEpaisseurCadre>("PREzoneEpaisseurCadre"),
    prise<&TableauDialogue::PREzoneEpaisseurCadreDeux, &GpreZoneEpaisseurCadreDeux>("PREzoneEpaisseurCadreDeux"),
    prise<&TableauDialogue::PREzoneGouttiereLigne, &GpreZoneGouttiereLigne>("PREzoneGouttiereLigne"),
    prise<&TableauDialogue::PREzoneGouttiereColonne, &GpreZoneGouttiereColonne>("PREzoneGouttiereColonne"),
    prise<&TableauDialogue::PREzoneGouttiereCadre, &GpreZoneGouttiereCadre>("PREzoneGouttiereCadre"),
    prise<&TableauDialogue::PREzoneNombreLignes, &GpreZoneNombreLignes>("PREzoneNombreLignes"),
    prise<&TableauDialogue::PREzoneNombreColonnes, &GpreZoneNombreColonnes>("PREzoneNombreColonnes"),
    prise<&TableauDialogue::PRElistePolices>("PRElistePolices"),
    prise<&TableauDialogue::PREson>("PREson"),
    prise<&TableauDialogue::PREoutilGroupe>("PREoutilGroupe"),
    prise<&TableauDialogue::PREprochainLancement>("PREprochainLancement"),
    prise<&TableauDialogue::PREdessinTNSVIEW>("PREdessinTNSVIEW"),
    prise<&TableauDialogue::PREnbrLignesNSView, &GpreNbrLigNSView>("PREnbrLignesNSView"),
    prise<&TableauDialogue::PREnbrColonnesNSView, &GpreNbrColNSView>("PREnbrColonnesNSView"),
    prise<&TableauDialogue::PREepaisseurLignesNSView, &GpreEpaisseurLignesNSView>("PREepaisseurLignesNSView"),
    prise<&TableauDialogue::PREgouttiereLignesNSView, &GpreGouttiereLignesNSView>("PREgouttiereLignesNSView"),
    prise<&TableauDialogue::PREepaisseurColonnesNSView, &GpreEpaisseurColonnesNSView>("PREepaisseurColonnesNSView"),
    prise<&TableauDialogue::PREgouttiereColonnesNSView, &GpreGouttiereColonnesNSView>("PREgouttiereColonnesNSView"),
    prise<&TableauDialogue::PREepaisseurCadreNSView, &GpreEpaisseurCadreNSView>("PREepaisseurCadreNSView"),
    prise<&TableauDialogue::PREepaisseurCadreDeuxNSView, &GpreEpaisseurCadreDeuxNSView>("PREepaisseurCadreDeuxNSView"),
    prise<&TableauDialogue::PREgouttiereCadreNSView, &GpreGouttiereCadreNSView>("PREgouttiereCadreNSView"),
    // The about box.
    prise<&TableauDialogue::ABOdialogue, &GdialogueABO>("ABOdialogue"),
    prise<&TableauDialogue::ABOversion>("ABOversion"),
    prise<&TableauDialogue::ABOadresse>("ABOadresse"),
    prise<&TableauDialogue::ABOokBT>("ABOokBT"),
};

} // namespace

std::span<const PriseTableau> PrisesTableau()
{
    return kPrises;
}

const PriseTableau* TrouvePrise(std::string_view nom)
{
    for (const PriseTableau& p : kPrises)
        if (nom == p.nom)
            return &p;
    return nullptr;
}

void PublieMiroirs(const TableauDialogue& dialogue)
{
    for (const PriseTableau& p : kPrises)
        if (p.publie != nullptr)
            p.publie(&dialogue);
}

void EffaceMiroirs()
{
    for (const PriseTableau& p : kPrises)
        if (p.publie != nullptr)
            p.publie(nullptr);
}
