// A tooltip given to a view that may be absent from the interface file.
#pragma once

#include "View.h"

inline void Bulle(ns::View* vue, const char* texte)
{
    if (vue != nullptr)
        vue->setToolTip(texte);
}
