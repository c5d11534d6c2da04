#include "Pdf.h"

#include "AtomicFile.h"
#include "Painting.h"

#include <cairo-pdf.h>

namespace host::render {

namespace {

cairo_status_t writeTo(void* closure, const unsigned char* data, unsigned int length)
{
    return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                                     : CAIRO_STATUS_WRITE_ERROR;
}

} // namespace

std::string savePdf(const doc::Document& document, const doc::FontList& fonts, const std::filesystem::path& path)
{
    if (std::string reason = createFoldersFor(path); !reason.empty())
        return reason;
    std::string failure;
    std::string reason = writeAtomically(path, [&](std::FILE* file) {
        Surface surface(cairo_pdf_surface_create_for_stream(writeTo, file, doc::Document::kArtboardWidth,
                                                            doc::Document::kArtboardHeight));
        {
            const Context cairo(cairo_create(surface.get()));
            // Artwork coordinates: points, the origin at the artboard's bottom-left corner, y upward.
            cairo_translate(cairo.get(), 0, doc::Document::kArtboardHeight);
            cairo_scale(cairo.get(), 1, -1);
            paintDocument(cairo.get(), document, fonts);
            if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
                failure = cairo_status_to_string(cairo_status(cairo.get()));
        }
        // The file is written as the surface finishes: a write that failed shows only then.
        cairo_surface_finish(surface.get());
        if (failure.empty() && cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
            failure = cairo_status_to_string(cairo_surface_status(surface.get()));
        return failure.empty();
    });
    if (!reason.empty() && !failure.empty())
        reason = "cannot write " + path.string() + ": " + failure;
    return reason;
}

} // namespace host::render
