// The colour editor's slider cell, named by the interface file for each channel's slider.
// Until it draws its own thin bar and image knob, the toolkit's cell draws them.
#pragma once

#include "SliderCell.h"

class GlissiereTableau : public ns::SliderCell {};
