#include "LectureNombres.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

// Past the blanks and a sign: where the number's digits start, and whether it is negative.
size_t Debut(std::string_view texte, bool& negatif)
{
    size_t i = 0;
    while (i < texte.size() && EstBlanc(texte[i]))
        ++i;
    negatif = i < texte.size() && texte[i] == '-';
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+'))
        ++i;
    return i;
}

// The length of the decimal number at the start of `texte`: digits, a point and digits, an
// exponent when digits follow its sign; 0 when there is no digit before the exponent.
size_t LongueurNombre(std::string_view texte)
{
    size_t i = 0, chiffres = 0;
    while (i < texte.size() && EstChiffre(texte[i]))
        ++i, ++chiffres;
    if (i < texte.size() && texte[i] == '.')
        for (++i; i < texte.size() && EstChiffre(texte[i]); ++i)
            ++chiffres;
    if (chiffres == 0)
        return 0;
    if (i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
        size_t j = i + 1;
        if (j < texte.size() && (texte[j] == '-' || texte[j] == '+'))
            ++j;
        if (j < texte.size() && EstChiffre(texte[j])) {
            while (j < texte.size() && EstChiffre(texte[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

float ValeurFlottante(std::string_view texte)
{
    bool negatif = false;
    texte.remove_prefix(Debut(texte, negatif));
    const size_t longueur = LongueurNombre(texte);
    float valeur = 0;
    // Out of range (too large for single precision, or too small to be anything but 0)
    // leaves the value at 0.
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + longueur, valeur);
    (void)fin;
    if (longueur == 0 || erreur != std::errc())
        return 0;
    return negatif ? -valeur : valeur;
}

int32_t ValeurEntiere(std::string_view texte)
{
    bool negatif = false;
    size_t i = Debut(texte, negatif);
    // Counted in 64 bits and stopped at the 32-bit limit, so that no length of digits overflows.
    const int64_t limite = negatif ? -int64_t{std::numeric_limits<int32_t>::min()} : std::numeric_limits<int32_t>::max();
    int64_t valeur = 0;
    for (; i < texte.size() && EstChiffre(texte[i]); ++i)
        if ((valeur = valeur * 10 + (texte[i] - '0')) >= limite) {
            valeur = limite;
            break;
        }
    return static_cast<int32_t>(negatif ? -valeur : valeur);
}

double ValeurDecimale(std::string_view texte)
{
    std::string t(texte);
    size_t separateur = t.find(',');
    if (separateur != std::string::npos) {
        for (char& c : t)
            if (c == ',')
                c = '.';
    } else {
        separateur = t.find('.');
    }
    if (separateur == std::string::npos)
        return ValeurFlottante(t);
    const double entier = ValeurFlottante(std::string_view(t).substr(0, separateur));
    double fraction = ValeurFlottante(std::string_view(t).substr(separateur));
    // "-0,5" has its sign in the whole part only.
    if (t.find('-') != std::string::npos)
        fraction = -fraction;
    return fraction + entier;
}

double RecupereValeurDecimale(const ns::Control* controle)
{
    return controle != nullptr ? ValeurDecimale(controle->stringValue()) : 0;
}
