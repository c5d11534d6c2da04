#include "ControlesEditeur.h"

#include "TaillePanneau.h"

const ControlesCanal kControlesCanaux[NombreCanaux] = {
    {COUzoneGris, COUglisGris, COUinterieurGlisGris, 1, "Gray level (from 0% to 100%)."},
    {COUzoneRouge, COUglisRouge, COUinterieurGlisRouge, 1, "Red level (from 0 to 255)."},
    {COUzoneVert, COUglisVert, COUinterieurGlisVert, 2, "Green level (from 0 to 255)."},
    {COUzoneBleu, COUglisBleu, COUinterieurGlisBleu, 3, "Blue level (from 0 to 255)."},
    {COUzoneCyan, COUglisCyan, COUinterieurGlisCyan, 1, "Percentage for cyan (from 0% to 100%)."},
    {COUzoneMagenta, COUglisMagenta, COUinterieurGlisMagenta, 2, "Percentage for magenta (from 0% to 100%)."},
    {COUzoneJaune, COUglisJaune, COUinterieurGlisJaune, 3, "Percentage for yellow (from 0% to 100%)."},
    {COUzoneNoir, COUglisNoir, COUinterieurGlisNoir, 4, "Percentage for black (from 0% to 100%)."},
};

const ControlesRangee kControlesRangees[kNombreRangees] = {
    {COUlabelGRC, COUlabelTexteGRC, COUpourCentGrisCyan},
    {COUlabelVM, COUlabelTexteVM, COUpourCentMagenta},
    {COUlabelBJ, COUlabelTexteBJ, COUpourCentJaune},
    {COUlabelN, COUlabelTexteN, COUpourCentNoir},
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
