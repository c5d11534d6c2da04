// The preferences dialog's numeric fields' delegate. It takes no keyboard command yet.
#pragma once

#include "Object.h"

class DelegateTouchesTabPrefs : public ns::Object {};
