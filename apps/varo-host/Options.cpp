#include "Options.h"

#include <algorithm>

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace script {

namespace fs = std::filesystem;

fs::path defaultPluginsFolder()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::path("plugins");
    return program.parent_path().parent_path() / "plugins";
}

fs::path defaultPreferencesFile()
{
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        config = fs::path(home) / ".config";
    else
        config = ".";
    return config / "varo-host" / "preferences.json";
}

namespace {

std::vector<std::string> splitFonts(const std::string& list)
{
    std::vector<std::string> fonts;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = list.find(',', start);
        const size_t end = comma == std::string::npos ? list.size() : comma;
        std::string name = list.substr(start, end - start);
        const size_t first = name.find_first_not_of(' ');
        const size_t last = name.find_last_not_of(' ');
        if (first != std::string::npos)
            fonts.push_back(name.substr(first, last - first + 1));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return fonts;
}

} // namespace

bool parseCommandLine(int argc, const char* const* argv, CommandLine& line, std::string& reason)
{
    line = CommandLine{};
    line.host.pluginsFolder = defaultPluginsFolder();
    line.host.preferencesFile = defaultPreferencesFile();
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        auto value = [&](const char* option) -> const char* {
            if (i + 1 >= argc) {
                reason = std::string(option) + " needs a value";
                return nullptr;
            }
            return argv[++i];
        };
        if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == "--plugins") {
            const char* folder = value("--plugins");
            if (folder == nullptr)
                return false;
            line.host.pluginsFolder = folder;
        } else if (word == "--prefs") {
            const char* file = value("--prefs");
            if (file == nullptr)
                return false;
            line.host.preferencesFile = file;
        } else if (word == "--fonts") {
            const char* fonts = value("--fonts");
            if (fonts == nullptr)
                return false;
            line.host.fonts = splitFonts(fonts);
            if (line.host.fonts->empty()) {
                reason = "--fonts needs at least one font name";
                return false;
            }
        } else if (word == "--default-font") {
            const char* font = value("--default-font");
            if (font == nullptr)
                return false;
            line.host.defaultFont = font;
        } else if (word == "--window") {
            line.window = true;
        } else if (word == "--scale") {
            const char* scale = value("--scale");
            if (scale == nullptr)
                return false;
            if (std::string_view(scale) != "1" && std::string_view(scale) != "2") {
                reason = "--scale takes 1 or 2";
                return false;
            }
            line.scale = scale[0] - '0';
        } else if (word == "--save") {
            const char* file = value("--save");
            if (file == nullptr)
                return false;
            line.save = file;
            line.saveGiven = true;
            if (line.save.extension() != ".svg") {
                reason = "--save takes FILE.svg";
                return false;
            }
        } else if (word == "--frame-times") {
            const char* file = value("--frame-times");
            if (file == nullptr)
                return false;
            line.frameTimes = file;
        } else if (word == "--recovery-seconds") {
            const char* seconds = value("--recovery-seconds");
            if (seconds == nullptr)
                return false;
            const std::string_view text(seconds);
            int parsed = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
            if (error != std::errc() || end != text.data() + text.size() || parsed < 1 || parsed > 3600) {
                reason = "--recovery-seconds takes a whole number from 1 to 3600";
                return false;
            }
            line.recoverySeconds = parsed;
        } else if (word.size() > 1 && word[0] == '-') {
            reason = "unknown option " + word;
            return false;
        } else if (fs::path(word).extension() == ".svg") {
            if (!line.drawing.empty()) {
                reason = "one drawing at a time: " + line.drawing.string() + " and " + word;
                return false;
            }
            line.drawing = word;
        } else {
            line.scripts.push_back(word);
        }
    }
    if (line.host.defaultFont) {
        const auto& fonts = line.host.fonts;
        if (!fonts || std::find(fonts->begin(), fonts->end(), *line.host.defaultFont) == fonts->end()) {
            reason = "--default-font names a font that --fonts does not give";
            return false;
        }
    }
    if ((line.scale != 0 || !line.frameTimes.empty()) && !line.window) {
        reason = "--scale and --frame-times go with --window";
        return false;
    }
    if (!line.drawing.empty() && line.saveGiven) {
        reason = "a drawing opened is saved where it was opened: --save goes without it";
        return false;
    }
    if (!line.drawing.empty())
        line.save = line.drawing;
    if (line.scripts.empty() && !line.help && !line.window) {
        reason = line.drawing.empty() ? "no script given" : "a drawing opens in a window (--window) or for a script";
        return false;
    }
    return true;
}

} // namespace script
