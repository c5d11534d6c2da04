// The host's preference store through its suite, as plug-ins use it, and its file.
#include "HostSuites.h"
#include "TestFolder.h"
#include "sdk/AIPreference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using host_test::got;
using testing_files::readFile;

class PreferenceStoreTest : public testing::Test {
protected:
    void write(const std::string& text)
    {
        fs::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::unique_ptr<host::Host> start()
    {
        auto made = std::make_unique<host::Host>(host::HostOptions{{}, file_, {}, {}});
        const void* table = nullptr;
        EXPECT_EQ(made->suites().acquire(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &table), kNoErr);
        suite_ = static_cast<const AIPreferenceSuite*>(table);
        made->suites().release(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
        return made;
    }
    std::vector<std::string> warnings(host::Host& h) const
    {
        std::vector<std::string> found;
        for (const auto& line : h.log().lines())
            if (line.find("warning") != std::string::npos)
                found.push_back(line);
        return found;
    }

    testing_files::TestFolder folder_;
    const fs::path file_ = folder_ / "config" / "preferences.json";
    const AIPreferenceSuite* suite_ = nullptr;
};

TEST_F(PreferenceStoreTest, ValuesSurviveARestartInTheSharedForm)
{
    {
        auto h = start();
        ASSERT_NE(suite_, nullptr);
        EXPECT_EQ(suite_->PutBooleanPreference("VaroTableau", "Son", true), kNoErr);
        EXPECT_EQ(suite_->PutIntegerPreference("VaroTableau", "NombreLignes", 3), kNoErr);
        EXPECT_EQ(suite_->PutRealPreference("VaroTableau", "EpaisseurCadre", 4), kNoErr);
        EXPECT_EQ(suite_->PutStringPreference("VaroTableau", "Police", "DejaVu Sans"), kNoErr);
        EXPECT_EQ(suite_->PutRealPreference("VaroTableau", "GouttiereCadre", 3.2), kNoErr);
        EXPECT_TRUE(warnings(*h).empty());
    }
    const Json saved = Json::parse(readFile(file_));
    EXPECT_EQ(saved, Json::parse(R"({"VaroTableau": {"Son": {"bool": true}, "NombreLignes": {"int": 3},
        "EpaisseurCadre": {"real": 4}, "Police": {"string": "DejaVu Sans"}, "GouttiereCadre": {"real": 3.2}}})"));

    // Every kind read back after a restart is the plug-in's stored settings' test; here, a real
    // comes back bit for bit.
    auto h = start();
    EXPECT_EQ(got<double>([&](auto* r) { return suite_->GetRealPreference("VaroTableau", "GouttiereCadre", r); }), 3.2);
}

TEST_F(PreferenceStoreTest, AnotherKindOrAMissingKeyIsNoSuchKeyAndLeavesTheValue)
{
    auto h = start();
    ASSERT_EQ(suite_->PutIntegerPreference("P", "Entier", 7), kNoErr);
    ASSERT_EQ(suite_->PutRealPreference("P", "Reel", 1.5), kNoErr);
    double reel = -1;
    ai_int32 entier = -1;
    ASBoolean vrai = 2;
    char texte[8] = "keep";
    EXPECT_EQ(suite_->GetRealPreference("P", "Entier", &reel), kNoSuchKeyErr);
    EXPECT_EQ(suite_->GetIntegerPreference("P", "Reel", &entier), kNoSuchKeyErr);
    EXPECT_EQ(suite_->GetBooleanPreference("P", "Entier", &vrai), kNoSuchKeyErr);
    EXPECT_EQ(suite_->GetStringPreference("P", "Entier", texte, sizeof texte), kNoSuchKeyErr);
    EXPECT_EQ(suite_->GetIntegerPreference("Q", "Entier", &entier), kNoSuchKeyErr) << "keys belong to their prefix";
    EXPECT_EQ(suite_->GetIntegerPreference("P", "Absent", &entier), kNoSuchKeyErr);
    EXPECT_EQ(reel, -1);
    EXPECT_EQ(entier, -1);
    EXPECT_EQ(vrai, 2);
    EXPECT_STREQ(texte, "keep");

    EXPECT_EQ(suite_->RemovePreference("P", "Entier"), kNoErr);
    EXPECT_EQ(suite_->RemovePreference("P", "Entier"), kNoSuchKeyErr);
    EXPECT_EQ(suite_->GetIntegerPreference("P", "Entier", &entier), kNoSuchKeyErr);
    EXPECT_FALSE(Json::parse(readFile(file_))["P"].contains("Entier")) << "a removal is saved too";
}

TEST_F(PreferenceStoreTest, StringsAreCutAtACharacterBoundary)
{
    auto h = start();
    ASSERT_EQ(suite_->PutStringPreference("P", "Nom", "abcé"), kNoErr); // é is two bytes
    struct Case {
        ai_int32 length;
        const char* expected;
    };
    for (const Case& c : {Case{6, "abcé"}, Case{5, "abc"}, Case{4, "abc"}, Case{2, "a"}, Case{1, ""}}) {
        char buffer[8];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        EXPECT_EQ(suite_->GetStringPreference("P", "Nom", buffer, c.length), kNoErr);
        EXPECT_STREQ(buffer, c.expected) << "length " << c.length;
        EXPECT_EQ(buffer[c.length], 'x') << "nothing written past the buffer, length " << c.length;
    }
}

TEST_F(PreferenceStoreTest, BadArgumentsAreRefusedAndStoreNothing)
{
    auto h = start();
    char buffer[4];
    double value = 0;
    EXPECT_EQ(suite_->PutRealPreference("P", nullptr, 1), kBadParameterErr);
    EXPECT_EQ(suite_->PutRealPreference("P", "Nan", std::nan("")), kBadParameterErr);
    EXPECT_EQ(suite_->PutRealPreference("P", "Inf", HUGE_VAL), kBadParameterErr);
    EXPECT_EQ(suite_->PutStringPreference("P", "Octets", "\xff\xfe"), kBadParameterErr);
    EXPECT_EQ(suite_->PutStringPreference("P", "Nul", nullptr), kBadParameterErr);
    EXPECT_EQ(suite_->GetRealPreference("P", "Nan", nullptr), kBadParameterErr);
    EXPECT_EQ(suite_->GetStringPreference("P", "Nom", buffer, 0), kBadParameterErr);
    EXPECT_EQ(suite_->GetRealPreference("P", "Nan", &value), kNoSuchKeyErr);
    EXPECT_FALSE(fs::exists(file_)) << "nothing was stored, so nothing was saved";
}

TEST_F(PreferenceStoreTest, TheHostsOwnKeysHaveFactoryValuesUntilStored)
{
    auto h = start();
    const auto channel = [&](const char* key) { return got<double>([&](auto* r) { return suite_->GetRealPreference(nullptr, key, r); }, -1); };
    for (const char* key : {"snapomatic/Color/red", "snapomatic/Color/green", "snapomatic/Color/blue"}) {
        EXPECT_GE(channel(key), 0) << key;
        EXPECT_LE(channel(key), 1) << key;
    }
    double red = -1;
    EXPECT_EQ(suite_->GetRealPreference("VaroTableau", "snapomatic/Color/red", &red), kNoSuchKeyErr)
        << "only without a prefix";
    ASSERT_EQ(suite_->PutRealPreference(nullptr, "snapomatic/Color/red", 0.25), kNoErr);
    EXPECT_EQ(channel("snapomatic/Color/red"), 0.25);
    EXPECT_EQ(Json::parse(readFile(file_))[""]["snapomatic/Color/red"], Json({{"real", 0.25}}));
}

// Whatever is wrong with the file, it is kept aside whole and the store starts empty.
TEST_F(PreferenceStoreTest, AnUnusableFileIsMovedAsideAndNeverOverwritten)
{
    const char* const kBad[] = {
        "",
        "{\"VaroTableau\": {\"Son\": {\"bool\": tru",
        "[1, 2]",
        "{\"VaroTableau\": 3}",
        "{\"VaroTableau\": {\"Son\": true}}",
        "{\"VaroTableau\": {\"Son\": {\"bool\": true, \"int\": 1}}}",
        "{\"VaroTableau\": {\"Son\": {\"boolean\": true}}}",
        "{\"VaroTableau\": {\"NombreLignes\": {\"int\": 1.5}}}",
        "{\"VaroTableau\": {\"NombreLignes\": {\"int\": 4294967296}}}",
        "{\"VaroTableau\": {\"Police\": {\"string\": 12}}}",
    };
    for (const char* bad : kBad) {
        fs::remove_all(folder_.path());
        write(bad);
        auto h = start();
        EXPECT_EQ(warnings(*h).size(), 1u) << bad;
        EXPECT_FALSE(fs::exists(file_)) << bad;
        EXPECT_EQ(readFile(file_.string() + ".corrupt"), bad);
        ASBoolean son = false;
        EXPECT_EQ(suite_->GetBooleanPreference("VaroTableau", "Son", &son), kNoSuchKeyErr) << bad;
        ASSERT_EQ(suite_->PutBooleanPreference("VaroTableau", "Son", true), kNoErr);
        EXPECT_EQ(readFile(file_.string() + ".corrupt"), bad) << "the new store goes to the file's own place";
    }
    // A second corrupt file does not take the first one's place.
    write("{");
    auto h = start();
    EXPECT_EQ(readFile(file_.string() + ".corrupt"), kBad[std::size(kBad) - 1]);
    EXPECT_EQ(readFile(file_.string() + ".corrupt2"), "{");
}

TEST_F(PreferenceStoreTest, AStoreThatCannotBeSavedIsToldOnceAndKeepsItsValues)
{
    // A file where the store's folder should be: nobody, root included, can save there.
    std::ofstream(file_.parent_path()) << "in the way";
    auto h = start();
    EXPECT_EQ(suite_->PutIntegerPreference("P", "A", 1), kWriteErr);
    EXPECT_EQ(suite_->PutIntegerPreference("P", "B", 2), kWriteErr);
    EXPECT_EQ(warnings(*h).size(), 1u) << "told once";
    EXPECT_EQ(got<ai_int32>([&](auto* b) { return suite_->GetIntegerPreference("P", "B", b); }), 2) << "kept for this run";
    fs::remove(file_.parent_path());
    EXPECT_EQ(suite_->PutIntegerPreference("P", "C", 3), kNoErr);
    EXPECT_EQ(Json::parse(readFile(file_))["P"].size(), 3u) << "the next save holds everything";
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(file_.parent_path()))
        ++files;
    EXPECT_EQ(files, 1u) << "no temporary file left behind";
}

