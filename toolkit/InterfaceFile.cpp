#include "InterfaceFile.h"

#include "Button.h"
#include "ClassRegistry.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "ScrollView.h"
#include "Slider.h"
#include "TextField.h"
#include "TextView.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

namespace ns {

namespace {

// The largest number a frame may hold, and the largest font size.
constexpr double kLargestFrameNumber = 1000000;
constexpr double kLargestFontSize = 1000;

using Json = nlohmann::json;

// A load stops at the first error: thrown as this, caught once.
struct LoadError {
    std::string reason;
};

// An object made from the file, with what is still to connect.
struct Made {
    Object* object;
    std::string name; // "id" or "ref", or "the N-th CLASS"
    const Json* description;
};

template <typename T>
T* as(Object& object, const std::string& key, const Made& made)
{
    if (auto* typed = dynamic_cast<T*>(&object))
        return typed;
    throw LoadError{"object " + made.name + ": \"" + key + "\" does not apply to its class"};
}

// The initial values, each key with what it sets.
using Setter = void (*)(Object&, const Json&, const Made&, const std::string& key);

std::string text(const Json& value, const Made& made, const std::string& key)
{
    if (!value.is_string())
        throw LoadError{"object " + made.name + ": \"" + key + "\" must be a string"};
    return value.get<std::string>();
}

double number(const Json& value, const Made& made, const std::string& key)
{
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        throw LoadError{"object " + made.name + ": \"" + key + "\" must be a number"};
    return value.get<double>();
}

// A state or a tag: a whole number an int holds, never cast from a double it cannot hold.
int wholeNumber(const Json& value, const Made& made, const std::string& key)
{
    const double v = number(value, made, key);
    if (v != std::floor(v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        throw LoadError{"object " + made.name + ": \"" + key + "\" must be a whole number from " +
                        std::to_string(std::numeric_limits<int>::min()) + " to " +
                        std::to_string(std::numeric_limits<int>::max())};
    return static_cast<int>(v);
}

bool flag(const Json& value, const Made& made, const std::string& key)
{
    if (!value.is_boolean())
        throw LoadError{"object " + made.name + ": \"" + key + "\" must be true or false"};
    return value.get<bool>();
}

const std::map<std::string, Setter, std::less<>>& setters()
{
    static const std::map<std::string, Setter, std::less<>> table = {
        {"title",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             if (auto* w = dynamic_cast<Window*>(&o))
                 w->setTitle(text(v, m, k));
             else
                 as<Button>(o, k, m)->setTitle(text(v, m, k));
         }},
        {"text",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             if (auto* t = dynamic_cast<TextView*>(&o))
                 t->setString(text(v, m, k));
             else
                 as<Control>(o, k, m)->setStringValue(text(v, m, k));
         }},
        {"items",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             if (!v.is_array())
                 throw LoadError{"object " + m.name + ": \"items\" must be a list of strings"};
             std::vector<std::string> items;
             for (const Json& item : v)
                 items.push_back(text(item, m, k));
             if (auto* p = dynamic_cast<PopUpButton*>(&o)) {
                 p->removeAllItems();
                 for (const auto& item : items)
                     p->addItemWithTitle(item);
             } else {
                 as<ComboBox>(o, k, m)->addItemsWithObjectValues(items);
             }
         }},
        {"min", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Slider>(o, k, m)->setMinValue(number(v, m, k)); }},
        {"max", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Slider>(o, k, m)->setMaxValue(number(v, m, k)); }},
        {"value", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Control>(o, k, m)->setDoubleValue(number(v, m, k)); }},
        {"state", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Button>(o, k, m)->setState(wholeNumber(v, m, k)); }},
        {"tooltip", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<View>(o, k, m)->setToolTip(text(v, m, k)); }},
        {"tag", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<View>(o, k, m)->setTag(wholeNumber(v, m, k)); }},
        {"hidden", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<View>(o, k, m)->setHidden(flag(v, m, k)); }},
        {"enabled", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Control>(o, k, m)->setEnabled(flag(v, m, k)); }},
        {"editable", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<TextField>(o, k, m)->setEditable(flag(v, m, k)); }},
        {"bezeled", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<TextField>(o, k, m)->setBezeled(flag(v, m, k)); }},
        {"drawsBackground",
         [](Object& o, const Json& v, const Made& m, const std::string& k) { as<TextField>(o, k, m)->setDrawsBackground(flag(v, m, k)); }},
        {"sendsActionOnEndEditing",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             as<TextField>(o, k, m)->setSendsActionOnEndEditing(flag(v, m, k));
         }},
        {"continuous", [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Slider>(o, k, m)->setContinuous(flag(v, m, k)); }},
        {"keyEquivalent",
         [](Object& o, const Json& v, const Made& m, const std::string& k) { as<Button>(o, k, m)->setKeyEquivalent(text(v, m, k)); }},
        {"keyEquivalentModifiers",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             if (!v.is_array())
                 throw LoadError{"object " + m.name + ": \"" + k + "\" must be a list of strings"};
             uint32_t mask = 0;
             for (const Json& item : v) {
                 const std::string name = text(item, m, k);
                 const struct {
                     const char* name;
                     uint32_t mask;
                 } kKeys[] = {{"command", CommandKeyMask}, {"shift", ShiftKeyMask}, {"option", AlternateKeyMask},
                              {"control", ControlKeyMask}};
                 uint32_t bit = 0;
                 for (const auto& key : kKeys)
                     if (name == key.name)
                         bit = key.mask;
                 if (bit == 0)
                     throw LoadError{"object " + m.name + ": \"" + k + "\" names no modifier key \"" + name +
                                     "\" (command, shift, option, control)"};
                 mask |= bit;
             }
             as<Button>(o, k, m)->setKeyEquivalentModifierMask(mask);
         }},
        {"fontSize",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             const double size = number(v, m, k);
             if (!(size > 0 && size <= kLargestFontSize))
                 throw LoadError{"object " + m.name + ": \"fontSize\" must be more than 0 and at most 1000"};
             as<TextView>(o, k, m)->setFontSize(size);
         }},
        {"cell",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             Slider* slider = as<Slider>(o, k, m);
             const std::string cls = text(v, m, k);
             std::unique_ptr<Object> made = ClassRegistry::make(cls, {});
             if (!made)
                 throw LoadError{"object " + m.name + ": unknown cell class \"" + cls + "\""};
             if (dynamic_cast<SliderCell*>(made.get()) == nullptr)
                 throw LoadError{"object " + m.name + ": \"" + cls + "\" is not a slider cell"};
             slider->setCell(std::unique_ptr<SliderCell>(static_cast<SliderCell*>(made.release())));
         }},
        {"alignment",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             const std::string a = text(v, m, k);
             const TextAlignment alignment = a == "left" ? TextAlignment::Left
                                             : a == "center" ? TextAlignment::Center
                                             : a == "right" ? TextAlignment::Right
                                                            : throw LoadError{"object " + m.name + ": no alignment \"" + a + "\""};
             if (auto* t = dynamic_cast<TextView*>(&o))
                 t->setAlignment(alignment);
             else
                 as<Control>(o, k, m)->setAlignment(alignment);
         }},
        {"buttonType",
         [](Object& o, const Json& v, const Made& m, const std::string& k) {
             const std::string t = text(v, m, k);
             as<Button>(o, k, m)->setButtonType(t == "push" ? ButtonType::MomentaryPushIn
                                                : t == "switch" ? ButtonType::Switch
                                                : t == "toggle" ? ButtonType::Toggle
                                                                : throw LoadError{"object " + m.name + ": no button type \"" + t + "\""});
         }},
    };
    return table;
}

