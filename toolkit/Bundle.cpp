#include "Bundle.h"

#include "ClassRegistry.h"

#include <map>
#include <memory>

namespace ns {

namespace {

std::map<std::string, std::unique_ptr<Bundle>, std::less<>>& bundles()
{
    static std::map<std::string, std::unique_ptr<Bundle>, std::less<>> all;
    return all;
}

} // namespace

Bundle::Bundle(std::string identifier, std::filesystem::path path)
    : identifier_(std::move(identifier)), path_(std::move(path))
{
}

Bundle& Bundle::registerBundle(std::string identifier, std::filesystem::path path)
{
    auto& slot = bundles()[identifier];
    if (slot)
        *slot = Bundle(identifier, std::move(path)); // same object: pointers to it stay good
    else
        slot = std::make_unique<Bundle>(identifier, std::move(path));
    return *slot;
}

Bundle* Bundle::bundleWithIdentifier(std::string_view identifier)
{
    const auto it = bundles().find(identifier);
    return it == bundles().end() ? nullptr : it->second.get();
}

Bundle* Bundle::bundleForClass(std::string_view className)
{
    return ClassRegistry::bundleOf(className);
}

std::filesystem::path Bundle::pathForResource(std::string_view name, std::string_view type) const
{
    std::string file(name);
    if (!type.empty())
        file.append(".").append(type);
    // A resource name is a file name: nothing that climbs out of the folder.
    if (file.empty() || file.find('/') != std::string::npos || file == "." || file == "..")
        return {};
    const std::filesystem::path path = resourcePath() / file;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) ? path : std::filesystem::path();
}

std::filesystem::path Bundle::pathForImageResource(std::string_view name) const
{
    return name.find('.') != std::string_view::npos ? pathForResource(name, "") : pathForResource(name, "png");
}

} // namespace ns
