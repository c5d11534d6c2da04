// The class test the registry declares, for the files that instantiate it for their class:
// `template bool EstDeClasse<MaVue>(ns::Object&);` beside MaVue's definition.
#pragma once

#include "Registre.h"

template <typename T>
bool EstDeClasse(ns::Object& objet)
{
    return dynamic_cast<T*>(&objet) != nullptr;
}
