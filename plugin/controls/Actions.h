// A window's actions by their selectors in the interface file ("PANvaroCBP:"): each row runs
// its function with the control that sent it.
#pragma once

#include "Object.h"

#include <span>
#include <string_view>

struct Action {
    const char* selecteur;
    void (*fonction)(ns::Object* expediteur);
};

// The row of `selecteur`, or null.
inline const Action* TrouveAction(std::span<const Action> actions, std::string_view selecteur)
{
    for (const Action& a : actions)
        if (selecteur == a.selecteur)
            return &a;
    return nullptr;
}

// Runs the row of `selecteur`: false when there is none.
inline bool Execute(std::span<const Action> actions, std::string_view selecteur, ns::Object* expediteur)
{
    const Action* action = TrouveAction(actions, selecteur);
    if (action != nullptr)
        action->fonction(expediteur);
    return action != nullptr;
}
