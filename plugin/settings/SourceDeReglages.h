// Where stored settings are read from: the preference store under "VaroTableau", or the
// dictionary a table carries on its group. Both are read the same way: a value the plug-in
// could not have written (out of its bounds, or of another kind) gives way to the factory value,
// and the plug-in says so on standard error.
#pragma once

#include "sdk/ASTypes.h"

#include <cstdint>
#include <string>

class SourceDeReglages {
public:
    virtual ~SourceDeReglages() = default;
    // Each answers the host's status and leaves the value untouched unless it is kNoErr.
    virtual ASErr entier(const char* cle, int32_t& valeur) const = 0;
    virtual ASErr reel(const char* cle, double& valeur) const = 0;
    virtual ASErr booleen(const char* cle, bool& valeur) const = 0;
    virtual ASErr texte(const char* cle, std::string& valeur) const = 0;
    // How the messages name a value read from here: "stored" or "table's".
    virtual const char* qualificatif() const = 0;
    // True when what is read is not to be said: a value out of bounds still becomes its
    // factory value.
    virtual bool muet() const { return false; }
};

// The preference store under kPrefixePrefs.
class SourcePreferences : public SourceDeReglages {
public:
    ASErr entier(const char* cle, int32_t& valeur) const override;
    ASErr reel(const char* cle, double& valeur) const override;
    ASErr booleen(const char* cle, bool& valeur) const override;
    ASErr texte(const char* cle, std::string& valeur) const override;
    const char* qualificatif() const override { return "stored"; }
};

// An integer or a real read into `variable` when the source holds it: one outside
// [minimum, maximum] (a real that is not a number included) becomes `usine`, said on standard
// error. False when the source does not hold it (the variable is then unchanged).
bool LitEntierBorne(const SourceDeReglages& source, const char* cle, int32_t& variable, int32_t usine,
                    int32_t minimum, int32_t maximum);
bool LitReelBorne(const SourceDeReglages& source, const char* cle, double& variable, double usine, double minimum,
                  double maximum);
