#include "Fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace host::doc {

namespace {

// A private configuration, destroyed when done, so that the list leaves nothing behind and
// does not disturb whoever else uses fontconfig's default one (the renderer, through cairo).
struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

// The first family name of a pattern: the one a family is known by; the others are
// localised or style-specific aliases.
std::string familyOf(FcPattern* pattern)
{
    FcChar8* family = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) != FcResultMatch || family == nullptr)
        return {};
    return reinterpret_cast<const char*>(family);
}

std::vector<std::string> machineFamilies(FcConfig* config)
{
    std::unique_ptr<FcPattern, PatternDeleter> all(FcPatternCreate());
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> wanted(FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr)));
    if (!all || !wanted)
        return {};
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(config, all.get(), wanted.get()));
    std::vector<std::string> names;
    if (!fonts)
        return names;
    for (int i = 0; i < fonts->nfont; ++i) {
        std::string family = familyOf(fonts->fonts[i]);
        if (!family.empty())
            names.push_back(std::move(family));
    }
    // Byte order: the same from one run to the next whatever the locale.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::string sansSerifFamily(FcConfig* config)
{
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif")));
    if (!pattern)
        return {};
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, PatternDeleter> match(FcFontMatch(config, pattern.get(), &result));
    if (!match || result != FcResultMatch)
        return {};
    return familyOf(match.get());
}

} // namespace

FontList::FontList(const std::optional<std::vector<std::string>>& names, const std::optional<std::string>& defaultName)
{
    if (names.has_value()) {
        // The names given are the whole world: fontconfig is not asked, so that a run with
        // --fonts gives the same list and the same default on every machine.
        names_ = *names;
        const auto given = defaultName ? std::find(names_.begin(), names_.end(), *defaultName) : names_.end();
        default_ = names_.empty() ? -1 : given == names_.end() ? 0 : static_cast<int>(given - names_.begin());
        return;
    }
    std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
    if (!config)
        return;
    names_ = machineFamilies(config.get());
    if (names_.empty())
        return;
    const std::string sans = sansSerifFamily(config.get());
    const auto it = std::find(names_.begin(), names_.end(), sans);
    default_ = it == names_.end() ? 0 : static_cast<int>(it - names_.begin());
}

const std::string& FontList::name(int index) const
{
    static const std::string kNone;
    if (index < 0 || index >= size())
        return kNone;
    return names_[static_cast<size_t>(index)];
}

} // namespace host::doc