TEST_F(PreferenceStoreTest, AFolderThatCannotBeMadeIsTheReasonGiven)
{
    std::error_code pourquoi;
    if (!fs::is_directory("/sys") || fs::create_directory("/sys/varo-prefs", pourquoi))
        GTEST_SKIP() << "no file system here refuses a folder";
    std::vector<std::string> said;
    host::PreferenceStore store("/sys/varo-prefs/store/p.json", [&](const std::string& w) { said.push_back(w); });
    EXPECT_FALSE(store.put("P", "A", ai_int32{1}));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0], "preferences not saved: cannot create the folder /sys/varo-prefs: " + pourquoi.message());
}

TEST_F(PreferenceStoreTest, WhenEveryPlaceAsideIsTakenTheFileStaysAndNothingIsSaved)
{
    write("{");
    std::ofstream(file_.string() + ".corrupt") << "first";
    for (int n = 2; n <= 100; ++n)
        std::ofstream(file_.string() + ".corrupt" + std::to_string(n)) << n;
    auto h = start();
    EXPECT_EQ(warnings(*h).size(), 1u);
    EXPECT_EQ(suite_->PutBooleanPreference("VaroTableau", "Son", true), kWriteErr);
    EXPECT_EQ(readFile(file_), "{");
    EXPECT_EQ(readFile(file_.string() + ".corrupt100"), "100");
}

