// Fuzz target: any bytes as an interface file. It loads, or it is refused with an error that
// names the file; what loads wakes and goes again without harm. The owner takes every outlet
// and answers every action, so that the file alone decides what is made; the plug-in's own
// classes are registered as they are when its panel loads.
#include "ClassesInterface.h"
#include "InterfaceFile.h"
#include "Invariants.h"
#include "Scratch.h"

#include <cstdint>
#include <fstream>

namespace {

class Owner : public ns::Responder, public ns::InterfaceOwner {
public:
    ns::Connection canConnectOutlet(std::string_view, ns::Object&) const override { return ns::Connection::Connected; }
    void connectOutlet(std::string_view, ns::Object&) override {}
    bool performAction(std::string_view, ns::Object*) override { return true; }
    bool respondsToAction(std::string_view) const override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::scratchFolder();
    EnregistreClassesInterface(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::filesystem::path file = fuzz::scratchFolder() / "Fuzz.json";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Owner owner;
    ns::LoadedInterface loaded = ns::loadInterfaceFile(file, owner, owner);
    if (!loaded.error.empty()) {
        if (loaded.error.find("Fuzz.json") == std::string::npos)
            fuzz::broken("an interface file was refused without being named: " + loaded.error);
        if (loaded.view || !loaded.windows.empty() || !loaded.objects.empty())
            fuzz::broken("a refused interface file left objects made");
        return 0;
    }
    ns::awakeFromInterfaceFile(loaded, owner);
    return 0;
}
