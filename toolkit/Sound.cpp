#include "Sound.h"

namespace ns {

namespace {

std::vector<std::string>& playedSounds()
{
    static std::vector<std::string> played;
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
    playedSounds().push_back(name());
    if (listener())
        listener()(*this);
    return true;
}

const std::vector<std::string>& Sound::played()
{
    return playedSounds();
}

void Sound::setPlayListener(std::function<void(const Sound&)> l)
{
    listener() = std::move(l);
}

} // namespace ns
