// Fuzz target: the table's settings and rectangle decoded from the input, any numbers at all
// (huge, negative, not finite), then the table built and built again as the tool does. The
// construction draws a table or nothing, never more objects an element than its limit and
// never a point that is not finite; the SVG and PNG exports of it never fail and never write
// a number that is not finite. A table of more than kMostObjectsBuilt objects has only its
// geometry checked: the host takes seconds to make one that large.
#include "GeometrieTableau.h"
#include "Invariants.h"
#include "JeuxDeCouleurs.h"
#include "Png.h"
#include "Reglages.h"
#include "Scratch.h"
#include "Svg.h"
#include "TableauSuites.h"
#include "TableauTraces.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message);

namespace {

constexpr size_t kMostObjectsBuilt = 5000;

// The input read as values, zeros once it runs out.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T>
    T raw()
    {
        T value{};
        const size_t from = std::min(size_, at_);
        std::memcpy(&value, data_ + from, std::min(sizeof value, size_ - from));
        at_ += sizeof value;
        return value;
    }
    // Mostly a length a user could type (a 16th of a point up to about 2000 points, either
    // sign); one time in four any 64 bits, so that huge and non-finite ones come too.
    double length()
    {
        if (raw<uint8_t>() % 4 == 0)
            return raw<double>();
        return raw<int16_t>() / 16.0;
    }
    // Mostly a count a user could type (up to 39 either side of 0, so that most tables are
    // quick to make); one time in four any 32 bits.
    int32_t count()
    {
        if (raw<uint8_t>() % 4 == 0)
            return raw<int32_t>();
        return raw<int8_t>() % 40;
    }
    void text(char (&into)[kOctetsMaxTexte + 1])
    {
        const size_t from = std::min(size_, at_ + 1);
        const size_t n = std::min<size_t>(raw<uint8_t>() % (kLongueurMaxTexte + 1), size_ - from);
        std::memset(into, 0, sizeof into);
        std::memcpy(into, data_ + from, n);
        at_ = from + n;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

host::Host& theHost()
{
    static std::unique_ptr<host::Host> made = [] {
        auto h = std::make_unique<host::Host>(
            host::HostOptions{{}, {}, std::vector<std::string>{"Alpha", "Beta", "Gamma"}, {}});
        h->plugins().addInProcess("VaroTable", PluginMain, fuzz::pluginResources());
        h->launch();
        return h;
    }();
    return *made;
}

// The layer a table goes into, as the tool makes it: what the invariants check of the tables.
AIArtHandle tablesLayerGroup()
{
    static AIArtHandle group = [] {
        AILayerHandle layer = nullptr;
        AIArtHandle made = nullptr;
        if (sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer) != kNoErr ||
            sAILayer->SetLayerTitle(layer, "Varo-Table") != kNoErr ||
            sAIArt->GetFirstArtOfLayer(layer, &made) != kNoErr)
            fuzz::broken("no layer for the tables could be made");
        return made;
    }();
    return group;
}

void readSettings(Input& in)
{
    PositionX = in.length();
    PositionY = in.length();
    LongueurTableau = in.length();
    HauteurTableau = in.length();
    NombreDeLignes = in.count();
    NombreDeColonnes = in.count();
    for (double* v : {&GouttiereLignes, &GouttiereColonnes, &GouttiereCadre, &EpaisseurLignes, &EpaisseurColonnes,
                      &EpaisseurCadre, &EpaisseurCadreDeux, &Corps})
        *v = in.length();
    const auto switches = in.raw<uint8_t>();
    AvecSansCadre = switches & 1;
    AvecSansTitre = switches & 2;
    AvecSansTexte = switches & 4;
    NumeroPolice = in.count();
    KPOLICE = in.count();
    for (JeuCouleurs& jeu : JeuxCouleurs) {
        jeu.TypeCouleur = in.count();
        for (const Canal& canal : kCanaux)
            jeu.*canal.champ = in.length();
    }
    in.text(TitreTableau);
    in.text(TexteCase);
}

// The shapes and anchors the settings give, checked against the limit; their number.
size_t checkedShapes()
{
    const DimensionsTableau t = LitDimensions();
    size_t shapes = 0;
    const auto add = [&](size_t n) {
        if (n > static_cast<size_t>(kMaxObjetsParElement))
            fuzz::broken("an element has more shapes than its limit");
        shapes += n;
    };
    std::vector<Forme> formes;
    if (FormesLignes(t, formes))
        add(formes.size());
    if (FormesColonnes(t, formes))
        add(formes.size());
    if (FormesCadre cadre; FormesDuCadre(t, cadre))
        add(cadre.formes.size());
    if (std::vector<Ancre> ancres; AncresCases(t, Corps, ancres))
        add(ancres.size());
    return shapes;
}

void build()
{
    TraceColonnes();
    TraceLignes();
    TraceCadre();
    TraceTextes();
}

void checkLimits(const host::doc::Document& document)
{
    for (AIArtHandle part : {AHGroupeCO, AHGroupeLI, AHGroupeCadres, AHGroupeTI, AHGroupeTC})
        if (const host::doc::Art* art = document.art(part))
            if (art->children.size() > static_cast<size_t>(kMaxObjetsParElement))
                fuzz::broken("an element made more objects than its limit");
}

// "nan" or "inf" outside the texts' own characters (between "<text ...>" and "</text>").
bool writesNonFinite(const std::string& svg)
{
    std::string outside;
    outside.reserve(svg.size());
    for (size_t at = 0; at < svg.size();) {
        const size_t text = svg.find("<text", at);
        const size_t open = text == std::string::npos ? text : svg.find('>', text);
        outside.append(svg, at, open == std::string::npos ? std::string::npos : open + 1 - at);
        if (open == std::string::npos)
            break;
        at = svg.find("</text>", open);
    }
    return fuzz::showsNonFinite(std::move(outside));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::scratchFolder();
    theHost();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    host::Host& h = theHost();
    Input in(data, size);
    readSettings(in);
    // Tables of many thousand objects take the host seconds to make and export: their
    // geometry is checked here, the whole build left to the tests.
    if (checkedShapes() > kMostObjectsBuilt)
        return 0;
    if (sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, tablesLayerGroup(), &AHGroupe) != kNoErr)
        fuzz::broken("no table group could be made");
    OublieSousGroupes();
    // Built at mouse-up, then rebuilt as a panel change does.
    TableauCree = false;
    DoitRedessiner = false;
    build();
    TableauCree = true;
    build();

    fuzz::checkDocument(h.document(), true);
    checkLimits(h.document());
    const std::string svg = host::render::svgOf(h.document(), h.fonts());
    if (writesNonFinite(svg))
        fuzz::broken("the SVG export writes a number that is not finite");
    if (const std::string why = host::render::saveSvg(h.document(), h.fonts(), fuzz::scratchFolder() / "table.svg"); !why.empty())
        fuzz::broken("the SVG export failed: " + why);
    if (const std::string why = host::render::savePng(h.document(), h.fonts(), fuzz::scratchFolder() / "table.png", 0.05); !why.empty())
        fuzz::broken("the PNG export failed: " + why);
    sAIArt->DisposeArt(AHGroupe);
    return 0;
}
