#include "Scratch.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fuzz {

namespace fs = std::filesystem;

namespace {

fs::path gFolder;

void removeFolder()
{
    std::error_code ignored;
    fs::remove_all(gFolder, ignored);
}

} // namespace

const fs::path& scratchFolder()
{
    if (gFolder.empty()) {
        std::string name = (fs::temp_directory_path() / "varo-fuzz.XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) {
            std::perror("varo-fuzz: cannot make a scratch folder");
            std::abort();
        }
        gFolder = name;
        std::atexit(removeFolder);
    }
    return gFolder;
}

fs::path pluginResources()
{
    return fs::path(VARO_PLUGINS_DIR) / "VaroTable.bundle" / "Resources";
}

} // namespace fuzz
