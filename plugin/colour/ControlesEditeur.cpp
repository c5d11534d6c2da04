#include "ControlesEditeur.h"

#include "BoutonLabel.h"
#include "GlissiereInterieurTableau.h"
#include "Miroirs.h"

const ControlesCanal kControlesCanaux[NombreCanaux] = {
    {&TableauDialogue::COUzoneGris, &TableauDialogue::COUglisGris, &TableauDialogue::COUinterieurGlisGris, 1,
     "Gray level (from 0% to 100%)."},
    {&TableauDialogue::COUzoneRouge, &TableauDialogue::COUglisRouge, &TableauDialogue::COUinterieurGlisRouge, 1,
     "Red level (from 0 to 255)."},
    {&TableauDialogue::COUzoneVert, &TableauDialogue::COUglisVert, &TableauDialogue::COUinterieurGlisVert, 2,
     "Green level (from 0 to 255)."},
    {&TableauDialogue::COUzoneBleu, &TableauDialogue::COUglisBleu, &TableauDialogue::COUinterieurGlisBleu, 3,
     "Blue level (from 0 to 255)."},
    {&TableauDialogue::COUzoneCyan, &TableauDialogue::COUglisCyan, &TableauDialogue::COUinterieurGlisCyan, 1,
     "Percentage for cyan (from 0% to 100%)."},
    {&TableauDialogue::COUzoneMagenta, &TableauDialogue::COUglisMagenta, &TableauDialogue::COUinterieurGlisMagenta, 2,
     "Percentage for magenta (from 0% to 100%)."},
    {&TableauDialogue::COUzoneJaune, &TableauDialogue::COUglisJaune, &TableauDialogue::COUinterieurGlisJaune, 3,
     "Percentage for yellow (from 0% to 100%)."},
    {&TableauDialogue::COUzoneNoir, &TableauDialogue::COUglisNoir, &TableauDialogue::COUinterieurGlisNoir, 4,
     "Percentage for black (from 0% to 100%)."},
};

const MiroirsCanal kMiroirsCanaux[NombreCanaux] = {
    {&GzoneGris, &GglisGris, &GinterieurGlisGris, "COUzoneGrisCBP:", "COUglissiereGrisCBP:"},
    {&GzoneRouge, &GglisRouge, &GinterieurGlisRouge, "COUzoneRougeCBP:", "COUglissiereRougeCBP:"},
    {&GzoneVert, &GglisVert, &GinterieurGlisVert, "COUzoneVertCBP:", "COUglissiereVertCBP:"},
    {&GzoneBleu, &GglisBleu, &GinterieurGlisBleu, "COUzoneBleuCBP:", "COUglissiereBleuCBP:"},
    {&GzoneCyan, &GglisCyan, &GinterieurGlisCyan, "COUzoneCyanCBP:", "COUglissiereCyanCBP:"},
    {&GzoneMagenta, &GglisMagenta, &GinterieurGlisMagenta, "COUzoneMagentaCBP:", "COUglissiereMagentaCBP:"},
    {&GzoneJaune, &GglisJaune, &GinterieurGlisJaune, "COUzoneJauneCBP:", "COUglissiereJauneCBP:"},
    {&GzoneNoir, &GglisNoir, &GinterieurGlisNoir, "COUzoneNoirCBP:", "COUglissiereNoirCBP:"},
};

const ControlesRangee kControlesRangees[kNombreRangees] = {
    {&TableauDialogue::COUlabelGRC, &TableauDialogue::COUlabelTexteGRC, &TableauDialogue::COUpourCentGrisCyan},
    {&TableauDialogue::COUlabelVM, &TableauDialogue::COUlabelTexteVM, &TableauDialogue::COUpourCentMagenta},
    {&TableauDialogue::COUlabelBJ, &TableauDialogue::COUlabelTexteBJ, &TableauDialogue::COUpourCentJaune},
    {&TableauDialogue::COUlabelN, &TableauDialogue::COUlabelTexteN, &TableauDialogue::COUpourCentNoir},
};

const DispositionType kDispositions[3] = {
    {0, 1, {"G", "", "", ""}, true, 109, 131},
    {1, 3, {"R", "G", "B", ""}, false, 152, 174},
    {4, 4, {"C", "M", "Y", "K"}, true, 175, 197},
};

float HauteurPanneau(int32_t page, float autre)
{
    if (page == 0)
        return kHauteurPagePosition;
    if (page < 1 || page > 4)
        return autre;
    const int32_t type = JeuxCouleurs[page - 1].TypeCouleur;
    if (type < TypeGris || type > TypeCMJN)
        return autre;
    return page == 4 ? kDispositions[type].hauteurTexte : kDispositions[type].hauteur;
}
