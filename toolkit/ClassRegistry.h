// The classes an interface file can name: the toolkit's own and those that code registers
// by name (the plug-in's custom views and delegates).
#pragma once

#include "Geometry.h"
#include "Object.h"

#include <memory>
#include <string>
#include <string_view>

namespace ns {

class Bundle;

class ClassRegistry {
public:
    // Makes an object of the class; views get `frame`, other objects ignore it. A plain
    // function: a bundle's code may be unloaded before the registry goes, and nothing of it
    // must run then.
    using Factory = std::unique_ptr<Object> (*)(const Rect& frame);

    // Registering a name again replaces its factory.
    static void registerClass(std::string name, Factory factory, Bundle* bundle = nullptr);
    // Null for a name nobody registered.
    static std::unique_ptr<Object> make(std::string_view name, const Rect& frame);
    static bool isRegistered(std::string_view name);
    static Bundle* bundleOf(std::string_view name);
    // Forgets the classes a bundle registered, before its code goes.
    static void forgetBundle(const Bundle* bundle);
};

// registerClass for a class made from a frame (views) or from nothing (other objects).
template <typename T>
void registerClass(std::string name, Bundle* bundle = nullptr)
{
    ClassRegistry::registerClass(
        std::move(name),
        [](const Rect& frame) -> std::unique_ptr<Object> {
            if constexpr (std::is_constructible_v<T, Rect>)
                return std::make_unique<T>(frame);
            else
                return std::make_unique<T>();
        },
        bundle);
}

} // namespace ns
