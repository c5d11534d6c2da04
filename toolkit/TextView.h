// Several lines of text: the about box's, the help's and an alert's text, and the field editor
// that edits the focused text field. A carriage return, a line feed or both end a paragraph.
#pragma once

#include "TextDrawing.h"
#include "View.h"

#include <string>

namespace ns {

struct Range {
    size_t location = 0, length = 0;
};

class TextView : public View {
public:
    using View::View;

    const std::string& string() const { return string_; }
    void setString(std::string string);
    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment) { alignment_ = alignment; }
    double fontSize() const { return fontSize_; }
    void setFontSize(double size) { fontSize_ = size; }
    Color textColor() const { return textColor_; }
    void setTextColor(const Color& color) { textColor_ = color; }

    // Scrolls so that the range of characters is shown; the first line shown is its line.
    void scrollRangeToVisible(Range range);
    size_t firstVisibleLine() const { return firstLine_; }

    // The lines the text breaks into at the view's width, first one first.
    std::vector<std::string> lines() const;
    void drawRect(const Rect& dirty) override;

private:
    std::string string_;
    TextAlignment alignment_ = TextAlignment::Left;
    double fontSize_ = kSystemFontSize;
    Color textColor_ = Color::blackColor();
    size_t firstLine_ = 0;
};

} // namespace ns
