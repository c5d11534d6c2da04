#include "ReglagesDuTableau.h"

#include "EcritLitPrefs.h"
#include "SourceDeReglages.h"
#include "TableauSuites.h"

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

using R = ReglagesTableau;

const char* const kMarque = "VaroTableau";
constexpr double kFini = DBL_MAX;

// Every real, with its factory value and the bounds the plug-in's fields can write.
struct CleReelle {
    const char* cle;
    double R::*champ;
    double usine, minimum, maximum;
};
const CleReelle kReels[] = {
    {"PositionX", &R::PositionX, 0, -kFini, kFini},
    {"PositionY", &R::PositionY, 0, -kFini, kFini},
    {"Longueur", &R::Longueur, 0, -kFini, kFini},
    {"Hauteur", &R::Hauteur, 0, -kFini, kFini},
    {"EpaisseurLignes", &R::EpaisseurLignes, ReelUsine("EpaisseurLignes"), -kFini, kFini},
    {"EpaisseurColonnes", &R::EpaisseurColonnes, ReelUsine("EpaisseurColonnes"), -kFini, kFini},
    {"EpaisseurCadre", &R::EpaisseurCadre, ReelUsine("EpaisseurCadre"), -kFini, kFini},
    {"EpaisseurCadreDeux", &R::EpaisseurCadreDeux, ReelUsine("EpaisseurCadreDeux"), -kFini, kFini},
    {"GouttiereLignes", &R::GouttiereLignes, ReelUsine("GouttiereLignes"), -kFini, kFini},
    {"GouttiereColonnes", &R::GouttiereColonnes, ReelUsine("GouttiereColonnes"), -kFini, kFini},
    {"GouttiereCadre", &R::GouttiereCadre, ReelUsine("GouttiereCadre"), -kFini, kFini},
    {"Corps", &R::Corps, kCorpsUsine, kCorpsMinimum, kCorpsMaximum},
};

struct CleEntiere {
    const char* cle;
    int32_t R::*champ;
    int32_t usine, minimum, maximum;
};
const CleEntiere kEntiers[] = {
    {"NombreLignes", &R::NombreDeLignes, EntierUsine("NombreLignes"), 1, kNombreMaxRangs},
    {"NombreColonnes", &R::NombreDeColonnes, EntierUsine("NombreColonnes"), 1, kNombreMaxRangs},
    {"NumPolice", &R::NumeroPolice, 0, 0, kNumeroMaxPolice},
};

struct CleBooleenne {
    const char* cle;
    bool R::*champ;
};
const CleBooleenne kBooleens[] = {
    {"AvecSansCadre", &R::AvecSansCadre},
    {"AvecSansTitre", &R::AvecSansTitre},
    {"AvecSansTexte", &R::AvecSansTexte},
};

struct CleTexte {
    const char* cle;
    std::string R::*champ;
    const char* usine;
    bool limite; // at most kLongueurMaxTexte characters
};
const CleTexte kTextes[] = {
    {"TitreTableau", &R::Titre, "Title of the table", true},
    {"TexteCase", &R::Texte, "Text", true},
    {"Police", &R::Police, "", false},
};

std::string CleCouleur(const char* nom, int element)
{
    return std::string(nom) + kElements[element].suffixe;
}

// Characters of a UTF-8 text: the bytes that start one.
size_t Caracteres(std::string_view texte)
{
    size_t n = 0;
    for (unsigned char octet : texte)
        n += (octet & 0xC0) != 0x80;
    return n;
}

// A table's dictionary, held for one read or one write.
class Dictionnaire {
public:
    explicit Dictionnaire(AIArtHandle groupe)
    {
        if (sAIDictionary != nullptr)
            status_ = sAIDictionary->GetArtDictionary(groupe, &ref_);
        else
            status_ = kBadParameterErr;
    }
    ~Dictionnaire()
    {
        if (ref_ != nullptr)
            sAIDictionary->Release(ref_);
    }
    Dictionnaire(const Dictionnaire&) = delete;
    Dictionnaire& operator=(const Dictionnaire&) = delete;

    AIDictionaryRef ref() const { return ref_; }
    ASErr status() const { return status_; }

private:
    AIDictionaryRef ref_ = nullptr;
    ASErr status_ = kNoErr;
};

class SourceDictionnaire : public SourceDeReglages {
public:
    SourceDictionnaire(AIDictionaryRef ref, bool muet) : ref_(ref), muet_(muet) {}

