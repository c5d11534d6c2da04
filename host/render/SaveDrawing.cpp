#include "SaveDrawing.h"

#include "AtomicFile.h"
#include "Painting.h"
#include "Svg.h"

namespace host::render {

std::filesystem::path pictureBeside(const std::filesystem::path& svg)
{
    std::filesystem::path png = svg;
    return png.replace_extension(".png");
}

std::string saveDrawing(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& svg)
{
    if (std::string reason = createFoldersFor(svg); !reason.empty())
        return reason;
    const std::filesystem::path png = pictureBeside(svg);
    std::string reason;
    const Surface picture = paintPng(document, fonts, 1, reason);
    if (!picture)
        return "cannot write " + png.string() + ": " + reason;
    return writeAllAtomically(
        {{svg, [&](std::FILE* file) { return writeSvg(document, fonts, file); }},
         {png, [&](std::FILE* file) { return writePngTo(picture.get(), file); }}});
}

} // namespace host::render
