// Exported files: written whole or not at all, and the PNG's pixels.
#include "AtomicFile.h"
#include "DrawingCaches.h"
#include "Documents.h"
#include "Png.h"
#include "Svg.h"

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <sys/stat.h>

namespace render_test {
namespace {

namespace fs = std::filesystem;

// Once every test has run, cairo's and fontconfig's font caches are given back, so that the
// leak checker of a sanitized build sees only what the exports themselves keep.
class Caches : public testing::Environment {
public:
    void TearDown() override { host::render::releaseDrawingCaches(); }
};
testing::Environment* const kCaches = testing::AddGlobalTestEnvironment(new Caches);

class Dossier : public testing::Test {
protected:
    Dossier() : dossier_(fs::temp_directory_path() / ("varo-render-" + std::to_string(::getpid()) + "-" +
                                                       testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    ~Dossier() override { fs::remove_all(dossier_); }

    static std::string Lis(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    size_t Fichiers() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()));
    }

    fs::path dossier_;
};

// A PNG read back.
class Image {
public:
    explicit Image(const fs::path& path) : surface_(cairo_image_surface_create_from_png(path.c_str()))
    {
        EXPECT_EQ(cairo_surface_status(surface_), CAIRO_STATUS_SUCCESS) << path;
    }
    ~Image() { cairo_surface_destroy(surface_); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int largeur() const { return cairo_image_surface_get_width(surface_); }
    int hauteur() const { return cairo_image_surface_get_height(surface_); }
    // The pixel at a point of the artboard (y upward) in a picture made at `scale`, as
    // 0xRRGGBB; 0x1000000, which is no colour, outside the picture.
    uint32_t at(double x, double y, double scale = 1) const
    {
        const int colonne = static_cast<int>(x * scale), rangee = static_cast<int>((841.89 - y) * scale);
        if (colonne < 0 || rangee < 0 || colonne >= largeur() || rangee >= hauteur())
            return 0x1000000;
        uint32_t value = 0;
        std::memcpy(&value, cairo_image_surface_get_data(surface_) + rangee * cairo_image_surface_get_stride(surface_) +
                                colonne * 4,
                    4);
        return value & 0xFFFFFF;
    }

private:
    cairo_surface_t* surface_;
};

TEST_F(Dossier, AFailedWriteLeavesTheOldFileWholeAndNothingElse)
{
    const fs::path fichier = dossier_ / "table.svg";
    std::ofstream(fichier) << "old";

    const std::string raison = host::writeAtomically(fichier, [](std::FILE* file) {
        std::fputs("half of the new", file);
        return false;
    });
    EXPECT_NE(raison.find(fichier.string()), std::string::npos) << raison;
    EXPECT_EQ(Lis(fichier), "old");
    EXPECT_EQ(Fichiers(), 1u) << "no temporary file left behind";

    EXPECT_EQ(host::writeAtomically(fichier, [](std::FILE* file) { return std::fputs("new", file) >= 0; }), "");
    EXPECT_EQ(Lis(fichier), "new");
    EXPECT_EQ(Fichiers(), 1u);
    struct stat etat {};
    ASSERT_EQ(stat(fichier.c_str(), &etat), 0);
    EXPECT_NE(etat.st_mode & S_IROTH, 0u) << "readable as any new file is, not only by its owner";

    const std::string ailleurs = host::writeAtomically(dossier_ / "missing" / "t.svg", [](std::FILE*) { return true; });
    EXPECT_NE(ailleurs.find("missing"), std::string::npos) << ailleurs;
}

// Both exports, each refused a place it cannot write to: the reason names the file, whatever
// stood there is left as it was, and nothing new is left beside it.
TEST_F(Dossier, AnExportThatCannotBeWrittenLeavesEverythingAsItWas)
{
    Papier papier;
    papier.chemin(nullptr, {{0, 0}, {10, 10}}, false);
    std::ofstream(dossier_ / "plain") << "a file";
    fs::create_directories(dossier_ / "folder.png");
    const struct {
        const char* path;
        std::string (*save)(const host::doc::Document&, const host::doc::FontList&, const fs::path&);
    } cases[] = {
        {"missing/t.png", [](auto& d, auto& f, auto& p) { return host::render::savePng(d, f, p, 1); }},
        {"plain/t.svg", [](auto& d, auto& f, auto& p) { return host::render::saveSvg(d, f, p); }},
        {"folder.png", [](auto& d, auto& f, auto& p) { return host::render::savePng(d, f, p, 1); }},
    };
    for (const auto& c : cases) {
        const std::string raison = c.save(papier.document, papier.fonts, dossier_ / c.path);
        EXPECT_NE(raison.find((dossier_ / c.path).string()), std::string::npos) << c.path << ": " << raison;
        EXPECT_EQ(Fichiers(), 2u) << c.path;
        EXPECT_EQ(Lis(dossier_ / "plain"), "a file");
        EXPECT_TRUE(fs::is_empty(dossier_ / "folder.png"));
    }
    // A file that can be written replaces the old one whole.
    std::ofstream(dossier_ / "t.svg") << "old";
    ASSERT_EQ(host::render::saveSvg(papier.document, papier.fonts, dossier_ / "t.svg"), "");
    EXPECT_EQ(Lis(dossier_ / "t.svg"), host::render::svgOf(papier.document, papier.fonts));
    EXPECT_EQ(Fichiers(), 3u);
}

TEST_F(Dossier, ThePngIsTheArtboardAtItsScaleRounded)
{
    const struct {
        double scale;
        int width, height;
    } cases[] = {{1, 595, 842}, {2, 1191, 1684}, {0.5, 298, 421}, {0.05, 30, 42}};
    Papier papier;
    for (const auto& c : cases) {
        ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png", c.scale), "");
        Image image(dossier_ / "t.png");
        EXPECT_EQ(image.largeur(), c.width) << c.scale;
        EXPECT_EQ(image.hauteur(), c.height) << c.scale;
        EXPECT_EQ(image.at(300, 420, c.scale), 0xFFFFFFu) << "an empty document is white";
    }
}

TEST_F(Dossier, ThePngIsTheArtboardOnWhiteAtItsScale)
{
    Papier papier;
    Art& carre = papier.chemin(nullptr, {{100, 100}, {200, 100}, {200, 200}, {100, 200}}, true);
    carre.style.fillPaint = true;
    carre.style.fill.color = Gris(1);
    carre.style.strokePaint = false;
    Art& rouge = papier.chemin(nullptr, {{300, 700}, {400, 700}}, false);
    rouge.style.strokePaint = true;
    rouge.style.stroke.width = 10;
    rouge.style.stroke.color.kind = kThreeColor;
    rouge.style.stroke.color.c.rgb = {1, 0, 0};

    const fs::path fichier = dossier_ / "t.png";
    ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, fichier, 2), "");
    Image image(fichier);
    EXPECT_EQ(image.at(150, 150, 2), 0x000000u) << "inside the black square";
    EXPECT_EQ(image.at(90, 150, 2), 0xFFFFFFu) << "left of it";
    EXPECT_EQ(image.at(150, 210, 2), 0xFFFFFFu) << "above it";
    EXPECT_EQ(image.at(350, 700, 2), 0xFF0000u) << "on the red rule";
    EXPECT_EQ(image.at(350, 710, 2), 0xFFFFFFu) << "above the red rule";
}

// Cairo refuses a dash of nothing but zeros and then draws nothing more: such a rule is drawn
// solid and what paints after it is still there.
TEST_F(Dossier, DashesOfNothingDrawSolidAndLoseNothingAfterThem)
{
    Papier papier;
    Art& regle = papier.chemin(nullptr, {{100, 500}, {300, 500}}, false);
    regle.style = host::doc::Document::defaultPathStyle();
    regle.style.stroke.width = 4;
    regle.style.stroke.dash.length = 2; // 0 and 0
    Art& carre = papier.chemin(nullptr, {{100, 100}, {200, 100}, {200, 200}, {100, 200}}, true);
    carre.style.fillPaint = true;
    carre.style.fill.color = Gris(1);

    ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png"), "");
    Image image(dossier_ / "t.png");
    EXPECT_EQ(image.at(150, 150), 0x000000u) << "the square painted after the rule";
    for (const double x : {110.5, 150.5, 201.5, 290.5})
        EXPECT_EQ(image.at(x, 500.5), 0x000000u) << "the rule is solid at " << x;
}

// Point text stands upright on its baseline, starting, centred or ending at its anchor, on one
// line whatever breaks it holds.
TEST_F(Dossier, PngTextStandsAtItsAnchorAsJustified)
{
    const struct {
        ATEParagraphJustification justification;
        bool left, right; // whether ink lies left or right of the anchor
    } cases[] = {{kLeftJustify, false, true}, {kCenterJustify, true, true}, {kRightJustify, true, false}};
    for (const auto& c : cases) {
        Papier papier;
        Art& texte = papier.nouveau(ArtKind::Text, kPlaceAboveAll, nullptr);
        texte.anchor = {300, 400};
        texte.text = u"HHH\tH\nH\rH";
        texte.chars.size = 40;
        texte.paras.justification = c.justification;
        ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png"), "") << c.justification;
        Image image(dossier_ / "t.png");
        // Ink in a band of the artboard: x from x0 to x1, y from y0 to y1.
        const auto encre = [&](double x0, double x1, double y0, double y1) {
            for (double y = y0; y < y1; y += 1)
                for (double x = x0; x < x1; x += 1)
                    if (image.at(x, y) != 0xFFFFFFu)
                        return true;
            return false;
        };
        EXPECT_EQ(encre(20, 298, 400, 430), c.left) << c.justification;
        EXPECT_EQ(encre(302, 580, 400, 430), c.right) << c.justification;
        EXPECT_FALSE(encre(20, 580, 360, 399)) << "nothing below the baseline: the text is upright";
        EXPECT_FALSE(encre(20, 580, 440, 480)) << "nothing above its capitals";
    }
}

TEST_F(Dossier, AScaleNoPictureCanBeMadeAtWritesNothing)
{
    Papier papier;
    for (const double scale : {0.0, -1.0, 0.01, 16.5, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
        EXPECT_NE(host::render::checkPngScale(scale), "") << scale;
        EXPECT_NE(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png", scale), "") << scale;
    }
    EXPECT_EQ(Fichiers(), 0u);
    EXPECT_EQ(host::render::checkPngScale(0.5), "");
}

} // namespace
} // namespace render_test