// Keys that are not initial values: read by the loader itself.
bool structural(std::string_view key)
{
    for (const char* k : {"class", "id", "ref", "frame", "subviews", "contentView", "documentView", "action", "target", "delegate",
                          "stepsField"})
        if (key == k)
            return true;
    return false;
}

class Loader {
public:
    Loader(Object& owner, InterfaceOwner& outlets) : owner_(owner), outlets_(outlets) {}

    LoadedInterface load(const Json& file)
    {
        LoadedInterface result;
        if (!file.is_object())
            throw LoadError{"the file must hold one JSON object"};
        for (const auto& [key, value] : file.items())
            if (key != "view" && key != "windows" && key != "objects")
                throw LoadError{"unknown key \"" + key + "\" at the top"};
        if (file.contains("objects"))
            for (const Json& description : list(file["objects"], "objects"))
                result.objects.push_back(make(description));
        if (file.contains("view"))
            result.view = view(file["view"]);
        if (file.contains("windows"))
            for (const Json& description : list(file["windows"], "windows"))
                result.windows.push_back(window(description));
        connect();
        for (const Made& m : made_)
            result.madeInOrder.push_back(m.object);
        return result;
    }

private:
    static const Json& list(const Json& value, const char* key)
    {
        if (!value.is_array())
            throw LoadError{std::string("\"") + key + "\" must be a list"};
        return value;
    }

