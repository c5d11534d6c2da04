// The tool's cursors: exactly their rectangles, white under black, transparent elsewhere.
#include "CursorPicture.h"
#include "Curseurs.h"
#include "TestFolder.h"

namespace {

bool Dans(const std::vector<ns::Rect>& rects, int x, int y)
{
    for (const ns::Rect& r : rects)
        if (r.contains({x + 0.5, y + 0.5}))
            return true;
    return false;
}

// Each cursor's image, and what the host's cursor snapshot writes of it, pixel for pixel.
TEST(Curseurs, EachImageAndItsSnapshotAreExactlyItsRectangles)
{
    CalculerCurseurs();
    const testing_files::TestFolder dossier;
    for (const DessinCurseur& d : DessinsCurseurs()) {
        SCOPED_TRACE(d.nom);
        EXPECT_EQ(d.curseur->hotSpot(), d.pointChaud);
        ASSERT_EQ(host::render::saveCursorPng(*d.curseur, dossier / "curseur.png"), "");
        const auto relue = ns::Image::imageWithContentsOfFile(dossier / "curseur.png");
        for (const auto& image : {d.curseur->image(), relue}) {
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->size(), (ns::Size{16, 16}));
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const uint32_t attendu = Dans(d.noirs, x, y) ? 0xFF000000u : Dans(d.blancs, x, y) ? 0xFFFFFFFFu : 0u;
                    ASSERT_EQ(image->pixelAt(x, y), attendu) << x << "," << y;
                }
        }
    }
}

TEST(Curseurs, TheCrosshairsKeepATwoPixelGapAroundTheirCentre)
{
    CalculerCurseurs();
    for (const ns::Cursor* c : {&CurseurGenerique, &CurseurPointille}) {
        const auto& image = c->image();
        EXPECT_EQ(image->pixelAt(7, 8), 0xFF000000u) << "the centre dot";
        for (const auto& [x, y] : {std::pair{5, 8}, {6, 8}, {8, 8}, {9, 8}, {7, 6}, {7, 7}, {7, 9}, {7, 10}})
            EXPECT_EQ(image->pixelAt(x, y), 0xFFFFFFFFu) << x << "," << y;
        for (const auto& [x, y] : {std::pair{4, 8}, {10, 8}, {7, 5}, {7, 11}})
            EXPECT_EQ(image->pixelAt(x, y), 0xFF000000u) << "an arm begins at " << x << "," << y;
    }
}

TEST(Curseurs, DrawingAgainMakesNewCursors)
{
    CalculerCurseurs();
    const auto ancienne = CurseurTableauObjet.image();
    CalculerCurseurs();
    EXPECT_NE(CurseurTableauObjet.image(), ancienne);
    EXPECT_EQ(CurseurTableauObjet.image()->pixelAt(1, 8), 0xFF000000u);
}

} // namespace
