#include "TextView.h"

#include <sstream>

namespace ns {

void TextView::setString(std::string string)
{
    string_ = std::move(string);
    firstLine_ = 0;
    setNeedsDisplay(true);
}

std::vector<std::string> TextView::lines() const
{
    // Paragraphs at line breaks, a carriage return, a line feed or both; words wrap at the
    // width (a word wider than it stands alone).
    std::vector<std::string> result;
    const double width = frame().size.width - 4;
    std::string text;
    for (size_t i = 0; i < string_.size(); ++i)
        if (string_[i] != '\r')
            text += string_[i];
        else if (i + 1 >= string_.size() || string_[i + 1] != '\n')
            text += '\n';
    std::istringstream paragraphs(text);
    for (std::string paragraph; std::getline(paragraphs, paragraph);) {
        std::istringstream words(paragraph);
        std::string line;
        for (std::string word; words >> word;) {
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && stringWidth(longer, fontSize_) > width) {
                result.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        result.push_back(line);
    }
    return result;
}

void TextView::scrollRangeToVisible(Range range)
{
    const std::string before = string_.substr(0, std::min(range.location, string_.size()));
    // The line of the range's start, counting wrapped lines of the text before it.
    TextView prefix(frame());
    prefix.setFontSize(fontSize_);
    prefix.setString(before);
    // Text before the range that ends a paragraph puts the range on the line after it.
    const size_t lines = prefix.lines().size();
    const size_t line = before.empty() ? 0 : (before.back() == '\n' || before.back() == '\r' ? lines : lines - 1);
    firstLine_ = line;
    setNeedsDisplay(true);
}

void TextView::drawRect(const Rect&)
{
    const double lineHeight = fontSize_ * 1.3;
    const std::vector<std::string> all = lines();
    double top = bounds().maxY() - 2;
    for (size_t i = firstLine_; i < all.size() && top > 0; ++i) {
        drawString(all[i], MakeRect(0, top - lineHeight, bounds().size.width, lineHeight), textColor_, alignment_,
                   fontSize_);
        top -= lineHeight;
    }
}

} // namespace ns
