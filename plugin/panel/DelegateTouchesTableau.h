// The panel's text fields' delegate: their keyboard commands come here first. It takes none
// yet, so the field editor performs each one itself.
#pragma once

#include "Object.h"

class DelegateTouchesTableau : public ns::Object {};
