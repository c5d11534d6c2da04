// Mouse cursors: an image and the hot spot, counted from the image's top-left corner.
#pragma once

#include "Image.h"

#include <memory>
#include <string>

namespace ns {

class Cursor {
public:
    Cursor() = default;
    Cursor(std::shared_ptr<Image> image, Point hotSpot, std::string name = {})
        : image_(std::move(image)), hotSpot_(hotSpot), name_(std::move(name))
    {
    }
    static Cursor initWithImage(std::shared_ptr<Image> image, Point hotSpot) { return Cursor(std::move(image), hotSpot); }

    static const Cursor& arrowCursor();
    static const Cursor& pointingHandCursor();
    // The I-beam, over text that can be typed into.
    static const Cursor& IBeamCursor();
    // The cursor last set; the arrow before any.
    static const Cursor& currentCursor();

    void set() const;

    const std::shared_ptr<Image>& image() const { return image_; }
    Point hotSpot() const { return hotSpot_; }
    // "arrow", "pointing hand" and "I-beam" for the system's own; empty for one made from an
    // image.
    const std::string& name() const { return name_; }

private:
    std::shared_ptr<Image> image_;
    Point hotSpot_;
    std::string name_;
};

} // namespace ns
