#include "Sound.h"

namespace ns {

namespace {

struct Played {
    size_t count = 0;
    std::string last;
};

Played& playedSounds()
{
    static Played played;
    return played;
}

std::function<void(const Sound&)>& listener()
{
    static std::function<void(const Sound&)> l;
    return l;
}

} // namespace

std::unique_ptr<Sound> Sound::initWithContentsOfFile(const std::filesystem::path& path, bool)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return nullptr;
    return std::unique_ptr<Sound>(new Sound(path));
}

bool Sound::play() const
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path_, error))
        return false;
    ++playedSounds().count;
    playedSounds().last = name();
    if (listener())
        listener()(*this);
    return true;
}

size_t Sound::playedCount()
{
    return playedSounds().count;
}

const std::string& Sound::lastPlayed()
{
    return playedSounds().last;
}

void Sound::setPlayListener(std::function<void(const Sound&)> l)
{
    listener() = std::move(l);
}

} // namespace ns
