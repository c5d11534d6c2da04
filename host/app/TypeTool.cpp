#include "TypeTool.h"

#include "Selection.h"
#include "Tools.h"
#include "UndoHistory.h"
#include "document/Document.h"
#include "document/Graphemes.h"
#include "document/Unicode.h"

#include "Cursor.h"
#include "Event.h"
#include "Pasteboard.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace host {

namespace {

// The line of a frame: its bounds, or for an empty one the height of a line at its anchor.
AIRealRect lineBox(const doc::Document& document, AIArtHandle handle, const doc::Art& frame)
{
    AIRealRect box{};
    document.bounds(handle, &box);
    const doc::PointText& words = frame.pointText();
    if (words.text.empty()) {
        const AIReal size = words.chars.size.value_or(doc::Document::kDefaultFontSize);
        box = {words.anchor.h, words.anchor.v + 0.75f * size, words.anchor.h, words.anchor.v - 0.25f * size};
    }
    return box;
}

} // namespace

// Each UTF-16 unit half an em wide, set from the anchor as the justification says.
std::vector<double> TypeTool::estimatedPlaces(const doc::Art& frame)
{
    const doc::PointText& words = frame.pointText();
    const double unit = 0.5 * words.chars.size.value_or(doc::Document::kDefaultFontSize);
    const double width = unit * static_cast<double>(words.text.size());
    const ATEParagraphJustification justification = words.paras.justification.value_or(kLeftJustify);
    double start = 0;
    if (justification == kCenterJustify || justification == kFullJustifyLastLineCenter)
        start = -width / 2;
    else if (justification == kRightJustify || justification == kFullJustifyLastLineRight)
        start = -width;
    std::vector<double> places;
    for (size_t i = 0; i <= words.text.size(); ++i)
        places.push_back(start + unit * static_cast<double>(i));
    return places;
}

bool TypeTool::typable(AIArtHandle handle) const
{
    const doc::Art* art = document_.art(handle);
    const doc::Layer* layer = art != nullptr ? document_.layer(art->layer) : nullptr;
    return art != nullptr && art->kind == doc::ArtKind::Text && layer != nullptr && layer->visible && layer->editable;
}

AIArtHandle TypeTool::frameAt(AIRealPoint point, AIReal reach) const
{
    // Depth first from what is painted last: the first frame met is the one on top.
    const auto search = [&](auto& self, AIArtHandle handle) -> AIArtHandle {
        const doc::Art* art = document_.art(handle);
        if (art == nullptr)
            return nullptr;
        if (art->kind == doc::ArtKind::Text) {
            const AIRealRect box = lineBox(document_, handle, *art);
            const bool hit = point.h >= box.left - reach && point.h <= box.right + reach &&
                             point.v >= box.bottom - reach && point.v <= box.top + reach;
            return hit ? handle : nullptr;
        }
        for (auto it = art->children.rbegin(); it != art->children.rend(); ++it)
            if (AIArtHandle found = self(self, *it))
                return found;
        return nullptr;
    };
    for (AILayerHandle handle : document_.layers()) {
        const doc::Layer* layer = document_.layer(handle);
        if (layer == nullptr || !layer->visible || !layer->editable)
            continue;
        if (AIArtHandle found = search(search, layer->group))
            return found;
    }
    return nullptr;
}

size_t TypeTool::offsetAt(const doc::Art& frame, AIRealPoint point) const
{
    const doc::PointText& words = frame.pointText();
    std::vector<double> places = measure_ ? measure_(frame) : std::vector<double>{};
    if (places.size() != words.text.size() + 1)
        places = estimatedPlaces(frame);
    const double along = static_cast<double>(point.h) - words.anchor.h;
    size_t best = 0;
    for (size_t at = 0;;) {
        if (std::fabs(places[at] - along) < std::fabs(places[best] - along))
            best = at;
        if (at == words.text.size())
            return best;
        at = doc::nextCharacterBoundary(words.text, at);
    }
}

bool TypeTool::editing() const
{
    return edit_ && typable(edit_->frame);
}

bool TypeTool::begin(AIArtHandle frame, std::optional<size_t> caret)
{
    finish();
    if (!typable(frame))
        return false;
    // What was recorded before is no part of the typing.
    history_.close("Change");
    const std::u16string& text = document_.art(frame)->pointText().text;
    edit_ = Edit{frame, EditableText(text), text};
    if (caret)
        edit_->text.setCaret(*caret);
    ++changes_;
    selection_.pick({frame});
    return true;
}

void TypeTool::apply()
{
    ++changes_;
    const doc::Art* art = document_.art(edit_->frame);
    if (art != nullptr && art->pointText().text != edit_->text.text())
        document_.edit(edit_->frame)->pointText().text = edit_->text.text();
}

void TypeTool::forget()
{
    if (document_.changing()) {
        doc::Change recorded = document_.takeChanges();
        document_.exchange(recorded);
    }
    // Back where it was saved: nothing to save.
    if (history_.atSaved())
        document_.markSaved();
}

void TypeTool::finish()
{
    if (!edit_)
        return;
    const Edit ended = std::move(*edit_);
    edit_.reset();
    dragging_ = false;
    ++changes_;
    const doc::Art* art = document_.art(ended.frame);
    if (art == nullptr)
        history_.close("Change"); // the frame went with a change of someone else's
    else if (art->pointText().text != ended.original)
        history_.close(kStepName);
    else
        forget();
}

void TypeTool::cancel()
{
    if (!edit_)
        return;
    const bool there = document_.valid(edit_->frame);
    edit_.reset();
    dragging_ = false;
    ++changes_;
    if (there)
        forget();
    else
        history_.close("Change");
}

