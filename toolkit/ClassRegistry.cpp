#include "ClassRegistry.h"

#include "Button.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "ScrollView.h"
#include "Slider.h"
#include "TextField.h"
#include "TextView.h"

#include <map>

namespace ns {

namespace {

struct Entry {
    ClassRegistry::Factory factory;
    Bundle* bundle = nullptr;
};

std::map<std::string, Entry, std::less<>>& classes()
{
    static std::map<std::string, Entry, std::less<>> all = [] {
        std::map<std::string, Entry, std::less<>> builtIn;
        const auto add = [&]<typename T>(const char* name) {
            builtIn[name] = Entry{[](const Rect& frame) -> std::unique_ptr<Object> { return std::make_unique<T>(frame); }};
        };
        add.operator()<View>("View");
        add.operator()<TextField>("TextField");
        add.operator()<ComboBox>("ComboBox");
        add.operator()<PopUpButton>("PopUpButton");
        add.operator()<Button>("Button");
        add.operator()<Slider>("Slider");
        add.operator()<ScrollView>("ScrollView");
        add.operator()<TextView>("TextView");
        return builtIn;
    }();
    return all;
}

} // namespace

void ClassRegistry::registerClass(std::string name, Factory factory, Bundle* bundle)
{
    classes()[std::move(name)] = Entry{factory, bundle};
}

std::unique_ptr<Object> ClassRegistry::make(std::string_view name, const Rect& frame)
{
    const auto it = classes().find(name);
    return it == classes().end() ? nullptr : it->second.factory(frame);
}

bool ClassRegistry::isRegistered(std::string_view name)
{
    return classes().find(name) != classes().end();
}

void ClassRegistry::forgetBundle(const Bundle* bundle)
{
    std::erase_if(classes(), [bundle](const auto& entry) { return bundle != nullptr && entry.second.bundle == bundle; });
}

Bundle* ClassRegistry::bundleOf(std::string_view name)
{
    const auto it = classes().find(name);
    return it == classes().end() ? nullptr : it->second.bundle;
}

} // namespace ns
