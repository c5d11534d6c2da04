// The Table Tool, the panel and its flyout menu: the host's handles of what the plug-in
// registered, set at start-up and kept for the life of the plug-in.
#pragma once

#include "sdk/AIPanel.h"
#include "sdk/AITool.h"

extern AIToolHandle Outil;
extern AIPanelRef PanneauRef;
extern AIPanelFlyoutMenuRef MenuLocal;