    std::string nameOf(const Json& description)
    {
        for (const char* key : {"id", "ref"})
            if (description.contains(key) && description[key].is_string())
                return "\"" + description[key].get<std::string>() + "\"";
        const std::string cls = description.contains("class") && description["class"].is_string()
                                    ? description["class"].get<std::string>()
                                    : "object";
        return "#" + std::to_string(made_.size() + 1) + " (" + cls + ")";
    }

    static Rect frameOf(const Json& description, const std::string& name)
    {
        if (!description.contains("frame"))
            return {};
        const Json& f = description["frame"];
        if (!f.is_array() || f.size() != 4)
            throw LoadError{"object " + name + ": \"frame\" must be [x, y, width, height]"};
        double v[4];
        for (size_t i = 0; i < 4; ++i) {
            if (!f[i].is_number())
                throw LoadError{"object " + name + ": \"frame\" must be [x, y, width, height]"};
            v[i] = f[i].get<double>();
            // Far past any screen: drawing it would take coordinates no pixel can have.
            if (!(std::fabs(v[i]) <= kLargestFrameNumber))
                throw LoadError{"object " + name + ": a frame's numbers must lie within -1000000 to 1000000"};
        }
        if (v[2] < 0 || v[3] < 0)
            throw LoadError{"object " + name + ": a frame's width and height cannot be negative"};
        return MakeRect(v[0], v[1], v[2], v[3]);
    }

    // Makes the object, sets its initial values and records it.
    std::unique_ptr<Object> make(const Json& description)
    {
        const std::string name = nameOf(description);
        if (!description.is_object())
            throw LoadError{"object " + name + " must be a JSON object"};
        if (!description.contains("class") || !description["class"].is_string())
            throw LoadError{"object " + name + " has no \"class\""};
        const std::string cls = description["class"].get<std::string>();
        std::unique_ptr<Object> object = ClassRegistry::make(cls, frameOf(description, name));
        if (!object)
            throw LoadError{"object " + name + ": unknown class \"" + cls + "\""};
        const Made made{object.get(), name, &description};
        for (const auto& [key, value] : description.items()) {
            if (structural(key))
                continue;
            const auto setter = setters().find(key);
            if (setter == setters().end())
                throw LoadError{"object " + name + ": unknown key \"" + key + "\""};
            setter->second(*object, value, made, key);
        }
        if (auto* v = dynamic_cast<View*>(object.get()); v != nullptr && description.contains("id"))
            v->setIdentifier(text(description["id"], made, "id"));
        remember(made);
        return object;
    }

    void remember(const Made& made)
    {
        for (const char* key : {"id", "ref"})
            if (made.description->contains(key)) {
                const std::string n = text((*made.description)[key], made, key);
                if (!byName_.emplace(n, made.object).second)
                    throw LoadError{"object " + made.name + ": the name \"" + n + "\" is used twice"};
            }
        made_.push_back(made);
    }

    std::unique_ptr<View> view(const Json& description)
    {
        std::unique_ptr<Object> object = make(description);
        auto* raw = dynamic_cast<View*>(object.get());
        if (raw == nullptr)
            throw LoadError{"object " + made_.back().name + " is not a view"};
        std::unique_ptr<View> v(static_cast<View*>(object.release()));
        if (description.contains("subviews"))
            for (const Json& sub : list(description["subviews"], "subviews"))
                v->addSubview(view(sub));
        if (description.contains("documentView")) {
            auto* scroll = dynamic_cast<ScrollView*>(v.get());
            if (scroll == nullptr)
                throw LoadError{"object " + nameOf(description) + ": \"documentView\" does not apply to its class"};
            scroll->setDocumentView(view(description["documentView"]));
        }
        return v;
    }

    std::unique_ptr<Window> window(const Json& description)
    {
        const std::string name = nameOf(description);
        if (!description.is_object())
            throw LoadError{"object " + name + " must be a JSON object"};
        if (description.contains("class") && description["class"] != "Window")
            throw LoadError{"object " + name + ": a window's class is \"Window\""};
        auto w = std::make_unique<Window>(frameOf(description, name));
        const Made made{w.get(), name, &description};
        for (const auto& [key, value] : description.items()) {
            if (key == "title")
                w->setTitle(text(value, made, key));
            else if (key == "id")
                w->setIdentifier(text(value, made, key));
            else if (key != "class" && key != "frame" && key != "ref" && key != "contentView" && key != "delegate")
                throw LoadError{"object " + name + ": unknown key \"" + key + "\" for a window"};
        }
        remember(made);
        if (description.contains("contentView"))
            w->setContentView(view(description["contentView"]));
        return w;
    }

