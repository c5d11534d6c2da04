#include "LectureNombres.h"

#include <charconv>
#include <cmath>
#include <limits>

const Unite kUnites[5] = {
    {"mm", kPointsParMillimetre, 10, 50},
    {"cm", kPointsParMillimetre * 10, 1, 5},
    {"in", 72, 1, 5},
    {"pt", 1, 10, 50},
    {"pi", 12, 1, 5},
};
const Unite& kMillimetres = kUnites[0];
const Unite& kPointsTypo = kUnites[3];

namespace {

bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view SansBlancs(std::string_view texte)
{
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && EstBlanc(texte.back()))
        texte.remove_suffix(1);
    return texte;
}

char Minuscule(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

const Unite* UniteNommee(std::string_view nom)
{
    for (const Unite& unite : kUnites) {
        const std::string_view connu = unite.nom;
        if (nom.size() != connu.size())
            continue;
        bool egal = true;
        for (size_t i = 0; i < nom.size() && egal; ++i)
            egal = Minuscule(nom[i]) == connu[i];
        if (egal)
            return &unite;
    }
    return nullptr;
}

// The text quoted for a message, cut when it is long.
std::string Cite(std::string_view texte)
{
    constexpr size_t kLongueurCitee = 40;
    texte = SansBlancs(texte);
    if (texte.size() <= kLongueurCitee)
        return "\"" + std::string(texte) + "\"";
    size_t fin = kLongueurCitee;
    // Back to the start of the character the cut falls in.
    while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80)
        --fin;
    return "\"" + std::string(texte.substr(0, fin)) + "…\"";
}

} // namespace

NombreEcrit LitNombre(std::string_view texte)
{
    size_t i = 0;
    while (i < texte.size() && EstBlanc(texte[i]))
        ++i;
    // The number, with a point for the separator, as from_chars reads it.
    std::string nombre;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) {
        if (texte[i] == '-')
            nombre += '-';
        ++i;
    }
    size_t chiffres = 0;
    for (; i < texte.size() && EstChiffre(texte[i]); ++i, ++chiffres)
        nombre += texte[i];
    if (i < texte.size() && (texte[i] == '.' || texte[i] == ',')) {
        size_t j = i + 1, apres = 0;
        for (; j < texte.size() && EstChiffre(texte[j]); ++j, ++apres)
            ;
        // A separator belongs to the number when a digit stands on one side of it at least.
        if (chiffres + apres > 0) {
            nombre += '.';
            nombre.append(texte.substr(i + 1, apres));
            chiffres += apres;
            i = j;
        }
    }
    NombreEcrit lu;
    if (chiffres == 0) {
        lu.suite = SansBlancs(texte);
        return lu;
    }
    if (i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
        size_t j = i + 1;
        if (j < texte.size() && (texte[j] == '-' || texte[j] == '+'))
            ++j;
        if (j < texte.size() && EstChiffre(texte[j])) {
            while (j < texte.size() && EstChiffre(texte[j]))
                ++j;
            nombre.append(texte.substr(i, j - i));
            i = j;
        }
    }
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    (void)fin;
    lu.suite = SansBlancs(texte.substr(i));
    // Too small for a double (a negative exponent, or nothing but zeros before the
    // separator) is 0; too large is no number a field can hold.
    if (erreur == std::errc::result_out_of_range) {
        const size_t debut = nombre[0] == '-' ? 1 : 0;
        const bool petit = nombre.find("e-") != std::string::npos || nombre.find("E-") != std::string::npos ||
                           nombre.find_first_not_of('0', debut) == nombre.find('.', debut);
        return NombreEcrit{petit, 0, lu.suite};
    }
    lu.present = erreur == std::errc() && std::isfinite(valeur);
    lu.valeur = lu.present ? valeur + 0.0 : 0;
    return lu;
}

double ValeurDuTexte(std::string_view texte)
{
    return LitNombre(texte).valeur;
}

double RecupereValeurDecimale(const ns::Control* controle)
{
    return controle != nullptr ? ValeurDuTexte(controle->stringValue()) : 0;
}

Lecture LitMesure(std::string_view texte, const Unite& uniteDuChamp)
{
    Lecture lecture;
    const NombreEcrit lu = LitNombre(texte);
    if (!lu.present) {
        lecture.refus = Cite(texte) + " is not a number.";
        return lecture;
    }
    const Unite* unite = &uniteDuChamp;
    if (!lu.suite.empty() && (unite = UniteNommee(lu.suite)) == nullptr) {
        lecture.refus = "The unit of " + Cite(texte) + " is unknown\r (mm, cm, in, pt or pi).";
        return lecture;
    }
    const double points = lu.valeur * unite->points;
    const double valeur = unite == &uniteDuChamp ? lu.valeur : points / uniteDuChamp.points;
    if (!std::isfinite(points) || !std::isfinite(valeur)) {
        lecture.refus = Cite(texte) + " is too large.";
        return lecture;
    }
    lecture.valeur = valeur + 0.0;
    lecture.points = points + 0.0;
    lecture.unite = unite;
    return lecture;
}

Lecture LitCompte(std::string_view texte)
{
    Lecture lecture;
    const NombreEcrit lu = LitNombre(texte);
    if (!lu.present || !lu.suite.empty()) {
        lecture.refus = Cite(texte) + " is not a number.";
        return lecture;
    }
    constexpr double plusPetit = std::numeric_limits<int32_t>::min(), plusGrand = std::numeric_limits<int32_t>::max();
    lecture.valeur = std::trunc(std::fmax(plusPetit, std::fmin(plusGrand, lu.valeur))) + 0.0;
    return lecture;
}
