// The tracking area the plug-in's own views keep over their bounds: entered and exited, moves,
// while the window is key.
#pragma once

#include "TrackingArea.h"
#include "View.h"

#include <memory>

std::unique_ptr<ns::TrackingArea> ZoneSuivie(ns::View& vue);
