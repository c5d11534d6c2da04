#include "AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

namespace fs = std::filesystem;

namespace {

// Links are followed as the system follows them, up to its own limit.
constexpr int kMostLinks = 40;

std::string temporaryStem(const fs::path& file)
{
    return "." + file.filename().string() + ".part-";
}

} // namespace

// A link's target is read relative to the link's folder; links that cannot be read answer
// empty, as circles do.
fs::path writtenPath(const fs::path& path)
{
    fs::path current = path;
    for (int i = 0; i < kMostLinks; ++i) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            return {};
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return {};
}

long temporaryWriter(const fs::path& file, const std::string& name)
{
    const std::string stem = temporaryStem(file);
    if (name.compare(0, stem.size(), stem) != 0)
        return 0;
    char* end = nullptr;
    const long writer = std::strtol(name.c_str() + stem.size(), &end, 10);
    const bool suffix = end != nullptr && *end == '-' && std::strlen(end + 1) == 6;
    return suffix && writer > 0 ? writer : 0;
}

std::string writeAtomically(const fs::path& path, const std::function<bool(std::FILE*)>& write)
{
    const fs::path target = writtenPath(path);
    if (target.empty())
        return "cannot write " + path.string() + ": " + std::strerror(ELOOP);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temporary = (folder / temporaryStem(target)).string() + std::to_string(::getpid()) + "-XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return "cannot write " + path.string() + ": " + std::strerror(errno);
    // The file replaced keeps its permissions (and its owner, where we may give it); a new one
    // gets what any new file would. mkstemp makes it for its owner alone.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        fchmod(descriptor, old.st_mode & 07777);
        if (old.st_uid != geteuid() || old.st_gid != getegid())
            (void)fchown(descriptor, old.st_uid, old.st_gid);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);
    }
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(descriptor);
        unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + std::strerror(error);
    }
    errno = 0; // so that a failure with no reason of its own is not given a stale one
    bool written = write(file);
    written = std::fflush(file) == 0 && written;
    written = fsync(fileno(file)) == 0 && written;
    const int error = errno;
    written = std::fclose(file) == 0 && written;
    if (!written) {
        unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + (error != 0 ? std::strerror(error) : "write failed");
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + std::strerror(renameError);
    }
    return {};
}

} // namespace host
