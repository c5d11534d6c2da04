#include "AnnotationDrawing.h"

#include "Annotators.h"
#include "DocumentView.h"
#include "EventLog.h"
#include "PluginManager.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

const AnnotationFont kAnnotationFonts[] = {
    {"sans-serif", 11}, // preset 0: the host's small interface text
};

} // namespace

const AnnotationFont* annotationFont(ai_int32 preset)
{
    const auto count = static_cast<ai_int32>(std::size(kAnnotationFonts));
    return preset >= 0 && preset < count ? &kAnnotationFonts[preset] : nullptr;
}

bool AnnotationDrawer::setLineWidth(AIReal width)
{
    if (!std::isfinite(width) || width < 0)
        return false;
    state_.lineWidth = width;
    return true;
}

bool AnnotationDrawer::setFontPreset(ai_int32 preset)
{
    if (annotationFont(preset) == nullptr)
        return false;
    state_.fontPreset = preset;
    return true;
}

void AnnotationDrawer::drawRect(const AIRect& rect, bool fill)
{
    DrawnItem item;
    item.kind = fill ? DrawnItem::Kind::Fill : DrawnItem::Kind::Outline;
    item.rect = {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::max(rect.top, rect.bottom)};
    item.state = state_;
    items_.push_back(std::move(item));
}

void AnnotationDrawer::drawText(std::string text, AIPoint point)
{
    DrawnItem item;
    item.kind = DrawnItem::Kind::Text;
    item.text = std::move(text);
    item.point = point;
    item.state = state_;
    items_.push_back(std::move(item));
}

std::vector<DrawnItem> AnnotationPass::draw()
{
    std::vector<DrawnItem> drawn;
    // By index: an annotator added while drawing is drawn in this pass too, and nothing
    // dangles if the list grows.
    for (size_t i = 0; i < annotators_.all().size(); ++i) {
        Annotator& annotator = *annotators_.all()[i];
        if (!annotator.active || annotator.owner == nullptr)
            continue;
        if (!annotator.owner->started) {
            log_.note(annotator.owner->displayName() + ": not running; annotator \"" + annotator.name +
                             "\" not drawn");
            continue;
        }
        AnnotationDrawer drawer;
        AIAnnotatorMessage message{};
        message.annotator = annotator.handle();
        message.view = view_.handle();
        message.drawer = drawer.handle();
        AnnotationDrawer* const outer = live_;
        live_ = &drawer;
        plugins_.send(*annotator.owner, kCallerAIAnnotation, kSelectorAIDrawAnnotation, message.d,
                             "\"" + escapedAsInC(annotator.name) + "\"");
        live_ = outer;
        drawn.insert(drawn.end(), drawer.items().begin(), drawer.items().end());
    }
    return drawn;
}

AnnotationDrawer* AnnotationPass::live(AIAnnotatorDrawer* handle) const
{
    return live_ != nullptr && live_->handle() == handle ? live_ : nullptr;
}

} // namespace host
