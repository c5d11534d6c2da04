#include "PoigneesHote.h"

AIToolHandle Outil = nullptr;
AIPanelRef PanneauRef = nullptr;
AIPanelFlyoutMenuRef MenuLocal = nullptr;
