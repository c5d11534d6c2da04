// Sounds from files. No audio device is needed: what is played is recorded, and whoever
// hosts the toolkit can listen for it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ns {

class Sound {
public:
    // Null when there is no such file. By reference: the file is read when played, not now.
    static std::unique_ptr<Sound> initWithContentsOfFile(const std::filesystem::path& path, bool byReference);

    // Records the sound as played; false when its file has gone.
    bool play() const;
    const std::filesystem::path& path() const { return path_; }
    // The file's name without its folder, "Pop.aiff".
    std::string name() const { return path_.filename().string(); }

    // How many sounds were played so far, and the name of the last one ("" before any):
    // what is kept of them does not grow with a long session.
    static size_t playedCount();
    static const std::string& lastPlayed();
    // Called for each sound played (one listener; empty to stop listening).
    static void setPlayListener(std::function<void(const Sound&)> listener);

private:
    explicit Sound(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path path_;
};

} // namespace ns
