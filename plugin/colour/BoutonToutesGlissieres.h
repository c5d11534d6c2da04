// The transparent cover over the colour editor's slider rows.
#pragma once

#include "View.h"

class BoutonToutesGlissieres : public ns::View {
public:
    using ns::View::View;
};
