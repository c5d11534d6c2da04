// A bundle: a folder with an identifier and a Resources folder. The host registers the
// bundles it loads; code finds its own by identifier or by one of its classes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ns {

class Bundle {
public:
    Bundle(std::string identifier, std::filesystem::path path);

    // Registered bundles live until the process ends. Registering an identifier again
    // points it to the new folder.
    static Bundle& registerBundle(std::string identifier, std::filesystem::path path);
    // Null when no bundle has that identifier.
    static Bundle* bundleWithIdentifier(std::string_view identifier);
    // The bundle that registered the class (see registerClass); null for the toolkit's own.
    static Bundle* bundleForClass(std::string_view className);

    const std::string& bundleIdentifier() const { return identifier_; }
    const std::filesystem::path& bundlePath() const { return path_; }
    std::filesystem::path resourcePath() const { return path_ / "Resources"; }
    // Resources/NAME.TYPE (NAME when TYPE is empty); empty when there is no such file.
    std::filesystem::path pathForResource(std::string_view name, std::string_view type) const;
    // A picture: NAME as given when it names its type ("Knob.png"), else NAME.png.
    std::filesystem::path pathForImageResource(std::string_view name) const;

private:
    std::string identifier_;
    std::filesystem::path path_;
};

} // namespace ns
