// A plug-in's bundle resources read through the Data Filter suite, in chunks, as a plug-in
// reads its panel icon.
#include "HostSuites.h"
#include "TestFolder.h"
#include "sdk/AIDataFilter.h"

#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace host_test;

const ai_int32 kPNGI = AS_FOUR_CHAR('P', 'N', 'G', 'I');

// Bytes that differ from one position to the next, so that a chunk out of place shows.
std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) % 251);
    return bytes;
}

class HostDataFilters : public testing::Test {
protected:
    HostDataFilters() : host_({})
    {
        fs::create_directories(folder_ / "Resources" / "folder.png");
        const struct {
            const char* name;
            size_t size;
        } files[] = {{"exact", 1024}, {"over", 1025}, {"empty", 0}, {"7", 5}};
        for (const auto& file : files)
            std::ofstream(folder_ / "Resources" / (std::string(file.name) + ".png"), std::ios::binary) << Pattern(file.size);
        self_ = host::PluginManager::refOf(host_.plugins().addInProcess("Owner", Quiet, folder_ / "Resources"));
        bare_ = host::PluginManager::refOf(host_.plugins().addInProcess("Bare", Quiet));
        filter_ = Acquire<AIDataFilterSuite>(host_, kAIDataFilterSuite, kAIDataFilterSuiteVersion);
    }

    // A resource filter, opened.
    AIDataFilter* Open(const char* name, ai_int32 id = 0)
    {
        AIDataFilter* filter = nullptr;
        EXPECT_EQ(filter_->NewResourceDataFilter(self_, kPNGI, id, name, &filter), kNoErr) << name;
        EXPECT_EQ(filter_->LinkDataFilter(nullptr, filter), kNoErr) << name;
        return filter;
    }

    testing_files::TestFolder folder_;
    host::Host host_;
    SPPluginRef self_ = nullptr, bare_ = nullptr;
    const AIDataFilterSuite* filter_ = nullptr;
};

TEST_F(HostDataFilters, ChunkedReadsEndWithAnEmptyReadAndGiveTheFileBackWhole)
{
    const struct {
        const char* name;
        ai_int32 id;
        size_t store;               // the count each read asks for
        std::vector<size_t> counts; // what each read gives, the read after the end included
    } cases[] = {
        {"exact", 0, 1024, {1024, 0, 0}},
        {"over", 0, 1024, {1024, 1, 0, 0}},
        {"over", 0, 400, {400, 400, 225, 0}}, // a smaller store takes it in more pieces
        {"over", 0, 0, {0, 0}},               // a count of 0 reads nothing
        {"empty", 0, 1024, {0, 0}},
        {nullptr, 7, 1024, {5, 0}}, // no name: the resource by its number
    };
    for (const auto& c : cases) {
        const std::string label = (c.name ? c.name : std::to_string(c.id)) + " by " + std::to_string(c.store);
        AIDataFilter* filter = Open(c.name, c.id);
        std::string read;
        std::vector<size_t> counts;
        for (size_t i = 0; i < c.counts.size(); ++i) {
            char store[1024];
            size_t count = c.store;
            ASSERT_EQ(filter_->ReadDataFilter(filter, c.store ? store : nullptr, &count), kNoErr) << label;
            counts.push_back(count);
            read.append(store, count);
        }
        EXPECT_EQ(counts, c.counts) << label;
        if (c.store != 0) {
            EXPECT_EQ(read, testing_files::readFile(folder_ / "Resources" / ((c.name ? c.name : "7") + std::string(".png"))))
                << label;
        }
        EXPECT_EQ(got<AIDataFilter*>([&](auto* next) { return filter_->UnlinkDataFilter(filter, next); }, filter), nullptr) << label;
    }
    EXPECT_EQ(host_.dataFilters().size(), 0u) << "every filter freed";
}

TEST_F(HostDataFilters, AResourceThatIsNotThereOrCannotBeOneIsRefused)
{
    const struct {
        const char* what;
        SPPluginRef plugin;
        ai_int32 type;
        ai_int32 id;
        const char* name;
        ASErr expected;
    } cases[] = {
        {"a missing resource", self_, kPNGI, 0, "IconePanneauReduit", kNameNotFoundErr},
        {"a folder, not a file", self_, kPNGI, 0, "folder", kNameNotFoundErr},
        {"a type with no files", self_, AS_FOUR_CHAR('T', 'E', 'X', 'T'), 0, "exact", kNameNotFoundErr},
        {"a missing number", self_, kPNGI, 8, nullptr, kNameNotFoundErr},
        {"a plug-in without resources", bare_, kPNGI, 0, "exact", kNameNotFoundErr},
        {"an unknown plug-in", reinterpret_cast<SPPluginRef>(uintptr_t{3}), kPNGI, 0, "exact", kBadHandleErr},
        {"a name out of the folder", self_, kPNGI, 0, "../Resources/exact", kBadParameterErr},
        {"a name with a folder", self_, kPNGI, 0, "sub/exact", kBadParameterErr},
        {"the parent folder", self_, kPNGI, 0, "..", kBadParameterErr},
        {"an empty name", self_, kPNGI, 0, "", kBadParameterErr},
    };
    for (const auto& c : cases) {
        AIDataFilter* filter = nullptr;
        EXPECT_EQ(filter_->NewResourceDataFilter(c.plugin, c.type, c.id, c.name, &filter), c.expected) << c.what;
        EXPECT_EQ(filter, nullptr) << c.what;
    }
    EXPECT_EQ(filter_->NewResourceDataFilter(self_, kPNGI, 0, "exact", nullptr), kBadParameterErr);
    EXPECT_EQ(host_.dataFilters().size(), 0u);
}

