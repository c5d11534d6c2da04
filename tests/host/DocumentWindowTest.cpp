// Saving from the document window, as a person does with Ctrl+S: the drawing and its picture
// together or neither, and the title and the log say which.
#include "DocumentWindow.h"
#include "Host.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(DocumentWindow, SavingWritesTheDrawingAndItsPictureOrNeither)
{
    testing_files::TestFolder folder;
    host::Host host(host::HostOptions{{}, {}, std::vector<std::string>{"Test Sans"}, {}});
    host::desktop::DocumentWindow document(host, folder / "out" / "drawing.svg");

    // The folder is made; both files land.
    EXPECT_EQ(document.save(), "");
    EXPECT_NE(document.window().title().find("saved to " + (folder / "out" / "drawing.svg").string()), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "out" / "drawing.png"));
    const std::string saved = contents(folder / "out" / "drawing.svg");

    // The picture cannot take its place: the drawing stays the one saved before.
    AIArtHandle added = nullptr;
    ASSERT_EQ(host.document().newArt(host::doc::ArtKind::Group, kPlaceAboveAll, nullptr, &added), kNoErr);
    fs::remove(folder / "out" / "drawing.png");
    fs::create_directories(folder / "out" / "drawing.png" / "inside");
    const std::string reason = document.save();
    EXPECT_NE(reason.find("drawing.png"), std::string::npos) << reason;
    EXPECT_EQ(contents(folder / "out" / "drawing.svg"), saved);
    EXPECT_NE(document.window().title().find("not saved: " + reason), std::string::npos) << document.window().title();
    EXPECT_EQ(host.log().lines().back(), "warning: not saved: " + reason);
}

} // namespace
