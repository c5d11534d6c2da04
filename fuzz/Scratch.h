// Where a fuzz target's files go: a folder of its own, made once per process and removed at
// its exit. The targets name their files by their whole path in it, so that nothing an input
// names reaches another folder, and the working folder, where the fuzzer's own files go, is
// left as it is.
#pragma once

#include <filesystem>

namespace fuzz {

// Makes the folder, the first time; the folder.
const std::filesystem::path& scratchFolder();

// The bundle's resources the build laid out, for the plug-in hosted in process.
std::filesystem::path pluginResources();

} // namespace fuzz
