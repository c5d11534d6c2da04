// Exported files: written whole or not at all, and the PNG's pixels.
#include "AtomicFile.h"
#include "DrawingCaches.h"
#include "Documents.h"
#include "Png.h"
#include "SaveDrawing.h"
#include "Svg.h"
#include "TestFolder.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <tuple>

namespace render_test {
namespace {

namespace fs = std::filesystem;
using testing_files::readFile;

// Once every test has run, cairo's and fontconfig's font caches are given back, so that the
// leak checker of a sanitized build sees only what the exports themselves keep.
class Caches : public testing::Environment {
public:
    void TearDown() override { host::render::releaseDrawingCaches(); }
};
testing::Environment* const kCaches = testing::AddGlobalTestEnvironment(new Caches);

class Dossier : public testing::Test {
protected:
    size_t Fichiers() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dossier_.path()), fs::directory_iterator()));
    }

    testing_files::TestFolder dossier_;
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
    EXPECT_EQ(readFile(fichier), "old");
    EXPECT_EQ(Fichiers(), 1u) << "no temporary file left behind";

    EXPECT_EQ(host::writeAtomically(fichier, [](std::FILE* file) { return std::fputs("new", file) >= 0; }), "");
    EXPECT_EQ(readFile(fichier), "new");
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
        EXPECT_EQ(readFile(dossier_ / "plain"), "a file");
        EXPECT_TRUE(fs::is_empty(dossier_ / "folder.png"));
    }
    // A file that can be written replaces the old one whole.
    std::ofstream(dossier_ / "t.svg") << "old";
    ASSERT_EQ(host::render::saveSvg(papier.document, papier.fonts, dossier_ / "t.svg"), "");
    EXPECT_EQ(readFile(dossier_ / "t.svg"), host::render::svgOf(papier.document, papier.fonts));
    EXPECT_EQ(Fichiers(), 3u);
}

