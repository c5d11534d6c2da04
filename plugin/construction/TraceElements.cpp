// The rows, columns and frame of the current table: one builder for the three elements, each
// described by a row of kTraces, the shapes coming from GeometrieTableau.
#include "ElementLie.h"
#include "GeometrieTableau.h"
#include "JeuxDeCouleurs.h"
#include "Reglages.h"
#include "ReglagesDuTableau.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

namespace {

// What the builder needs to know of one element.
struct DescriptionTrace {
    const char* nom;            // the sub-group's name
    AIArtHandle* groupe;        // the sub-group of the current table
    ElementLie** liste;         // the element's path records
    AIPathStyle* style;         // its style record
    const double* epaisseur;    // the stroke width written into the record
    int32_t (*couleur)();       // the record's colour update
    ai_int16 genre;             // TraceSimpleTrait's kind for its rules
};

enum Trace { TraceDesColonnes, TraceDesLignes, TraceDuCadre };

const DescriptionTrace kTraces[] = {
    {"Columns", &AHGroupeCO, &PtrPremierColonneLiee, &StyleColonnes, &EpaisseurColonnes,
     MiseAJourDuStyleDesColonnes, TraitColonnes},
    {"Lines", &AHGroupeLI, &PtrPremierLigneLiee, &StyleLignes, &EpaisseurLignes, MiseAJourDuStyleDesLignes,
     TraitLignes},
    {"Frame", &AHGroupeCadres, &PtrPremierCadreLie, &StyleCadre, &EpaisseurCadre, MiseAJourDuStyleDuCadre,
     TraitCadre},
};

AIPathSegment Point(double h, double v)
{
    const AIRealPoint p{static_cast<AIReal>(h), static_cast<AIReal>(v)};
    return AIPathSegment{p, p, p, false};
}

ASErr Dessine(const Forme& forme, AIArtHandle& art, ai_int16 genre)
{
    if (forme.genre == Forme::Rectangle)
        return TraceRectangle(static_cast<AIReal>(forme.a), static_cast<AIReal>(forme.b),
                              static_cast<AIReal>(forme.c), static_cast<AIReal>(forme.d), art);
    return TraceSimpleTrait(Point(forme.a, forme.b), Point(forme.c, forme.d), art, genre);
}

// The opening every element shares, up to the decision whether it is drawn: false when the
// element is to be left absent (and the status to return is in `status`).
bool Ouvre(const DescriptionTrace& d, bool voulu, ASErr& status)
{
    status = kNoErr;
    if (!sAIArt->ValidArt(AHGroupe, true))
        return false;
    if (!RameneAQueue(*d.liste)) {
        status = kOutOfMemoryErr;
        return false;
    }
    if (TableauCree && !DoitRedessiner)
        DetruitTrace(*d.groupe); // only while it is still valid art
    return voulu;
}

// The sub-group, then one new path per shape, each recorded in the element's list. `avant`
// runs before the shape of that index is drawn (the frame changes its stroke width there).
// The first failure is the answer: a path that cannot be made or set ends the build, and the
// element goes whole rather than stay half-built; a name that cannot be given leaves the
// element whole, unnamed.
template <typename Avant>
ASErr Construit(const DescriptionTrace& d, const std::vector<Forme>& formes, Avant avant)
{
    d.style->stroke.width = static_cast<AIReal>(*d.epaisseur);
    d.couleur();
    ASErr status = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, AHGroupe, d.groupe);
    if (status != kNoErr)
        return status;
    const ASErr nom = sAIArt->SetArtName(*d.groupe, d.nom);

    ElementLie* courant = *d.liste;
    for (size_t i = 0; i < formes.size() && courant != nullptr && status == kNoErr; ++i) {
        avant(i);
        if (courant->suivant == nullptr) {
            if (SuivantOuNouveau(courant) == nullptr)
                status = kOutOfMemoryErr;
            else
                status = sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, *d.groupe, &courant->art);
        }
        if (status == kNoErr)
            status = Dessine(formes[i], courant->art, d.genre);
        courant = courant->suivant;
    }
    if (status != kNoErr) {
        DetruitTrace(*d.groupe);
        return status;
    }
    return nom;
}

// The shapes of the element being built. The elements are built one after the other, so one
// list serves the three; it keeps its room from one rebuild to the next, and a rebuild of a
// large table neither asks for it again nor touches fresh memory.
FormesCadre gFormes;

ASErr TraceRegles(Trace trace, bool voulu, bool (*formes)(const DimensionsTableau&, std::vector<Forme>&),
                  double epaisseur)
{
    const DescriptionTrace& d = kTraces[trace];
    ASErr status = kNoErr;
    if (!Ouvre(d, voulu, status))
        return status;
    if (!formes(LitDimensions(), gFormes.formes) || !FiniEnFlottant(epaisseur))
        return kNoErr;
    return Construit(d, gFormes.formes, [](size_t) {});
}

} // namespace

ASErr TraceColonnes()
{
    return TraceRegles(TraceDesColonnes, NombreDeColonnes >= 2, FormesColonnes, EpaisseurColonnes);
}

ASErr TraceLignes()
{
    return TraceRegles(TraceDesLignes, NombreDeLignes >= 2, FormesLignes, EpaisseurLignes);
}

ASErr TraceTableau()
{
    PremiereErreur premiere;
    for (ASErr (*trace)() : {TraceColonnes, TraceLignes, TraceCadre, TraceTextes})
        premiere.garde(trace());
    // The table carries what it was built with, to be made current and edited again.
    if (sAIArt->ValidArt(AHGroupe, true))
        premiere.garde(EcritReglagesDuTableau(AHGroupe, ReglagesCourants()));
    return premiere.status();
}

ASErr TraceCadre()
{
    const DescriptionTrace& d = kTraces[TraceDuCadre];
    ASErr status = kNoErr;
    if (!Ouvre(d, AvecSansCadre, status))
        return status;
    FormesCadre& cadre = gFormes;
    if (!FormesDuCadre(LitDimensions(), cadre) || !FiniEnFlottant(EpaisseurCadre))
        return kNoErr;
    const bool avecInterieur = cadre.debutInterieur < cadre.formes.size();
    if (avecInterieur && !FiniEnFlottant(EpaisseurCadreDeux))
        return kNoErr;
    // The outer rectangle in the frame's thickness, the inner frame in the second one.
    return Construit(d, cadre.formes, [&](size_t i) {
        if (i == cadre.debutInterieur)
            StyleCadre.stroke.width = static_cast<AIReal>(EpaisseurCadreDeux);
    });
}
