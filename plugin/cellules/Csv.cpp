#include "Csv.h"

#include <array>

namespace {

// The length of the UTF-8 character at `i`; 0 when the bytes there are not one.
size_t LongueurUtf8(std::string_view texte, size_t i)
{
    const auto octet = [&](size_t k) { return static_cast<unsigned char>(texte[k]); };
    const unsigned char tete = octet(i);
    if (tete < 0x80)
        return 1;
    size_t n = 0;
    char32_t valeur = 0, minimum = 0;
    if ((tete & 0xE0) == 0xC0)
        n = 2, valeur = tete & 0x1F, minimum = 0x80;
    else if ((tete & 0xF0) == 0xE0)
        n = 3, valeur = tete & 0x0F, minimum = 0x800;
    else if ((tete & 0xF8) == 0xF0)
        n = 4, valeur = tete & 0x07, minimum = 0x10000;
    else
        return 0;
    if (i + n > texte.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80)
            return 0;
        valeur = (valeur << 6) | (octet(i + k) & 0x3F);
    }
    if (valeur < minimum || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur <= 0xDFFF))
        return 0;
    return n;
}

std::string Ligne(size_t ligne)
{
    return "line " + std::to_string(ligne) + ": ";
}

// The first byte that is not UTF-8 or is NUL, said with its line; empty when there is none.
std::string VerifieTexte(std::string_view texte)
{
    size_t ligne = 1;
    for (size_t i = 0; i < texte.size();) {
        if (texte[i] == '\0')
            return Ligne(ligne) + "a NUL character";
        if (texte[i] == '\n')
            ++ligne;
        const size_t n = LongueurUtf8(texte, i);
        if (n == 0)
            return Ligne(ligne) + "bytes that are not UTF-8";
        i += n;
    }
    return {};
}

class Lecteur {
public:
    Lecteur(std::string_view texte, char separateur, const LimitesCsv& limites)
        : texte_(texte), separateur_(separateur), limites_(limites)
    {
    }

    LectureCsv lit()
    {
        LectureCsv lecture;
        if (std::string refus = VerifieTexte(texte_); !refus.empty())
            return refuse(std::move(refus));
        if (texte_.substr(0, 3) == "\xEF\xBB\xBF")
            i_ = 3;
        std::vector<std::string> enregistrement;
        while (i_ < texte_.size()) {
            std::string champ;
            if (!this->champ(champ))
                return refuse(std::move(refus_));
            if (champ.size() > limites_.octetsParChamp)
                return refuse(Ligne(ligne_) + "a field longer than " + std::to_string(limites_.octetsParChamp) +
                              " bytes");
            if (++champs_ > limites_.champs)
                return refuse("more than " + std::to_string(limites_.champs) + " fields");
            enregistrement.push_back(std::move(champ));
            if (enregistrement.size() > limites_.champsParEnregistrement)
                return refuse(Ligne(ligne_) + "more than " + std::to_string(limites_.champsParEnregistrement) +
                              " fields in one record");
            if (i_ < texte_.size() && texte_[i_] == separateur_) {
                ++i_;
                if (i_ == texte_.size()) // a separator ends the text: one more, empty field
                    enregistrement.emplace_back();
                continue;
            }
            finDeLigne();
            if (lecture.enregistrements.size() == limites_.enregistrements)
                return refuse("more than " + std::to_string(limites_.enregistrements) + " records");
            garde(lecture, std::move(enregistrement));
            enregistrement.clear();
        }
        if (!enregistrement.empty())
            garde(lecture, std::move(enregistrement));
        // Empty lines at the end of the text are no data.
        lecture.enregistrements.resize(pleins_);
        return lecture;
    }

private:
    static LectureCsv refuse(std::string raison) { return {{}, std::move(raison)}; }

    // A record; one that is an empty line does not count as data until another follows it.
    void garde(LectureCsv& lecture, std::vector<std::string> enregistrement)
    {
        const bool ligneVide = enregistrement.size() == 1 && enregistrement.front().empty() && !guillemets_;
        lecture.enregistrements.push_back(std::move(enregistrement));
        if (!ligneVide)
            pleins_ = lecture.enregistrements.size();
    }

