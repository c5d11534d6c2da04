// Fuzz target: any bytes as an SVG file, read against a small font list. The reader refuses
// them with a reason and no document, or reads a document that is not modified, holds only
// finite values within the reader's range and dictionaries within their bounds, and links its
// art soundly; and what the host writes of that document reads back whole, without a word
// said, into a document written the same, each dictionary equal to the one written, entry for
// entry and bit for bit: read(write(read(x))) writes what write(read(x)) wrote.
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

void checkDictionary(const Art& art);

// Every coordinate, width, dash and size the document holds is within the reader's range.
void checkRange(const Document& document)
{
    for (AILayerHandle layer : document.layers())
        for (AIArtHandle handle : document.subtree(document.layer(layer)->group)) {
            const Art& art = *document.art(handle);
            for (const AIPathSegment& s : art.path().segments)
                if (!within(s.p) || !within(s.in) || !within(s.out))
                    fuzz::broken("a path point read is out of range");
            const AIStrokeStyle& stroke = art.path().style->stroke;
            if (!within(stroke.width) || !within(stroke.dash.offset) || stroke.dash.length < 0 ||
                stroke.dash.length > kMaxDashComponents)
                fuzz::broken("a stroke read is out of range");
            for (int i = 0; i < stroke.dash.length; ++i)
                if (!within(stroke.dash.array[i]))
                    fuzz::broken("a dash read is out of range");
            if (!within(art.pointText().anchor) || (art.pointText().chars.size && !within(*art.pointText().chars.size)))
                fuzz::broken("a text read is out of range");
            checkDictionary(art);
        }
}

// A dictionary read holds only what the Dictionary suite could have set, within its bounds,
// and only a group (a layer's too) holds one.
void checkDictionary(const Art& art)
{
    const host::doc::Dictionary& dictionary = art.dictionary;
    if (dictionary.empty())
        return;
    if (art.kind != host::doc::ArtKind::Group && art.kind != host::doc::ArtKind::LayerGroup)
        fuzz::broken("a dictionary read on art that is no group");
    if (dictionary.size() > host::doc::Dictionary::kMostEntries || dictionary.bytes() > host::doc::Dictionary::kMostBytes)
        fuzz::broken("a dictionary read is beyond its bounds");
    for (const auto& [key, value] : dictionary.entries())
        if (!host::doc::Dictionary::validKey(key) || !host::doc::Dictionary::validValue(value))
            fuzz::broken("a dictionary read holds an entry the suite would refuse");
}

// The two documents' art, walked together in the same order, keeps the same dictionaries.
void checkSameDictionaries(const Document& read, const Document& again)
{
    if (read.layers().size() != again.layers().size())
        fuzz::broken("the host's own SVG reads back with other layers");
    for (size_t i = 0; i < read.layers().size(); ++i) {
        const auto first = read.subtree(read.layer(read.layers()[i])->group);
        const auto second = again.subtree(again.layer(again.layers()[i])->group);
        if (first.size() != second.size())
            fuzz::broken("the host's own SVG reads back with other art");
        for (size_t j = 0; j < first.size(); ++j)
            if (!(read.art(first[j])->dictionary == again.art(second[j])->dictionary))
                fuzz::broken("a dictionary written reads back otherwise");
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
    checkSameDictionaries(document, *again.document);
    if (host::render::svgOf(*again.document, fonts()) != written)
        fuzz::broken("the host's own SVG, read and written again, differs");
    return 0;
}