    ASErr entier(const char* cle, int32_t& valeur) const override
    {
        ai_int32 lu = 0;
        const ASErr status = sAIDictionary->GetIntegerEntry(ref_, cle, &lu);
        if (status == kNoErr)
            valeur = lu;
        return status;
    }
    ASErr reel(const char* cle, double& valeur) const override
    {
        return sAIDictionary->GetRealEntry(ref_, cle, &valeur);
    }
    ASErr booleen(const char* cle, bool& valeur) const override
    {
        ASBoolean lu = false;
        const ASErr status = sAIDictionary->GetBooleanEntry(ref_, cle, &lu);
        if (status == kNoErr)
            valeur = lu != 0;
        return status;
    }
    ASErr texte(const char* cle, std::string& valeur) const override
    {
        const char* lu = nullptr;
        const ASErr status = sAIDictionary->GetStringEntry(ref_, cle, &lu);
        if (status == kNoErr && lu != nullptr)
            valeur = lu;
        return status == kNoErr && lu == nullptr ? kBadParameterErr : status;
    }
    const char* qualificatif() const override { return "table's"; }
    bool muet() const override { return muet_; }

private:
    AIDictionaryRef ref_;
    bool muet_;
};

// A value the table does not hold, or holds as another kind, is its factory value.
void Manque(const SourceDeReglages& source, const std::string& cle, const std::string& usine)
{
    if (!source.muet())
        std::fprintf(stderr, "Varo-Table: the table's \"%s\" is missing or unreadable: the factory value %s is used\n",
                     cle.c_str(), usine.c_str());
}

std::string Nombre(double valeur)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%g", valeur);
    return texte;
}

// The name of the host's font at `index` of its list; empty for none.
std::string NomDePolice(int64_t index)
{
    AIFontKey cle = nullptr;
    char nom[256] = "";
    if (index < 0 || index > INT32_MAX || sAIFont->IndexUserFontList(static_cast<ai_int32>(index), &cle) != kNoErr ||
        cle == nullptr || sAIFont->GetFontName(cle, nom, sizeof nom) != kNoErr)
        return {};
    nom[sizeof nom - 1] = '\0';
    return nom;
}

} // namespace

namespace {

// Each setting of the snapshot beside the process-wide variable it copies.
template <typename T>
struct Lien {
    T R::*champ;
    T* variable;
};
const Lien<double> kLiensReels[] = {
    {&R::PositionX, &PositionX},
    {&R::PositionY, &PositionY},
    {&R::Longueur, &LongueurTableau},
    {&R::Hauteur, &HauteurTableau},
    {&R::EpaisseurLignes, &EpaisseurLignes},
    {&R::EpaisseurColonnes, &EpaisseurColonnes},
    {&R::EpaisseurCadre, &EpaisseurCadre},
    {&R::EpaisseurCadreDeux, &EpaisseurCadreDeux},
    {&R::GouttiereLignes, &GouttiereLignes},
    {&R::GouttiereColonnes, &GouttiereColonnes},
    {&R::GouttiereCadre, &GouttiereCadre},
    {&R::Corps, &Corps},
};
const Lien<int32_t> kLiensEntiers[] = {
    {&R::NombreDeLignes, &NombreDeLignes},
    {&R::NombreDeColonnes, &NombreDeColonnes},
    {&R::NumeroPolice, &NumeroPolice},
};
const Lien<bool> kLiensBooleens[] = {
    {&R::AvecSansCadre, &AvecSansCadre},
    {&R::AvecSansTitre, &AvecSansTitre},
    {&R::AvecSansTexte, &AvecSansTexte},
};

template <typename Copie>
void PourChaqueLien(Copie&& copie)
{
    for (const auto& l : kLiensReels)
        copie(l);
    for (const auto& l : kLiensEntiers)
        copie(l);
    for (const auto& l : kLiensBooleens)
        copie(l);
}

} // namespace

ReglagesTableau ReglagesCourants()
{
    ReglagesTableau r;
    PourChaqueLien([&r](const auto& l) { r.*l.champ = *l.variable; });
    r.Police = NomDePolice(int64_t{NumeroPolice} + KPOLICE);
    r.Titre.assign(TitreTableau, strnlen(TitreTableau, sizeof TitreTableau));
    r.Texte.assign(TexteCase, strnlen(TexteCase, sizeof TexteCase));
    for (int e = 0; e < NombreElements; ++e)
        r.Couleurs[e] = JeuxCouleurs[e];
    return r;
}

void AppliqueReglages(const ReglagesTableau& r)
{
    PourChaqueLien([&r](const auto& l) { *l.variable = r.*l.champ; });
    // The font's name outlives a font list that changed order.
    if (!r.Police.empty()) {
        ai_int32 nombre = 0;
        if (sAIFont->CountFonts(&nombre) == kNoErr)
            for (ai_int32 i = 0; i < nombre; ++i)
                if (NomDePolice(i) == r.Police && int64_t{i} - KPOLICE >= 0) {
                    NumeroPolice = static_cast<int32_t>(int64_t{i} - KPOLICE);
                    break;
                }
    }
    for (const auto& [texte, reglage] : {std::pair{&r.Titre, &TitreTableau}, std::pair{&r.Texte, &TexteCase}}) {
        const size_t n = std::min(texte->size(), sizeof *reglage - 1);
        std::memcpy(*reglage, texte->data(), n);
        (*reglage)[n] = '\0';
    }
    for (int e = 0; e < NombreElements; ++e)
        JeuxCouleurs[e] = r.Couleurs[e];
}