    bool finLigne(size_t i) const { return i < texte_.size() && (texte_[i] == '\n' || texte_[i] == '\r'); }

    // Past a line end (CR LF, LF or CR) when one is here.
    void finDeLigne()
    {
        if (i_ < texte_.size() && texte_[i_] == '\r')
            ++i_;
        if (i_ < texte_.size() && texte_[i_] == '\n')
            ++i_;
        ++ligne_;
    }

    // One field from i_, up to the separator or the line end that follows it.
    bool champ(std::string& champ)
    {
        guillemets_ = i_ < texte_.size() && texte_[i_] == '"';
        if (guillemets_) {
            const size_t debut = ligne_;
            for (++i_;; ++i_) {
                if (i_ == texte_.size()) {
                    refus_ = Ligne(debut) + "a quoted field that never ends";
                    return false;
                }
                if (champ.size() > limites_.octetsParChamp)
                    return true; // refused by the caller, without reading the rest
                const char c = texte_[i_];
                if (c == '"') {
                    if (i_ + 1 < texte_.size() && texte_[i_ + 1] == '"') {
                        champ += '"';
                        ++i_;
                        continue;
                    }
                    ++i_;
                    break;
                }
                if (c == '\n')
                    ++ligne_;
                champ += c;
            }
            if (i_ < texte_.size() && texte_[i_] != separateur_ && !finLigne(i_)) {
                refus_ = Ligne(ligne_) + "text after the closing quote of a field";
                return false;
            }
            return true;
        }
        const size_t debut = i_;
        while (i_ < texte_.size() && texte_[i_] != separateur_ && !finLigne(i_))
            ++i_;
        champ.assign(texte_.substr(debut, i_ - debut));
        return true;
    }

    std::string_view texte_;
    char separateur_;
    const LimitesCsv& limites_;
    size_t i_ = 0;
    size_t ligne_ = 1;
    size_t champs_ = 0;
    size_t pleins_ = 0;       // records up to the last one that is not an empty line
    bool guillemets_ = false; // the last field read was quoted
    std::string refus_;
};

} // namespace

char DevineSeparateur(std::string_view texte)
{
    constexpr std::array<char, 3> kSeparateurs{'\t', ';', ','};
    std::array<size_t, 3> comptes{};
    bool entreGuillemets = false;
    for (char c : texte) {
        if (c == '"')
            entreGuillemets = !entreGuillemets;
        else if (!entreGuillemets && (c == '\n' || c == '\r'))
            break;
        else if (!entreGuillemets)
            for (size_t k = 0; k < kSeparateurs.size(); ++k)
                comptes[k] += c == kSeparateurs[k];
    }
    size_t meilleur = kSeparateurs.size() - 1; // the comma, when there is none
    for (size_t k = 0; k < kSeparateurs.size(); ++k)
        if (comptes[k] > comptes[meilleur])
            meilleur = k;
    return kSeparateurs[meilleur];
}

LectureCsv LitCsv(std::string_view texte, char separateur, const LimitesCsv& limites)
{
    return Lecteur(texte, separateur, limites).lit();
}

std::string EcritCsv(const Enregistrements& enregistrements, char separateur)
{
    std::string csv;
    for (const std::vector<std::string>& enregistrement : enregistrements) {
        for (size_t k = 0; k < enregistrement.size(); ++k) {
            const std::string& champ = enregistrement[k];
            if (k > 0)
                csv += separateur;
            // Quoted besides: a field a reader would take as a blank line, and one that starts
            // with a byte-order mark (at the start of the text a reader skips it).
            const bool guillemets = champ.find_first_of(std::string{separateur, '"', '\r', '\n'}) != std::string::npos ||
                                    (!champ.empty() && (champ.front() == ' ' || champ.back() == ' ')) ||
                                    (enregistrement.size() == 1 && champ.empty()) ||
                                    champ.rfind("\xEF\xBB\xBF", 0) == 0;
            if (!guillemets) {
                csv += champ;
                continue;
            }
            csv += '"';
            for (char c : champ) {
                if (c == '"')
                    csv += '"';
                csv += c;
            }
            csv += '"';
        }
        csv += "\r\n";
    }
    return csv;
}
