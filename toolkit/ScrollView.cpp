#include "ScrollView.h"

namespace ns {

void ScrollView::setDocumentView(std::unique_ptr<View> view)
{
    if (document_ != nullptr)
        document_->removeFromSuperview();
    document_ = nullptr;
    if (!view)
        return;
    view->setFrameOrigin({0, frame().size.height - view->frame().size.height});
    document_ = addSubview(std::move(view));
}

} // namespace ns
