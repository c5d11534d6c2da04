// Where a fuzz target's files go: a folder of its own, made once per process and removed at
// its exit, which the process works in. Nothing an input names can reach another folder.
#pragma once

#include <filesystem>

namespace fuzz {

// Makes the folder and moves into it, the first time; the folder.
const std::filesystem::path& scratchFolder();

// The bundle's resources the build laid out, for the plug-in hosted in process.
std::filesystem::path pluginResources();

} // namespace fuzz
