// A view that shows part of a larger one, its document view, which it owns.
#pragma once

#include "View.h"

namespace ns {

class ScrollView : public View {
public:
    using View::View;

    View* documentView() const { return document_; }
    // The view becomes a subview of this one, at the top-left of it.
    void setDocumentView(std::unique_ptr<View> view);
    bool hasVerticalScroller() const { return verticalScroller_; }
    void setHasVerticalScroller(bool has) { verticalScroller_ = has; }
    Size contentSize() const { return frame().size; }

private:
    View* document_ = nullptr; // one of the subviews
    bool verticalScroller_ = false;
};

} // namespace ns