ASErr EcritReglagesDuTableau(AIArtHandle groupe, const ReglagesTableau& r)
{
    const Dictionnaire dictionnaire(groupe);
    if (dictionnaire.status() != kNoErr)
        return dictionnaire.status();
    const AIDictionaryRef d = dictionnaire.ref();
    ASErr premiere = kNoErr;
    const auto garde = [&premiere](ASErr status) {
        if (premiere == kNoErr)
            premiere = status;
    };
    garde(sAIDictionary->SetIntegerEntry(d, kMarque, kVersionReglagesTableau));
    for (const CleReelle& c : kReels)
        garde(sAIDictionary->SetRealEntry(d, c.cle, r.*c.champ));
    for (const CleEntiere& c : kEntiers)
        garde(sAIDictionary->SetIntegerEntry(d, c.cle, r.*c.champ));
    for (const CleBooleenne& c : kBooleens)
        garde(sAIDictionary->SetBooleanEntry(d, c.cle, r.*c.champ));
    for (const CleTexte& c : kTextes)
        garde(sAIDictionary->SetStringEntry(d, c.cle, (r.*c.champ).c_str()));
    for (int e = 0; e < NombreElements; ++e) {
        garde(sAIDictionary->SetIntegerEntry(d, CleCouleur("TypeCouleurs", e).c_str(), r.Couleurs[e].TypeCouleur));
        for (const Canal& canal : kCanaux)
            garde(sAIDictionary->SetRealEntry(d, CleCouleur(canal.nom, e).c_str(), r.Couleurs[e].*canal.champ));
    }
    return premiere;
}

bool PorteDesReglages(AIArtHandle groupe)
{
    if (sAIDictionary == nullptr || !sAIArt->ValidArt(groupe, true) || !sAIDictionary->HasArtDictionary(groupe))
        return false;
    const Dictionnaire dictionnaire(groupe);
    AIEntryType type = kNoEntryType;
    return dictionnaire.status() == kNoErr &&
           sAIDictionary->GetEntryType(dictionnaire.ref(), kMarque, &type) == kNoErr && type == kIntegerEntryType;
}

bool LitReglagesDuTableau(AIArtHandle groupe, ReglagesTableau& r, bool muet)
{
    if (!PorteDesReglages(groupe))
        return false;
    const Dictionnaire dictionnaire(groupe);
    if (dictionnaire.status() != kNoErr)
        return false;
    const SourceDictionnaire source(dictionnaire.ref(), muet);

    for (const CleReelle& c : kReels)
        if (!LitReelBorne(source, c.cle, r.*c.champ, c.usine, c.minimum, c.maximum)) {
            Manque(source, c.cle, Nombre(c.usine));
            r.*c.champ = c.usine;
        }
    for (const CleEntiere& c : kEntiers)
        if (!LitEntierBorne(source, c.cle, r.*c.champ, c.usine, c.minimum, c.maximum)) {
            Manque(source, c.cle, Nombre(c.usine));
            r.*c.champ = c.usine;
        }
    for (const CleBooleenne& c : kBooleens)
        if (source.booleen(c.cle, r.*c.champ) != kNoErr) {
            Manque(source, c.cle, "true");
            r.*c.champ = true;
        }
    for (const CleTexte& c : kTextes) {
        std::string& texte = r.*c.champ;
        if (source.texte(c.cle, texte) != kNoErr) {
            Manque(source, c.cle, std::string("\"") + c.usine + "\"");
            texte = c.usine;
        } else if (c.limite && Caracteres(texte) > static_cast<size_t>(kLongueurMaxTexte)) {
            if (!muet)
                std::fprintf(stderr,
                             "Varo-Table: the table's \"%s\" is longer than %d characters: the factory value \"%s\" "
                             "is used\n",
                             c.cle, kLongueurMaxTexte, c.usine);
            texte = c.usine;
        }
    }
    for (int e = 0; e < NombreElements; ++e) {
        JeuCouleurs& jeu = r.Couleurs[e];
        const std::string cleType = CleCouleur("TypeCouleurs", e);
        if (!LitEntierBorne(source, cleType.c_str(), jeu.TypeCouleur, TypeGris, TypeGris, TypeCMJN)) {
            Manque(source, cleType, Nombre(TypeGris));
            jeu.TypeCouleur = TypeGris;
        }
        for (const Canal& canal : kCanaux) {
            const std::string cle = CleCouleur(canal.nom, e);
            if (!LitReelBorne(source, cle.c_str(), jeu.*canal.champ, canal.usine, 0, canal.maximum)) {
                Manque(source, cle, Nombre(canal.usine));
                jeu.*canal.champ = canal.usine;
            }
        }
    }
    return true;
}
