#include "WindowLayerLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace script {

namespace {

namespace fs = std::filesystem;

// Where the build lays the module out: lib/ beside the host's bin/. A host moved elsewhere
// leaves the search to the loader (its run path, LD_LIBRARY_PATH).
std::string modulePath()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path beside = self.parent_path().parent_path() / "lib" / ns::platform::kWindowLayerModule;
        if (fs::exists(beside, error))
            return beside.string();
    }
    return ns::platform::kWindowLayerModule;
}

std::string loaderError()
{
    const char* said = dlerror();
    return said != nullptr ? said : "no reason given";
}

} // namespace

std::unique_ptr<ns::platform::WindowLayer> loadWindowLayer(double scale, std::string& reason)
{
    const std::string path = modulePath();
    // Kept loaded to the end: the layer's windows and SDL's own state live in it.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        reason = "cannot load the window layer: " + loaderError();
        return nullptr;
    }
    void* entry = dlsym(module, ns::platform::kOpenWindowLayerEntry);
    if (entry == nullptr) {
        reason = "cannot load the window layer: " + loaderError();
        return nullptr;
    }
    const auto open = reinterpret_cast<ns::platform::OpenWindowLayer>(entry);
    std::string why;
    std::unique_ptr<ns::platform::WindowLayer> layer(open(scale, &why));
    if (!layer)
        reason = why.empty() ? "the display cannot be opened" : why;
    return layer;
}

} // namespace script