    Object* find(const std::string& target, const Made& made, const char* key)
    {
        if (target == "owner")
            return &owner_;
        const auto it = byName_.find(target);
        if (it == byName_.end())
            throw LoadError{"object " + made.name + ": no object \"" + target + "\" for its " + key};
        return it->second;
    }

    // Checks every connection, then makes them all: a file that fails connects nothing.
    void connect()
    {
        struct Pending {
            Control* control;
            Object* target;
            std::string action;
        };
        std::vector<Pending> actions;
        std::vector<std::pair<TextField*, Object*>> delegates;
        std::vector<std::pair<Window*, WindowDelegate*>> windowDelegates;
        std::vector<std::pair<Button*, TextField*>> steppers;
        for (const Made& m : made_) {
            const Json& d = *m.description;
            if (d.contains("id")) {
                const std::string outlet = text(d["id"], m, "id");
                switch (outlets_.canConnectOutlet(outlet, *m.object)) {
                case Connection::UnknownOutlet:
                    throw LoadError{"object " + m.name + ": the owner has no outlet \"" + outlet + "\""};
                case Connection::WrongClass:
                    throw LoadError{"object " + m.name + ": the outlet \"" + outlet + "\" takes another class"};
                case Connection::Connected:
                    break;
                }
            }
            if (d.contains("action")) {
                Control* control = as<Control>(*m.object, "action", m);
                const std::string action = text(d["action"], m, "action");
                Object* target = find(d.contains("target") ? text(d["target"], m, "target") : "owner", m, "target");
                if (!target->respondsToAction(action))
                    throw LoadError{"object " + m.name + ": its target has no action \"" + action + "\""};
                actions.push_back({control, target, action});
            } else if (d.contains("target")) {
                throw LoadError{"object " + m.name + ": a \"target\" without an \"action\""};
            }
            if (d.contains("stepsField")) {
                Object* field = find(text(d["stepsField"], m, "stepsField"), m, "stepsField");
                auto* stepped = dynamic_cast<TextField*>(field);
                if (stepped == nullptr)
                    throw LoadError{"object " + m.name + ": the field it steps is no text field"};
                steppers.emplace_back(as<Button>(*m.object, "stepsField", m), stepped);
            }
            if (d.contains("delegate")) {
                Object* delegate = find(text(d["delegate"], m, "delegate"), m, "delegate");
                if (auto* window = dynamic_cast<Window*>(m.object)) {
                    auto* windowDelegate = dynamic_cast<WindowDelegate*>(delegate);
                    if (windowDelegate == nullptr)
                        throw LoadError{"object " + m.name + ": its delegate is no window delegate"};
                    windowDelegates.emplace_back(window, windowDelegate);
                } else {
                    delegates.emplace_back(as<TextField>(*m.object, "delegate", m), delegate);
                }
            }
        }
        for (const Made& m : made_)
            if (m.description->contains("id")) {
                const std::string outlet = (*m.description)["id"].get<std::string>();
                outlets_.connectOutlet(outlet, *m.object);
            }
        for (const Pending& p : actions) {
            p.control->setTarget(p.target);
            p.control->setAction(p.action);
        }
        for (const auto& [field, delegate] : delegates)
            field->setDelegate(delegate);
        for (const auto& [window, delegate] : windowDelegates)
            window->setDelegate(delegate);
        for (const auto& [button, field] : steppers)
            button->setSteppedField(field);
    }

    Object& owner_;
    InterfaceOwner& outlets_;
    std::vector<Made> made_;
    std::map<std::string, Object*> byName_;
};

} // namespace

namespace {

LoadedInterface failed(std::string reason)
{
    LoadedInterface result;
    result.error = std::move(reason);
    return result;
}

} // namespace

LoadedInterface loadInterfaceFile(const std::filesystem::path& path, Object& owner, InterfaceOwner& outlets)
{
    std::ifstream in(path);
    if (!in)
        return failed(path.string() + ": cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    try {
        const Json file = Json::parse(content.str());
        return Loader(owner, outlets).load(file);
    } catch (const Json::exception& error) {
        return failed(path.string() + ": not JSON: " + error.what());
    } catch (const LoadError& error) {
        return failed(path.string() + ": " + error.reason);
    }
}

void awakeFromInterfaceFile(LoadedInterface& loaded, Object& owner)
{
    for (Object* object : loaded.madeInOrder)
        object->awakeFromNib();
    owner.awakeFromNib();
}

} // namespace ns
