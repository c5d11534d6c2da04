#include "ValidationChamp.h"

#include "FormatNombres.h"
#include "LectureNombres.h"
#include "Reglages.h"
#include "TableauSuites.h"

#include <algorithm>

namespace {

constexpr const char* kCorpsRefuse = "The type size must be from 0.1 pt to 1296 pt.";

} // namespace

void AfficheChamp(ns::TextField* zone, const ChampNumerique& champ)
{
    switch (champ.genre) {
    case GenreChamp::Longueur:
        AfficheMillimetres(zone, *champ.reel);
        return;
    case GenreChamp::Points:
    case GenreChamp::TailleTexte:
        AffichePoints(zone, *champ.reel);
        return;
    case GenreChamp::Compte:
        AfficheCompte(zone, *champ.compte);
        return;
    }
}

bool ValideChamp(ns::TextField* zone, const ChampNumerique& champ)
{
    if (zone == nullptr)
        return false;
    const std::string texte = zone->stringValue();
    Lecture lu = champ.genre == GenreChamp::Compte   ? LitCompte(texte)
                 : champ.genre == GenreChamp::Longueur ? LitMesure(texte, kMillimetres)
                                                       : LitMesure(texte, kPointsTypo);
    if (lu.valeur && champ.genre == GenreChamp::TailleTexte && !(lu.points >= kCorpsMinimum && lu.points <= kCorpsMaximum)) {
        lu.valeur.reset();
        lu.refus = kCorpsRefuse;
    }
    if (!lu.valeur) {
        AfficheChamp(zone, champ);
        PrevientUtilisateur(lu.refus);
        return false;
    }
    switch (champ.genre) {
    case GenreChamp::Longueur:
    case GenreChamp::Points:
    case GenreChamp::TailleTexte:
        *champ.reel = lu.points;
        break;
    case GenreChamp::Compte:
        *champ.compte = static_cast<int32_t>(
            std::clamp(*lu.valeur, static_cast<double>(champ.minimum), static_cast<double>(champ.maximum)));
        break;
    }
    AfficheChamp(zone, champ);
    return true;
}

void PrevientUtilisateur(const std::string& message)
{
    if (sAIUser != nullptr)
        sAIUser->MessageAlert(message.c_str());
}
