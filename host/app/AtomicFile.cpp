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

namespace {

// A file written into its temporary, beside the file it is to replace.
struct Written {
    fs::path target;    // the file replaced (links followed)
    std::string temporary;
    std::string reason; // empty once written whole
};

Written writeTemporary(const fs::path& path, const std::function<bool(std::FILE*)>& write)
{
    Written w;
    w.target = writtenPath(path);
    if (w.target.empty()) {
        w.reason = "cannot write " + path.string() + ": " + std::strerror(ELOOP);
        return w;
    }
    const fs::path folder = w.target.has_parent_path() ? w.target.parent_path() : ".";
    std::string temporary = (folder / temporaryStem(w.target)).string() + std::to_string(::getpid()) + "-XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        w.reason = "cannot write " + path.string() + ": " + std::strerror(errno);
        return w;
    }
    // The file replaced keeps its permissions (and its owner, where we may give it); a new one
    // gets what any new file would. mkstemp makes it for its owner alone.
    struct stat old {};
    if (::stat(w.target.c_str(), &old) == 0) {
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
        w.reason = "cannot write " + path.string() + ": " + std::strerror(error);
        return w;
    }
    errno = 0; // so that a failure with no reason of its own is not given a stale one
    bool written = write(file);
    written = std::fflush(file) == 0 && written;
    written = fsync(fileno(file)) == 0 && written;
    const int error = errno;
    written = std::fclose(file) == 0 && written;
    if (!written) {
        unlink(temporary.c_str());
        w.reason = "cannot write " + path.string() + ": " + (error != 0 ? std::strerror(error) : "write failed");
        return w;
    }
    w.temporary = std::move(temporary);
    return w;
}

// Where an old file waits while the new ones go in place: a second name of it (a hard link).
std::string keptAside(const fs::path& target)
{
    return (target.parent_path() / temporaryStem(target)).string() + std::to_string(::getpid()) + "-oldfil";
}

} // namespace

std::string writeAtomically(const fs::path& path, const std::function<bool(std::FILE*)>& write)
{
    return writeAllAtomically({{path, write}});
}

std::string writeAllAtomically(const std::vector<FileWrite>& files)
{
    std::vector<Written> written;
    const auto removeTemporaries = [&] {
        for (const Written& w : written)
            if (!w.temporary.empty())
                unlink(w.temporary.c_str());
    };
    for (const FileWrite& f : files) {
        written.push_back(writeTemporary(f.path, f.write));
        if (!written.back().reason.empty()) {
            const std::string reason = written.back().reason;
            removeTemporaries();
            return reason;
        }
    }
    // Every old file but the last's is kept aside (the last is replaced in one step or not at
    // all), so that a failure after the first replacement can put them back.
    std::vector<std::string> aside(written.size());
    for (size_t i = 0; i + 1 < written.size(); ++i) {
        if (::access(written[i].target.c_str(), F_OK) != 0)
            continue;
        aside[i] = keptAside(written[i].target);
        unlink(aside[i].c_str());
        // A second name where the file system gives one, else a copy.
        std::error_code copied;
        if (link(written[i].target.c_str(), aside[i].c_str()) != 0 &&
            !fs::copy_file(written[i].target, aside[i], fs::copy_options::overwrite_existing, copied)) {
            const int error = copied.value();
            for (size_t j = 0; j < i; ++j)
                if (!aside[j].empty())
                    unlink(aside[j].c_str());
            removeTemporaries();
            return "cannot write " + files[i].path.string() + ": " + std::strerror(error);
        }
    }
    std::string reason;
    size_t placed = 0;
    for (; placed < written.size(); ++placed)
        if (std::rename(written[placed].temporary.c_str(), written[placed].target.c_str()) != 0) {
            reason = "cannot write " + files[placed].path.string() + ": " + std::strerror(errno);
            break;
        }
    if (!reason.empty()) {
        // The new files already in place give way to the old ones, or to none where there was none.
        for (size_t j = 0; j < placed; ++j) {
            if (!aside[j].empty())
                std::rename(aside[j].c_str(), written[j].target.c_str());
            else
                unlink(written[j].target.c_str());
            aside[j].clear();
        }
        for (size_t j = placed; j < written.size(); ++j)
            unlink(written[j].temporary.c_str());
    }
    for (const std::string& old : aside)
        if (!old.empty())
            unlink(old.c_str());
    return reason;
}

std::string createFoldersFor(const fs::path& file)
{
    // Each folder from the top, as mkdir -p makes them: one already there is passed over (a
    // file standing there fails the next one), the first missing that cannot be made says why.
    fs::path made;
    for (const fs::path& part : file.parent_path()) {
        made /= part;
        struct stat there {};
        if (::stat(made.c_str(), &there) == 0)
            continue;
        if (::mkdir(made.c_str(), 0777) != 0 && errno != EEXIST)
            return "cannot create the folder " + made.string() + ": " + std::strerror(errno);
    }
    return {};
}

} // namespace host
