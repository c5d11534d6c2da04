// Files written whole or not at all.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace host {

// Writes through `write` into a new file beside `path`, then renames it over `path`: a reader
// sees the old file or the new one, whole. On any failure (of `write`, which answers false,
// or of the file system) the old file is left as it was, nothing of the new one remains,
// and the answer is a reason naming the file; empty on success.
std::string writeAtomically(const std::filesystem::path& path, const std::function<bool(std::FILE*)>& write);

} // namespace host