TEST_F(HostDataFilters, AFilterIsReadOnlyOpenAndNoHandleOutlivesItsUnlink)
{
    AIDataFilter* filter = got<AIDataFilter*>([&](auto* f) { return filter_->NewResourceDataFilter(self_, kPNGI, 0, "exact", f); });
    char store[16];
    size_t count = sizeof store;
    EXPECT_EQ(filter_->ReadDataFilter(filter, store, &count), kBadParameterErr) << "not linked yet";
    AIDataFilter* other = Open("over");
    EXPECT_EQ(filter_->LinkDataFilter(other, filter), kBadParameterErr) << "a resource starts a chain";
    ASSERT_EQ(filter_->LinkDataFilter(nullptr, filter), kNoErr);
    EXPECT_EQ(filter_->LinkDataFilter(nullptr, filter), kBadParameterErr) << "already open";
    EXPECT_EQ(filter_->ReadDataFilter(filter, store, nullptr), kBadParameterErr);
    count = 4;
    EXPECT_EQ(filter_->ReadDataFilter(filter, nullptr, &count), kBadParameterErr);

    ASSERT_EQ(filter_->UnlinkDataFilter(filter, nullptr), kNoErr);
    count = sizeof store;
    AIDataFilter* const bogus = reinterpret_cast<AIDataFilter*>(uintptr_t{999});
    for (AIDataFilter* gone : {filter, bogus}) {
        EXPECT_EQ(filter_->ReadDataFilter(gone, store, &count), kBadHandleErr);
        EXPECT_EQ(filter_->LinkDataFilter(nullptr, gone), kBadHandleErr);
        EXPECT_EQ(filter_->UnlinkDataFilter(gone, nullptr), kBadHandleErr);
    }
    EXPECT_EQ(filter_->UnlinkDataFilter(nullptr, nullptr), kBadParameterErr);
    EXPECT_EQ(filter_->LinkDataFilter(nullptr, nullptr), kBadParameterErr);
    EXPECT_EQ(filter_->ReadDataFilter(nullptr, store, &count), kBadParameterErr);
    EXPECT_EQ(host_.dataFilters().size(), 1u);
    EXPECT_EQ(filter_->UnlinkDataFilter(other, nullptr), kNoErr);
}

TEST_F(HostDataFilters, AFileThatCannotBeReadAnswersAnErrorNotAShortRead)
{
    // Reading the process's own memory from its start fails: the first page is never mapped.
    std::error_code error;
    fs::create_symlink("/proc/self/mem", folder_ / "Resources" / "unreadable.png", error);
    if (error || !fs::is_regular_file(folder_ / "Resources" / "unreadable.png"))
        GTEST_SKIP() << "no /proc/self/mem here";
    AIDataFilter* filter = Open("unreadable");
    for (int attempt = 0; attempt < 2; ++attempt) {
        char store[1024];
        size_t count = sizeof store;
        EXPECT_EQ(filter_->ReadDataFilter(filter, store, &count), kDataFilterReadErr) << attempt;
        EXPECT_EQ(count, 0u) << attempt;
    }
    EXPECT_EQ(filter_->UnlinkDataFilter(filter, nullptr), kNoErr);
}

TEST_F(HostDataFilters, EveryOperationAnswersAFaultMadeToOrderAndDoesNothing)
{
    AIDataFilter* filter = got<AIDataFilter*>([&](auto* f) { return filter_->NewResourceDataFilter(self_, kPNGI, 0, "exact", f); });
    char store[1024];
    size_t count = sizeof store;
    AIDataFilter* made = nullptr;
    const struct {
        const char* operation;
        std::function<ASErr()> call;
    } operations[] = {
        {"NewResourceDataFilter", [&] { return filter_->NewResourceDataFilter(self_, kPNGI, 0, "over", &made); }},
        {"LinkDataFilter", [&] { return filter_->LinkDataFilter(nullptr, filter); }},
        {"ReadDataFilter", [&] { return filter_->ReadDataFilter(filter, store, &count); }},
        {"UnlinkDataFilter", [&] { return filter_->UnlinkDataFilter(filter, nullptr); }},
    };
    for (const auto& o : operations) {
        host_.faults().failOperation(kAIDataFilterSuite, o.operation, kNope);
        EXPECT_EQ(o.call(), kNope) << o.operation;
        host_.faults().clear();
        EXPECT_EQ(host_.dataFilters().size(), 1u) << o.operation << " made or freed nothing";
    }
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(count, sizeof store);
    // Not linked by the failed link: the filter still reads nothing until linked.
    EXPECT_EQ(filter_->ReadDataFilter(filter, store, &count), kBadParameterErr);
    ASSERT_EQ(filter_->LinkDataFilter(nullptr, filter), kNoErr);
    ASSERT_EQ(filter_->ReadDataFilter(filter, store, &count), kNoErr);
    EXPECT_EQ(count, 1024u);
    EXPECT_EQ(filter_->UnlinkDataFilter(filter, nullptr), kNoErr);
}

} // namespace