// The store is written where the user keeps it: through a link to it, with the file's own
// permissions; and what one batch changes reaches the disk once, at its end. A killed save's
// temporary file goes at the next start.
TEST_F(PreferenceStoreTest, TheFileIsWrittenThroughItsLinkWithItsPermissionsAndOnceABatch)
{
    const fs::path real = folder_ / "dotfiles" / "varo.json";
    fs::create_directories(real.parent_path());
    fs::create_directories(file_.parent_path());
    std::ofstream(real) << R"({"P": {"A": {"int": 1}}})";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(fs::relative(real, file_.parent_path()), file_);
    // Saves through the link are made beside the file it points to; a process that runs
    // no more (no process has a number that large) left the first.
    const fs::path leftover = real.parent_path() / ".varo.json.part-999999999-Ab3x9Z";
    const fs::path running = real.parent_path() / (".varo.json.part-" + std::to_string(::getpid()) + "-Ab3x9Z");
    const fs::path notOurs = real.parent_path() / ".varo.json.keep";
    for (const fs::path& f : {leftover, running, notOurs})
        std::ofstream(f) << "half";

    auto h = start();
    EXPECT_FALSE(fs::exists(leftover)) << "a killed save's temporary file goes";
    EXPECT_TRUE(fs::exists(running)) << "the save in progress of a running process stays";
    EXPECT_TRUE(fs::exists(notOurs)) << "what is not one stays";
    EXPECT_EQ(got<ai_int32>([&](auto* a) { return suite_->GetIntegerPreference("P", "A", a); }), 1);
    {
        const host::PreferenceStore::Batch batch = h->preferences().batch();
        EXPECT_EQ(suite_->PutIntegerPreference("P", "B", 2), kNoErr);
        EXPECT_EQ(suite_->PutIntegerPreference("P", "C", 3), kNoErr);
        EXPECT_EQ(suite_->RemovePreference("P", "A"), kNoErr);
        EXPECT_EQ(Json::parse(readFile(real))["P"].size(), 1u) << "not yet written";
    }
    EXPECT_TRUE(fs::is_symlink(file_)) << "the link stays a link";
    EXPECT_EQ(Json::parse(readFile(real)), Json::parse(R"({"P": {"B": {"int": 2}, "C": {"int": 3}}})"));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(warnings(*h).empty());
}

