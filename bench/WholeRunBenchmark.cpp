// A whole run of the application as a person starts it: the process launched with the
// plug-in, the script bench/whole-run.varo (a 100 x 100 table with double rules and frame
// and a text in every cell, saved as SVG) and the quit; beside it, a bare launch and
// quit, and a session that keeps a hundred edits of that table in its history
// (bench/hundred-edits.varo). Wall time, with the process's start and its end; for the session,
// the most memory it held (peak_MiB, its peak resident set, read from /proc while it runs: the
// figure the kernel gives at the end counts the memory of this program, from which it starts).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The peak resident set of a running process in KiB, as /proc says it; 0 once it has ended.
long PicDe(pid_t pid)
{
    std::ifstream statut("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(statut, ligne))
        if (ligne.rfind("VmHWM:", 0) == 0)
            return std::strtol(ligne.c_str() + 6, nullptr, 10);
    return 0;
}

// varo-host beside this program, run in a scratch folder with a preference store of its own:
// its exit status (-1 when it did not run or end). With `pic`, its peak resident set in KiB,
// read every few milliseconds while it runs.
int Lance(const fs::path& dossier, const std::vector<std::string>& arguments, long* pic = nullptr)
{
    const fs::path hote = fs::read_symlink("/proc/self/exe").parent_path() / "varo-host";
    std::vector<std::string> tous{hote.string(), "--plugins", VARO_PLUGINS_DIR, "--prefs",
                                  (dossier / "preferences.json").string()};
    tous.insert(tous.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : tous)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dossier.c_str());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int lance = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (lance != 0)
        return -1;
    int statut = 0;
    for (pid_t fini = 0; fini == 0;) {
        if (pic != nullptr) {
            *pic = std::max(*pic, PicDe(pid));
            usleep(2000);
        }
        fini = waitpid(pid, &statut, pic != nullptr ? WNOHANG : 0);
        if (fini < 0)
            return -1;
    }
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

void Execute(benchmark::State& state, const std::vector<std::string>& arguments, bool memoire = false)
{
    const fs::path dossier = fs::temp_directory_path() / ("varo-bench-" + std::to_string(getpid()));
    fs::create_directories(dossier);
    long pic = 0;
    for (auto _ : state)
        if (Lance(dossier, arguments, memoire ? &pic : nullptr) != 0) {
            state.SkipWithError("varo-host failed");
            break;
        }
    if (memoire)
        state.counters["peak_MiB"] = static_cast<double>(pic) / 1024;
    fs::remove_all(dossier);
}

void BM_LancementSeul(benchmark::State& state)
{
    Execute(state, {VARO_BENCH_DIR "/launch-only.varo"});
}

void BM_UnScriptEntier(benchmark::State& state)
{
    Execute(state, {VARO_BENCH_DIR "/whole-run.varo"});
}

void BM_CentEditions(benchmark::State& state)
{
    Execute(state, {VARO_BENCH_DIR "/hundred-edits.varo"}, true);
}

BENCHMARK(BM_LancementSeul)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UnScriptEntier)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CentEditions)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
