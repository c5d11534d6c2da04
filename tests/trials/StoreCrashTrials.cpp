// Crash trials of the preference store: varo-host sessions that write the store, killed
// with SIGKILL at random moments. Whenever one is killed, the store must be the complete old
// file or the complete new one: never empty, partial or gone; and what a killed save left
// beside it is gone after the next start. Then the stores that cannot be used: a read-only
// folder, a folder where the file should be, a file that cannot be read, a file of 100 MB.
// Each is said on the log, the session runs on the factory defaults, and the file on disk is
// left as it was (the 100 MB one set aside whole).
//
//   store_crash_trials --host VARO_HOST --plugins DIR [--trials N] [--seed S]
//
// Run as root, the sessions of the unusable stores run without root's power to read and
// write past permissions, so that a permission means what it says.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Root's power to read, write and search past permissions, given up for good by this process
// and what it starts: the process keeps its user, and so its way to the build's files.
bool giveUpPermissionOverrides()
{
    if (::geteuid() != 0)
        return true;
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        if (::prctl(PR_CAPBSET_DROP, capability, 0, 0, 0) != 0)
            return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    const auto bits = ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    data[0].effective &= bits;
    data[0].permitted &= bits;
    data[0].inheritable &= bits;
    return ::syscall(SYS_capset, &header, data) == 0;
}

struct Options {
    std::string host, plugins;
    int trials = 30;
    unsigned seed = 0;
};

struct Run {
    int status = 0;       // the exit status, or -1 when killed
    std::string output;   // standard output and error together
    Clock::duration took{};
};

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