// A drawing larger than the parts the SVG is written in goes to the file as the same bytes
// as the text made whole; a file that refuses a part is told, whichever part it is.
TEST_F(Dossier, TheSvgWrittenPartByPartIsTheWholeTextAndARefusalIsTold)
{
    Papier papier;
    for (int i = 0; i < 5000; ++i)
        papier.chemin(nullptr, {{static_cast<AIReal>(i), 0}, {static_cast<AIReal>(i), 100}}, false, "rule " + std::to_string(i));
    const std::string whole = host::render::svgOf(papier.document, papier.fonts);
    ASSERT_GT(whole.size(), size_t{1} << 19) << "several parts of a quarter of a MiB";

    std::FILE* file = std::fopen((dossier_ / "parts.svg").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(host::render::writeSvg(papier.document, papier.fonts, file));
    ASSERT_EQ(std::fclose(file), 0);
    EXPECT_EQ(readFile(dossier_ / "parts.svg"), whole);

    std::FILE* full = std::fopen("/dev/full", "wb");
    if (full == nullptr)
        GTEST_SKIP() << "no /dev/full here";
    EXPECT_FALSE(host::render::writeSvg(papier.document, papier.fonts, full));
    std::fclose(full);
}

// The drawing saved as a person saves it: the SVG and its PNG together, or neither; the
// first failure is the reason given.
TEST_F(Dossier, TheDrawingAndItsPictureAreSavedTogetherOrNeither)
{
    Papier papier;
    papier.chemin(nullptr, {{0, 0}, {10, 10}}, false);
    const fs::path svg = dossier_ / "drawing.svg", png = dossier_ / "drawing.png";
    EXPECT_EQ(host::render::pictureBeside(svg), png);

    // The PNG cannot take its place (a folder stands there): the old SVG stays.
    std::ofstream(svg) << "old";
    fs::create_directories(png / "inside");
    const std::string raison = host::render::saveDrawing(papier.document, papier.fonts, svg);
    EXPECT_NE(raison.find(png.string()), std::string::npos) << raison;
    EXPECT_EQ(readFile(svg), "old");
    EXPECT_EQ(Fichiers(), 2u) << "nothing left beside them";

    // Both in place: the SVG is the export, the PNG its picture.
    fs::remove_all(png);
    ASSERT_EQ(host::render::saveDrawing(papier.document, papier.fonts, svg), "");
    EXPECT_EQ(readFile(svg), host::render::svgOf(papier.document, papier.fonts));
    EXPECT_EQ(readFile(png).substr(1, 3), "PNG");
    EXPECT_EQ(Fichiers(), 2u);

    // The same for any set of files: a writer that fails leaves every old file as it was; one
    // file that cannot be replaced puts back the ones already replaced.
    std::ofstream(dossier_ / "a") << "old a";
    std::ofstream(dossier_ / "b") << "old b";
    const auto ecrit = [](const char* texte) { return [texte](std::FILE* f) { return std::fputs(texte, f) >= 0; }; };
    const auto echoue = [](std::FILE*) { return false; };
    EXPECT_NE(host::writeAllAtomically({{dossier_ / "a", ecrit("new a")}, {dossier_ / "b", echoue}}), "");
    fs::create_directories(dossier_ / "c" / "inside");
    EXPECT_NE(host::writeAllAtomically({{dossier_ / "a", ecrit("new a")}, {dossier_ / "b", ecrit("new b")},
                                        {dossier_ / "c", ecrit("new c")}}),
              "");
    EXPECT_NE(host::writeAllAtomically({{dossier_ / "new", ecrit("new")}, {dossier_ / "c", ecrit("new c")}}), "");
    EXPECT_EQ(readFile(dossier_ / "a"), "old a");
    EXPECT_EQ(readFile(dossier_ / "b"), "old b");
    EXPECT_FALSE(fs::exists(dossier_ / "new")) << "a file that was not there is not left";
    EXPECT_EQ(Fichiers(), 5u) << "no temporary or kept file left";
    EXPECT_EQ(host::writeAllAtomically({{dossier_ / "a", ecrit("new a")}, {dossier_ / "b", ecrit("new b")}}), "");
    EXPECT_EQ(readFile(dossier_ / "a") + readFile(dossier_ / "b"), "new anew b");
    EXPECT_EQ(Fichiers(), 5u);
}

TEST_F(Dossier, AFolderThatCannotBeMadeSaysWhy)
{
    // The first folder that cannot be made gives the reason, not the file written after it.
    std::ofstream(dossier_ / "plain") << "a file";
    EXPECT_EQ(host::createFoldersFor(dossier_ / "plain" / "sub" / "t.svg"),
              "cannot create the folder " + (dossier_ / "plain").string() + "/sub: " +
                  std::make_error_code(std::errc::not_a_directory).message());
    EXPECT_EQ(host::createFoldersFor(dossier_ / "x" / "y" / "t.svg"), "");
    EXPECT_TRUE(fs::is_directory(dossier_ / "x" / "y"));
    EXPECT_EQ(host::createFoldersFor("t.svg"), "");

    // Under a file system that takes no new folder (the kernel's own, read-only in containers).
    std::error_code pourquoi;
    if (!fs::is_directory("/sys") || fs::create_directory("/sys/varo-test", pourquoi))
        GTEST_SKIP() << "no file system here refuses a folder";
    Papier papier;
    const std::string raison = host::render::saveDrawing(papier.document, papier.fonts, "/sys/varo-test/out/d.svg");
    EXPECT_EQ(raison, "cannot create the folder /sys/varo-test: " + pourquoi.message());
    EXPECT_EQ(raison.find("No such file or directory"), std::string::npos);
}

// The artboard at its scale, rounded, on white: a black square and a thick red rule.
TEST_F(Dossier, ThePngIsTheArtboardOnWhiteAtItsScale)
{
    Papier papier;
    Art& carre = papier.chemin(nullptr, {{100, 100}, {200, 100}, {200, 200}, {100, 200}}, true);
    carre.path().style.edit().fillPaint = true;
    carre.path().style.edit().fill.color = Gris(1);
    carre.path().style.edit().strokePaint = false;
    Art& rouge = papier.chemin(nullptr, {{300, 700}, {400, 700}}, false);
    rouge.path().style.edit().strokePaint = true;
    rouge.path().style.edit().stroke.width = 10;
    rouge.path().style.edit().stroke.color.kind = kThreeColor;
    rouge.path().style.edit().stroke.color.c.rgb = {1, 0, 0};

    const struct {
        double scale;
        int width, height;
    } cases[] = {{1, 595, 842}, {2, 1191, 1684}, {0.5, 298, 421}, {0.05, 30, 42}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png", c.scale), "");
        Png image(dossier_ / "t.png");
        EXPECT_EQ(std::make_tuple(image.width(), image.height()), std::make_tuple(c.width, c.height));
        EXPECT_EQ(image.at(300, 420, c.scale), 0xFFFFFFu) << "white where nothing is drawn";
        if (c.scale < 0.5)
            continue; // too small for the edges below
        // Inside the black square, left of it and above it; on the red rule and above it.
        EXPECT_EQ((std::vector<uint32_t>{image.at(150, 150, c.scale), image.at(90, 150, c.scale), image.at(150, 210, c.scale),
                                         image.at(350, 700, c.scale), image.at(350, 710, c.scale)}),
                  (std::vector<uint32_t>{0x000000, 0xFFFFFF, 0xFFFFFF, 0xFF0000, 0xFFFFFF}));
    }
}

// Cairo refuses a dash of nothing but zeros and then draws nothing more: such a rule is drawn
// solid and what paints after it is still there.
TEST_F(Dossier, DashesOfNothingDrawSolidAndLoseNothingAfterThem)
{
    Papier papier;
    Art& regle = papier.chemin(nullptr, {{100, 500}, {300, 500}}, false);
    regle.path().style = host::doc::Document::defaultPathStyle();
    regle.path().style.edit().stroke.width = 4;
    regle.path().style.edit().stroke.dash.length = 2; // 0 and 0
    Art& carre = papier.chemin(nullptr, {{100, 100}, {200, 100}, {200, 200}, {100, 200}}, true);
    carre.path().style.edit().fillPaint = true;
    carre.path().style.edit().fill.color = Gris(1);

    ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png"), "");
    Png image(dossier_ / "t.png");
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
        texte.pointText().anchor = {300, 400};
        texte.pointText().text = u"HHH\tH\nH\rH";
        texte.pointText().chars.size = 40;
        texte.pointText().paras.justification = c.justification;
        ASSERT_EQ(host::render::savePng(papier.document, papier.fonts, dossier_ / "t.png"), "") << c.justification;
        Png image(dossier_ / "t.png");
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
