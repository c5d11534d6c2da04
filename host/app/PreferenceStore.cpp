#include "PreferenceStore.h"

#include "AtomicFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

namespace {

using Json = nlohmann::json;

// The kinds as the file names them, in the variant's order.
constexpr const char* kKindNames[] = {"bool", "int", "real", "string"};

// FILE.corrupt, FILE.corrupt2 ... up to this many; past it the file stays where it is.
constexpr int kMostCorruptFiles = 100;

// One stored value from its one-entry object; false when it is not one.
bool valueOf(const Json& entry, PreferenceValue& value)
{
    if (!entry.is_object() || entry.size() != 1)
        return false;
    // Through the iterator itself: what items() hands out lives only as long as the proxy.
    const auto only = entry.begin();
    const std::string& kind = only.key();
    const Json& stored = only.value();
    if (kind == "bool" && stored.is_boolean())
        value = stored.get<bool>();
    else if (kind == "int" && stored.is_number_integer()) {
        const auto wide = stored.get<std::int64_t>();
        if (stored.is_number_unsigned() && stored.get<std::uint64_t>() > std::numeric_limits<ai_int32>::max())
            return false;
        if (wide < std::numeric_limits<ai_int32>::min() || wide > std::numeric_limits<ai_int32>::max())
            return false;
        value = static_cast<ai_int32>(wide);
    } else if (kind == "real" && stored.is_number())
        value = stored.get<double>();
    else if (kind == "string" && stored.is_string())
        value = stored.get<std::string>();
    else
        return false;
    return true;
}

Json jsonOf(const PreferenceValue& value)
{
    Json stored;
    std::visit([&](const auto& v) { stored = v; }, value);
    return Json{{preferenceKindName(value), stored}};
}

// Reads at most `most` bytes of the file into `contents`, without ever blocking on what is no
// regular file. Empty, or why it cannot be read.
std::string readAtMost(const std::filesystem::path& file, size_t most, std::string& contents)
{
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::string("it cannot be read: ") + std::strerror(errno);
    struct stat status {};
    std::string why;
    if (::fstat(descriptor, &status) != 0)
        why = std::string("it cannot be read: ") + std::strerror(errno);
    else if (!S_ISREG(status.st_mode))
        why = S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file";
    char chunk[65536];
    while (why.empty() && contents.size() < most) {
        const ssize_t got = ::read(descriptor, chunk, std::min(sizeof chunk, most - contents.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            why = std::string("it cannot be read: ") + std::strerror(errno);
        if (got <= 0)
            break;
        contents.append(chunk, static_cast<size_t>(got));
    }
    ::close(descriptor);
    return why;
}

} // namespace

const char* preferenceKindName(const PreferenceValue& value)
{
    return kKindNames[value.index()];
}

PreferenceStore::PreferenceStore(std::filesystem::path file, Warn warn) : file_(std::move(file)), warn_(std::move(warn))
{
    load();
    if (writable_)
        removeLeftovers();
}

void PreferenceStore::load()
{
    std::error_code error;
    const auto status = std::filesystem::status(file_, error);
    if (!std::filesystem::exists(status)) {
        // Missing, or a file stands where a folder of its path should be: a save will say.
        if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory)
            leaveAlone(error.message());
        return;
    }
    std::string contents;
    const std::string unreadable = readAtMost(file_, kLargestFile + 1, contents);
    if (!unreadable.empty()) {
        leaveAlone(unreadable);
        return;
    }
    if (contents.size() > kLargestFile) {
        moveAside("it holds more than " + std::to_string(kLargestFile) + " bytes, far more than any preference file");
        return;
    }
    const Json json = Json::parse(contents, nullptr, false);
    if (json.is_discarded()) {
        moveAside("it is not JSON");
        return;
    }
    if (!json.is_object()) {
        moveAside("it is not one object of prefixes");
        return;
    }
    for (auto p = json.begin(); p != json.end(); ++p) {
        const std::string& prefix = p.key();
        const Json& keys = p.value();
        if (!keys.is_object()) {
            moveAside("prefix \"" + prefix + "\" does not hold an object of keys");
            return;
        }
        for (auto k = keys.begin(); k != keys.end(); ++k) {
            const std::string& key = k.key();
            const Json& entry = k.value();
            PreferenceValue value;
            if (!valueOf(entry, value)) {
                moveAside("\"" + prefix + "/" + key + "\" is not a one-entry object of bool, int, real or string");
                return;
            }
            values_[prefix].insert_or_assign(key, std::move(value));
        }
    }
}

void PreferenceStore::leaveAlone(const std::string& reason)
{
    values_.clear();
    writable_ = false;
    warn_("the preference file " + file_.string() + " is unusable (" + reason +
          "): it is left as it is, the run starts with no preferences, and none will be saved");
}

void PreferenceStore::moveAside(const std::string& reason)
{
    values_.clear();
    // The file itself goes aside: a link to it stays, and the next save writes through it.
    const std::filesystem::path file = writtenPath(file_);
    // Never over an earlier one: each corrupt file is kept.
    std::filesystem::path aside = file.string() + ".corrupt";
    for (int n = 2; std::filesystem::exists(aside) && n <= kMostCorruptFiles; ++n)
        aside = file.string() + ".corrupt" + std::to_string(n);
    std::error_code error;
    if (file.empty())
        error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    else if (std::filesystem::exists(aside))
        error = std::make_error_code(std::errc::file_exists);
    else
        std::filesystem::rename(file, aside, error);
    if (error) {
        writable_ = false;
        warn_("the preference file " + file_.string() + " is unusable (" + reason + ") and cannot be moved aside (" +
              error.message() + "): starting with no preferences, and none will be saved");
        return;
    }
    warn_("the preference file " + file_.string() + " is unusable (" + reason + "): moved aside as " + aside.string() +
          ", starting with no preferences");
}

void PreferenceStore::removeLeftovers() const
{
    // What a save that was killed half-way left beside the store; the one of a process that
    // still runs (another host on the same store) is its save in progress.
    const std::filesystem::path file = writtenPath(file_);
    if (file.empty())
        return;
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const long writer = temporaryWriter(file, it->path().filename().string());
        std::error_code ignored;
        if (writer != 0 && ::kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH &&
            it->is_regular_file(ignored) && !it->is_symlink(ignored))
            std::filesystem::remove(it->path(), ignored);
    }
}

