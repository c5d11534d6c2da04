// A folder of the test's own, empty when the test starts and gone when it ends; and a file's
// bytes read back whole.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_files {

class TestFolder {
public:
    TestFolder() : path_(std::filesystem::temp_directory_path() / name())
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& inside) const { return path_ / inside; }

private:
    // The process and the test: ctest runs tests side by side, each in a process of its own.
    static std::string name()
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "varo-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '-');
        return name;
    }

    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace testing_files