void TypeTool::advance(bool backward)
{
    const doc::Art* art = document_.art(edit_->frame);
    const doc::Art* parent = art != nullptr ? document_.art(art->parent) : nullptr;
    if (parent == nullptr)
        return;
    const auto& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), edit_->frame);
    if (at == siblings.end())
        return;
    AIArtHandle next = nullptr;
    if (backward) {
        for (auto it = std::make_reverse_iterator(at); it != siblings.rend() && next == nullptr; ++it)
            next = typable(*it) ? *it : nullptr;
    } else {
        for (auto it = std::next(at); it != siblings.end() && next == nullptr; ++it)
            next = typable(*it) ? *it : nullptr;
    }
    // At either end the edit goes on where it is.
    if (next == nullptr)
        return;
    begin(next);
    edit_->text.selectAll();
}

void TypeTool::copy(bool cutting)
{
    if (!edit_->text.hasSelection())
        return;
    ns::Pasteboard::general().setString(doc::utf16ToUtf8(edit_->text.selectedText()));
    if (cutting) {
        edit_->text.deleteBackward();
        apply();
    }
}

bool TypeTool::keyDown(const ns::Event& event)
{
    if (!editing())
        return false;
    const uint32_t flags = event.modifierFlags();
    const bool shifted = (flags & ns::ShiftKeyMask) != 0;
    if ((flags & ns::CommandKeyMask) != 0) {
        const std::string& key = event.characters();
        const struct {
            char letter;
            void (*act)(TypeTool& tool);
        } shortcuts[] = {
            {'a', [](TypeTool& tool) { tool.edit_->text.selectAll(); }},
            {'c', [](TypeTool& tool) { tool.copy(false); }},
            {'x', [](TypeTool& tool) { tool.copy(true); }},
        };
        for (const auto& shortcut : shortcuts)
            if (key.size() == 1 && (key[0] | 0x20) == shortcut.letter) {
                shortcut.act(*this);
                ++changes_;
                return true;
            }
        return false; // a menu's: Command V among them
    }
    const struct {
        uint16_t code;
        void (*act)(TypeTool& tool, bool shift);
    } keys[] = {
        {ns::KeyReturn, [](TypeTool& tool, bool) { tool.finish(); }},
        {ns::KeyEscape, [](TypeTool& tool, bool) { tool.cancel(); }},
        {ns::KeyTab, [](TypeTool& tool, bool shift) { tool.advance(shift); }},
        {ns::KeyDelete, [](TypeTool& tool, bool) { tool.edit_->text.deleteBackward(); }},
        {ns::KeyForwardDelete, [](TypeTool& tool, bool) { tool.edit_->text.deleteForward(); }},
        {ns::KeyLeft, [](TypeTool& tool, bool shift) { tool.edit_->text.moveLeft(shift); }},
        {ns::KeyRight, [](TypeTool& tool, bool shift) { tool.edit_->text.moveRight(shift); }},
        // One line: up and down go to its ends, as in a one-line field.
        {ns::KeyHome, [](TypeTool& tool, bool shift) { tool.edit_->text.moveToStart(shift); }},
        {ns::KeyUp, [](TypeTool& tool, bool shift) { tool.edit_->text.moveToStart(shift); }},
        {ns::KeyEnd, [](TypeTool& tool, bool shift) { tool.edit_->text.moveToEnd(shift); }},
        {ns::KeyDown, [](TypeTool& tool, bool shift) { tool.edit_->text.moveToEnd(shift); }},
    };
    for (const auto& key : keys)
        if (event.keyCode() == key.code) {
            key.act(*this, shifted);
            if (edit_)
                apply();
            ++changes_;
            return true;
        }
    // Typed text: characters whole, no control among them. The logo key types nothing.
    std::u16string typed;
    if (event.keyCode() != 0 || (flags & ns::ControlKeyMask) != 0 || event.characters().empty() ||
        !doc::utf8ToUtf16(event.characters(), &typed) ||
        std::any_of(typed.begin(), typed.end(), [](char16_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }))
        return false;
    edit_->text.insert(typed);
    apply();
    return true;
}

bool TypeTool::handles(const Tool& tool) const
{
    return tool.owner == nullptr && tool.title == kToolTitle;
}

bool TypeTool::takesPressInPlace(AIRealPoint point, AIReal zoom) const
{
    return editing() && frameAt(point, kReachPixels / zoom) == edit_->frame;
}

bool TypeTool::event(ToolEventKind kind, AIRealPoint point, ai_uint16 modifiers, AIReal zoom)
{
    const AIReal reach = kReachPixels / zoom;
    switch (kind) {
    case ToolEventKind::MouseDown: {
        const AIArtHandle hit = frameAt(point, reach);
        if (editing() && hit == edit_->frame) {
            edit_->text.setCaret(offsetAt(*document_.art(hit), point), (modifiers & aiEventModifiers_shiftKey) != 0);
            ++changes_;
        } else if (hit != nullptr) {
            begin(hit, offsetAt(*document_.art(hit), point));
        } else {
            // A click on nothing ends the edit; what was typed into stays selected.
            finish();
        }
        dragging_ = editing();
        return true;
    }
    case ToolEventKind::MouseDrag:
        if (dragging_ && editing()) {
            edit_->text.setCaret(offsetAt(*document_.art(edit_->frame), point), true);
            ++changes_;
        }
        return true;
    case ToolEventKind::MouseUp:
        dragging_ = false;
        return true;
    case ToolEventKind::TrackCursor:
        (frameAt(point, reach) != nullptr ? ns::Cursor::IBeamCursor() : ns::Cursor::arrowCursor()).set();
        return true;
    default:
        return false;
    }
}

} // namespace host