const PreferenceValue* PreferenceStore::find(std::string_view prefix, std::string_view key) const
{
    const auto keys = values_.find(prefix);
    if (keys == values_.end())
        return nullptr;
    const auto value = keys->second.find(key);
    return value == keys->second.end() ? nullptr : &value->second;
}

bool PreferenceStore::put(std::string_view prefix, std::string_view key, PreferenceValue value)
{
    values_[std::string(prefix)].insert_or_assign(std::string(key), std::move(value));
    return changed();
}

bool PreferenceStore::changed()
{
    if (batches_ == 0)
        return save();
    unsaved_ = true;
    return writable_ && !saveFailureTold_;
}

void PreferenceStore::endBatch()
{
    if (--batches_ == 0 && unsaved_) {
        unsaved_ = false;
        save();
    }
}

bool PreferenceStore::remove(std::string_view prefix, std::string_view key)
{
    const auto keys = values_.find(prefix);
    if (keys == values_.end())
        return false;
    const auto value = keys->second.find(key);
    if (value == keys->second.end())
        return false;
    keys->second.erase(value);
    if (keys->second.empty())
        values_.erase(keys);
    return changed();
}

std::vector<PreferenceStore::Entry> PreferenceStore::entries() const
{
    std::vector<Entry> all;
    for (const auto& [prefix, keys] : values_)
        for (const auto& [key, value] : keys)
            all.push_back({prefix, key, &value});
    return all;
}

std::string PreferenceStore::text() const
{
    Json json = Json::object();
    for (const auto& [prefix, keys] : values_) {
        Json& stored = json[prefix] = Json::object();
        for (const auto& [key, value] : keys)
            stored[key] = jsonOf(value);
    }
    // Bytes that are not UTF-8 cannot be written as JSON; the suite refuses them before.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool PreferenceStore::save()
{
    if (file_.empty())
        return true;
    if (!writable_)
        return false;
    const std::string contents = text();
    std::string reason = createFoldersFor(file_);
    if (reason.empty())
        reason = writeAtomically(
            file_, [&](std::FILE* out) { return std::fwrite(contents.data(), 1, contents.size(), out) == contents.size(); });
    if (reason.empty()) {
        saveFailureTold_ = false;
        return true;
    }
    if (!saveFailureTold_)
        warn_("preferences not saved: " + reason);
    saveFailureTold_ = true;
    return false;
}

} // namespace host
