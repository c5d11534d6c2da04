// Files written whole or not at all.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace host {

// The temporary file of writeAtomically is ".NAME.part-PID-XXXXXX" beside the file NAME, PID
// being the writing process's. The writer of a temporary file of `file` named `name`, or 0
// when `name` is none.
long temporaryWriter(const std::filesystem::path& file, const std::string& name);

// Writes through `write` into a new file beside `path`, then renames it over `path`: a reader
// sees the old file or the new one, whole. On any failure (of `write`, which answers false,
// or of the file system) the old file is left as it was, nothing of the new one remains,
// and the answer is a reason naming the file; empty on success.
//
// A `path` that is a symbolic link is written through: the file it points to is replaced and
// the link stays. The file replaced keeps its permissions, and its owner where the process
// may give it.
std::string writeAtomically(const std::filesystem::path& path, const std::function<bool(std::FILE*)>& write);

// Several files written together, or none of them: each through a temporary file beside it
// as above; the old files stay, kept aside, until every new one is in place, and are put back
// when one cannot be. The first failure is the reason; empty on success.
struct FileWrite {
    std::filesystem::path path;
    std::function<bool(std::FILE*)> write;
};
std::string writeAllAtomically(const std::vector<FileWrite>& files);

// Makes the folders the file lies in that are missing. Empty when they are there; otherwise
// the reason, the first failure's ("cannot create the folder /mnt/ro/out: Read-only file
// system").
std::string createFoldersFor(const std::filesystem::path& file);

// The file writeAtomically replaces for `path`: `path` with its links followed; empty when
// they go round in a circle.
std::filesystem::path writtenPath(const std::filesystem::path& path);

} // namespace host