// varo-host on `script` with the store `store`, in `folder`; killed after `killAfter` when
// given. `unprivileged`: as an ordinary user when we are root.
Run runHost(const Options& o, const fs::path& folder, const fs::path& store, const std::string& script,
            std::optional<Clock::duration> killAfter = std::nullopt, bool unprivileged = false)
{
    const fs::path scriptFile = folder / "session.varo";
    const fs::path outputFile = folder / "session.out";
    writeFile(scriptFile, script);
    ::chmod(scriptFile.c_str(), 0644);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            ::dup2(out, 1);
            ::dup2(out, 2);
        }
        // Where the capabilities cannot be given up, as an ordinary user (who must then be
        // able to reach the build).
        if (unprivileged && !giveUpPermissionOverrides() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(126);
        ::execl(o.host.c_str(), o.host.c_str(), "--plugins", o.plugins.c_str(), "--prefs", store.c_str(), "--fonts",
                "Alpha,Beta", scriptFile.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    Run run;
    if (killAfter) {
        std::this_thread::sleep_for(*killAfter);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.took = Clock::now() - start;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = readFile(outputFile);
    return run;
}

// A valid store without "Son", so that the session's start writes the factory set over it,
// with `extra` keys of its own that stay: some stores small, some of a few megabytes, so that
// their save takes long enough to be killed in the middle of it.
std::string oldStore(std::mt19937& random)
{
    std::ostringstream text;
    text << "{\"Trial\": {";
    const int keys = std::uniform_int_distribution<int>(1, 4)(random);
    const int size = std::uniform_int_distribution<int>(0, 3)(random) == 0 ? 1 << 20 : 64;
    for (int k = 0; k < keys; ++k)
        text << (k ? ", " : "") << "\"Key" << k << "\": {\"string\": \"" << std::string(static_cast<size_t>(size), 'a' + k)
             << "\"}";
    text << "}, \"VaroTableau\": {\"NombreLignes\": {\"int\": 7}}}\n";
    return text.str();
}

std::vector<fs::path> leftovers(const fs::path& folder)
{
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind(".preferences.json.", 0) == 0)
            found.push_back(entry.path());
    return found;
}

bool crashTrials(const Options& o, const fs::path& work)
{
    std::mt19937 random(o.seed);
    int killedMidway = 0, oldKept = 0, newWhole = 0, failures = 0;
    for (int trial = 0; trial < o.trials; ++trial) {
        const fs::path folder = work / ("trial" + std::to_string(trial));
        fs::create_directories(folder);
        const fs::path store = folder / "preferences.json";
        const std::string old = oldStore(random);

        // The session whole, for the new store it writes and how long it takes.
        writeFile(store, old);
        const Run whole = runHost(o, folder, store, "launch\nquit\n");
        const std::string written = readFile(store);
        if (whole.status != 0 || written == old || written.find("\"Son\"") == std::string::npos) {
            std::cerr << "trial " << trial << ": the whole session did not write the store:\n" << whole.output;
            return false;
        }

        // Again, killed at a random moment of it.
        writeFile(store, old);
        const auto at = std::chrono::duration_cast<Clock::duration>(
            whole.took * std::uniform_real_distribution<double>(0.0, 1.2)(random));
        const Run killed = runHost(o, folder, store, "launch\nquit\n", at);
        killedMidway += killed.status == -1;
        const std::string after = fs::exists(store) ? readFile(store) : std::string("(gone)");
        if (after == old) {
            ++oldKept;
        } else if (after == written) {
            ++newWhole;
        } else {
            ++failures;
            std::cerr << "trial " << trial << ": killed after " << std::chrono::duration<double>(at).count()
                      << " s, the store is neither the old one nor the new one (" << after.size() << " bytes)\n";
        }
        // What a killed save left beside the store goes at the next start.
        if (!leftovers(folder).empty()) {
            runHost(o, folder, store, "launch\nquit\n");
            if (!leftovers(folder).empty()) {
                ++failures;
                std::cerr << "trial " << trial << ": a temporary file of a killed save stays after the next start\n";
            }
        }
        fs::remove_all(folder);
    }
    std::cout << "store crash trials: " << o.trials << " trials, " << killedMidway << " killed before their end ("
              << oldKept << " left the old store, " << newWhole << " the new one), " << failures << " lost or partial\n";
    // Trials none of which was killed in time tried nothing.
    if (o.trials >= 10 && killedMidway == 0) {
        std::cerr << "no trial was killed before its end\n";
        return false;
    }
    return failures == 0;
}

// One unusable store: how it is made, and what must hold of the file afterwards.
struct Case {
    const char* name;
    std::function<void(const fs::path& folder, const fs::path& store)> make;
    std::function<bool(const fs::path& folder, const fs::path& store, std::string& why)> untouched;
    bool unprivileged;
};

bool storeCases(const Options& o, const fs::path& work)
{
    const std::string kept = "{\"VaroTableau\": {\"Son\": {\"bool\": false}, \"NombreLignes\": {\"int\": 7}}}\n";
    std::string big;
    const Case cases[] = {
        {"a read-only folder",
         [](const fs::path& folder, const fs::path&) { fs::permissions(folder, fs::perms(0555)); },
         [](const fs::path& folder, const fs::path&, std::string& why) {
             why = "something was written in it";
             return std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == 2; // script, output
         },
         true},
        {"a folder where the file should be",
         [](const fs::path&, const fs::path& store) { fs::create_directory(store); },
         [](const fs::path&, const fs::path& store, std::string& why) {
             why = "the folder was changed";
             return fs::is_directory(store) && fs::is_empty(store);
         },
         false},
        {"a file that cannot be read",
         [&](const fs::path&, const fs::path& store) {
             writeFile(store, kept);
             fs::permissions(store, fs::perms::none);
         },
         [&](const fs::path&, const fs::path& store, std::string& why) {
             why = "the file was changed or moved";
             fs::permissions(store, fs::perms::owner_read);
             return readFile(store) == kept;
         },
         true},
        {"a file of 100 MB",
         [&](const fs::path&, const fs::path& store) {
             big = "{\"Other\": {\"Big\": {\"string\": \"" + std::string(100 * 1000 * 1000, 'x') + "\"}}}";
             writeFile(store, big);
         },
         [&](const fs::path&, const fs::path& store, std::string& why) {
             why = "it was not set aside whole";
             const fs::path aside = store.string() + ".corrupt";
             return fs::exists(aside) && fs::file_size(aside) == big.size() && readFile(aside) == big;
         },
         false},
    };
    int failures = 0;
    for (const Case& c : cases) {
        const fs::path folder = work / "case";
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms(0777));
        const fs::path store = folder / "preferences.json";
        writeFile(folder / "session.varo", "");
        writeFile(folder / "session.out", "");
        ::chmod((folder / "session.out").c_str(), 0666);
        ::chmod((folder / "session.varo").c_str(), 0666);
        c.make(folder, store);
        const Run run = runHost(o, folder, store, "launch\nprint panel PANzoneNbrLignes\nquit\n", std::nullopt,
                                c.unprivileged);
        fs::permissions(folder, fs::perms(0777));
        std::string why;
        const bool said = run.output.find("warning: the preference file") != std::string::npos ||
                          run.output.find("warning: preferences not saved") != std::string::npos;
        const size_t field = run.output.find("PANzoneNbrLignes ");
        const bool factory = field != std::string::npos &&
                             run.output.substr(field, run.output.find('\n', field) - field).find("value=\"3\"") !=
                                 std::string::npos;
        if (run.status != 0 || !said || !factory || !c.untouched(folder, store, why)) {
            ++failures;
            std::cerr << "store case " << c.name << ": " << (run.status != 0 ? "the session failed" : !said ? "nothing was said" : !factory ? "the session did not run on the factory defaults" : why)
                      << "\n" << run.output;
        }
        fs::permissions(folder, fs::perms(0777));
        std::error_code ignored;
        fs::permissions(store, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder);
    }
    std::cout << "unusable stores: " << std::size(cases) - static_cast<size_t>(failures) << " of " << std::size(cases)
              << " said on the log, run on the factory defaults and left as they were\n";
    return failures == 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    o.seed = static_cast<unsigned>(std::random_device{}());
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--host")
            o.host = value;
        else if (option == "--plugins")
            o.plugins = value;
        else if (option == "--trials")
            o.trials = std::atoi(value.c_str());
        else if (option == "--seed")
            o.seed = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
    }
    if (o.host.empty() || o.plugins.empty() || o.trials < 0) {
        std::cerr << "usage: store_crash_trials --host VARO_HOST --plugins DIR [--trials N] [--seed S]\n";
        return 2;
    }
    std::string name = (fs::temp_directory_path() / "varo-trials.XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) {
        std::perror("store_crash_trials");
        return 2;
    }
    const fs::path work = name;
    fs::permissions(work, fs::perms(0777));
    std::cout << "seed " << o.seed << "\n";
    const bool trials = crashTrials(o, work);
    const bool cases = storeCases(o, work);
    fs::remove_all(work);
    return trials && cases ? 0 : 1;
}
