// The swatch: a small table pictogram in the current colours of rows, columns and frame.
#pragma once

#include "View.h"

class DessinCouleurs : public ns::View {
public:
    using ns::View::View;
};
