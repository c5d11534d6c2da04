#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

std::string writeAtomically(const std::filesystem::path& path, const std::function<bool(std::FILE*)>& write)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return "cannot write " + path.string() + ": " + std::strerror(errno);
    // mkstemp makes the file for its owner alone; give it what any new file would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
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
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + std::strerror(renameError);
    }
    return {};
}

} // namespace host
