// The panel's size: 240 wide (the help shows beside it when it is 480), 100 high on the
// position and size page, the colour editor's height on the others.
#pragma once

#include "sdk/AIPanel.h"

constexpr float kLargeurPanneau = 240;
constexpr float kHauteurPagePosition = 100;

// Gives the panel its size, and the flyout's help item the words for what it would do: "Show
// help" while the panel is narrow (the help hidden), "Hide help" otherwise. The host's
// answers are not examined.
void PoseTaillePanneau(AISize taille);
// The help item's words.
constexpr const char* kMontrerAide = "Show help";
constexpr const char* kCacherAide = "Hide help";
