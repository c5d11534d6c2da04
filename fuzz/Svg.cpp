// Fuzz target: any bytes as an SVG file, read against a small font list. The reader refuses
// them with a reason and no document, or reads a document that is not modified, holds only
// finite values within the reader's range and links its art soundly; and what the host writes
// of that document reads back whole, without a word said, into a document written the same:
// read(write(read(x))) writes what write(read(x)) wrote.
#include "Invariants.h"
#include "Svg.h"
#include "SvgReader.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using host::doc::Art;
using host::doc::Document;

const host::doc::FontList& fonts()
{
    static const host::doc::FontList list(std::vector<std::string>{"TestSans", "TestSerif"});
    return list;
}

bool within(double value)
{
    return std::isfinite(value) && std::fabs(value) <= host::render::kFarthestSvgCoordinate;
}

bool within(const AIRealPoint& p)
{
    return within(p.h) && within(p.v);
}

// Every coordinate, width, dash and size the document holds is within the reader's range.
void checkRange(const Document& document)
{
    for (AILayerHandle layer : document.layers())
        for (AIArtHandle handle : document.subtree(document.layer(layer)->group)) {
            const Art& art = *document.art(handle);
            for (const AIPathSegment& s : art.segments)
                if (!within(s.p) || !within(s.in) || !within(s.out))
                    fuzz::broken("a path point read is out of range");
            const AIStrokeStyle& stroke = art.style.stroke;
            if (!within(stroke.width) || !within(stroke.dash.offset) || stroke.dash.length < 0 ||
                stroke.dash.length > kMaxDashComponents)
                fuzz::broken("a stroke read is out of range");
            for (int i = 0; i < stroke.dash.length; ++i)
                if (!within(stroke.dash.array[i]))
                    fuzz::broken("a dash read is out of range");
            if (!within(art.anchor) || (art.chars.size && !within(*art.chars.size)))
                fuzz::broken("a text read is out of range");
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto read = host::render::readSvg(input, fonts(), 1);
    if (read.document == nullptr) {
        if (read.refusal.empty())
            fuzz::broken("a file refused without a reason");
        if (!read.skipped.empty())
            fuzz::broken("a file refused with things said skipped");
        return 0;
    }
    if (!read.refusal.empty())
        fuzz::broken("a document read and a refusal both");
    const Document& document = *read.document;
    if (document.modified() || document.changing())
        fuzz::broken("a document read is marked modified or has changes recorded");
    if (document.currentLayer() != document.layers().front())
        fuzz::broken("the current layer read is not the top one");
    fuzz::checkDocument(document, false);
    checkRange(document);

    const std::string written = host::render::svgOf(document, fonts());
    const auto again = host::render::readSvg(written, fonts(), document.handleSequence());
    if (again.document == nullptr)
        fuzz::broken("the host's own SVG is refused: " + again.refusal);
    if (!again.skipped.empty())
        fuzz::broken("the host's own SVG is read with something skipped: " + again.skipped.front());
    if (host::render::svgOf(*again.document, fonts()) != written)
        fuzz::broken("the host's own SVG, read and written again, differs");
    return 0;
}
