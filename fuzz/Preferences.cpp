// Fuzz target: any bytes as the preference file. The store reads them or reports them as
// unusable (moving them aside), never crashes; what it holds it writes, and what it wrote
// reads back equal.
#include "AtomicFile.h"
#include "Invariants.h"
#include "PreferenceStore.h"
#include "Scratch.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <string>
#include <variant>

namespace {

namespace fs = std::filesystem;

// Every value as kind and text, in the store's order.
std::string listing(const host::PreferenceStore& store)
{
    std::string all;
    for (const auto& entry : store.entries()) {
        all += entry.prefix + "/" + entry.key + " " + host::preferenceKindName(*entry.value) + " ";
        std::visit([&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                all += v;
            } else if constexpr (std::is_same_v<T, bool>) {
                all += v ? "true" : "false";
            } else {
                // Shortest exact form: a real that comes back other by a bit is seen.
                char text[32];
                const auto written = std::to_chars(text, text + sizeof text, v);
                all.append(text, written.ptr);
            }
        }, *entry.value);
        all += "\n";
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path file = fuzz::scratchFolder() / "preferences.json";
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(fuzz::scratchFolder(), ignored))
        fs::remove_all(entry.path(), ignored);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    int warnings = 0;
    host::PreferenceStore store(file, [&](const std::string&) { ++warnings; });
    const std::string read = listing(store);
    if (warnings == 0 && !fs::exists(file))
        fuzz::broken("a store that read its file without a word has lost it");
    if (warnings != 0 && !read.empty())
        fuzz::broken("a store that could not read its file holds values");

    // Written whole, it reads back equal, whatever it held.
    if (!store.put("Fuzz", "Written", true))
        fuzz::broken("a store in a writable folder could not be saved");
    int again = 0;
    const host::PreferenceStore reread(file, [&](const std::string&) { ++again; });
    if (again != 0)
        fuzz::broken("the store cannot read the file it wrote");
    if (listing(reread) != listing(store))
        fuzz::broken("the store reads back other values than it wrote");
    return 0;
}
