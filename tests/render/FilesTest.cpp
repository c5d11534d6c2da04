// Exported files: written whole or not at all, and the PNG's pixels.
#include "AtomicFile.h"
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

TEST_F(Dossier, AFailedWriteLeavesTheOldFileWholeAndNothingElse)
{
    const fs::path fichier = dossier_ / "table.svg";
    std::ofstream(fichier) << "old";

    const std::string raison = host::render::writeAtomically(fichier, [](std::FILE* file) {
        std::fputs("half of the new", file);
        return false;
    });
    EXPECT_NE(raison.find(fichier.string()), std::string::npos) << raison;
    EXPECT_EQ(Lis(fichier), "old");
    EXPECT_EQ(Fichiers(), 1u) << "no temporary file left behind";

    EXPECT_EQ(host::render::writeAtomically(fichier, [](std::FILE* file) { return std::fputs("new", file) >= 0; }), "");
    EXPECT_EQ(Lis(fichier), "new");
    EXPECT_EQ(Fichiers(), 1u);
    struct stat etat {};
    ASSERT_EQ(stat(fichier.c_str(), &etat), 0);
    EXPECT_NE(etat.st_mode & S_IROTH, 0u) << "readable as any new file is, not only by its owner";

    const std::string ailleurs = host::render::writeAtomically(dossier_ / "missing" / "t.svg", [](std::FILE*) { return true; });
    EXPECT_NE(ailleurs.find("missing"), std::string::npos) << ailleurs;
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
    cairo_surface_t* image = cairo_image_surface_create_from_png(fichier.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    const int largeur = cairo_image_surface_get_width(image), hauteur = cairo_image_surface_get_height(image);
    EXPECT_EQ(largeur, 1191);
    EXPECT_EQ(hauteur, 1684);
    const unsigned char* pixels = cairo_image_surface_get_data(image);
    const int pas = cairo_image_surface_get_stride(image);
    // A point of the artboard, y upward, as the pixel's 0xRRGGBB.
    const auto pixel = [&](double x, double y) {
        const int colonne = static_cast<int>(x * 2), rangee = static_cast<int>((841.89 - y) * 2);
        uint32_t value = 0;
        std::memcpy(&value, pixels + rangee * pas + colonne * 4, 4);
        return value & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(150, 150), 0x000000u) << "inside the black square";
    EXPECT_EQ(pixel(90, 150), 0xFFFFFFu) << "left of it";
    EXPECT_EQ(pixel(150, 210), 0xFFFFFFu) << "above it";
    EXPECT_EQ(pixel(350, 700), 0xFF0000u) << "on the red rule";
    EXPECT_EQ(pixel(350, 710), 0xFFFFFFu) << "above the red rule";
    cairo_surface_destroy(image);
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