// A store the host cannot use as a file is said once and left as it is; one far larger than
// any store is moved aside whole without being read.
TEST_F(PreferenceStoreTest, AFolderOrAHugeFileIsToldAndKeptWhole)
{
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* said;
        bool saves;
    } cases[] = {
        {"a folder", [](const fs::path& f) { fs::create_directories(f / "inside"); }, "(it is a folder)", false},
        {"a huge file",
         [](const fs::path& f) {
             std::ofstream(f) << std::string(host::PreferenceStore::kLargestFile + 1, ' ') << "{}";
         },
         "far more than any preference file", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder_.path());
        fs::create_directories(file_.parent_path());
        c.make(file_);
        const auto size = fs::is_regular_file(file_) ? fs::file_size(file_) : 0;
        auto h = start();
        ASSERT_EQ(warnings(*h).size(), 1u);
        EXPECT_NE(warnings(*h)[0].find(c.said), std::string::npos) << warnings(*h)[0];
        EXPECT_EQ(suite_->PutBooleanPreference("VaroTableau", "Son", true), c.saves ? kNoErr : kWriteErr);
        if (c.saves)
            EXPECT_EQ(fs::file_size(file_.string() + ".corrupt"), size);
        else
            EXPECT_TRUE(fs::is_directory(file_ / "inside"));
    }
}

} // namespace
