#include "SourceDeReglages.h"

#include "EcritLitPrefs.h"
#include "TableauSuites.h"

#include <cstdio>
#include <cstring>
#include <vector>

ASErr SourcePreferences::entier(const char* cle, int32_t& valeur) const
{
    ai_int32 lu = 0;
    const ASErr status = sAIPreference->GetIntegerPreference(kPrefixePrefs, cle, &lu);
    if (status == kNoErr)
        valeur = lu;
    return status;
}

ASErr SourcePreferences::reel(const char* cle, double& valeur) const
{
    return sAIPreference->GetRealPreference(kPrefixePrefs, cle, &valeur);
}

ASErr SourcePreferences::booleen(const char* cle, bool& valeur) const
{
    ASBoolean lu = false;
    const ASErr status = sAIPreference->GetBooleanPreference(kPrefixePrefs, cle, &lu);
    if (status == kNoErr)
        valeur = lu != 0;
    return status;
}

ASErr SourcePreferences::texte(const char* cle, std::string& valeur) const
{
    std::vector<char> lu(kLongueurNomPolice, '\0');
    const ASErr status =
        sAIPreference->GetStringPreference(kPrefixePrefs, cle, lu.data(), static_cast<ai_int32>(lu.size()));
    if (status == kNoErr)
        valeur.assign(lu.data(), strnlen(lu.data(), lu.size()));
    return status;
}

bool LitEntierBorne(const SourceDeReglages& source, const char* cle, int32_t& variable, int32_t usine,
                    int32_t minimum, int32_t maximum)
{
    int32_t lu = 0;
    if (source.entier(cle, lu) != kNoErr)
        return false;
    if (lu < minimum || lu > maximum) {
        if (!source.muet())
            std::fprintf(stderr, "Varo-Table: the %s \"%s\" (%d) is outside %d to %d: the factory value %d is used\n",
                     source.qualificatif(), cle, lu, minimum, maximum, usine);
        lu = usine;
    }
    variable = lu;
    return true;
}

bool LitReelBorne(const SourceDeReglages& source, const char* cle, double& variable, double usine, double minimum,
                  double maximum)
{
    double lu = 0;
    if (source.reel(cle, lu) != kNoErr)
        return false;
    if (!(lu >= minimum && lu <= maximum)) {
        if (!source.muet())
            std::fprintf(stderr, "Varo-Table: the %s \"%s\" (%g) is outside %g to %g: the factory value %g is used\n",
                     source.qualificatif(), cle, lu, minimum, maximum, usine);
        lu = usine;
    }
    variable = lu;
    return true;
}
