// Interface files: JSON that describes the views, windows and other objects of an
// interface, loaded into objects connected to their owner.
//
//   {
//     "view":    OBJECT,              the owner's view (a view tree)
//     "windows": [OBJECT, ...],       windows, each with a "contentView"
//     "objects": [OBJECT, ...]        other objects (delegates, ...), made first
//   }
//
// An OBJECT has its "class" (a toolkit class or one registered by name), and as it needs:
// "id" (its identifier and the owner's outlet of that name), "ref" (a name other objects
// use, for objects that are no outlet), "frame" [x, y, width, height] (y upward, in the
// superview), "subviews" [OBJECT...], "contentView" / "documentView" OBJECT, the initial
// values "title", "text", "items", "min", "max", "value", "state", "tooltip", "tag",
// "hidden", "enabled", "editable", "bezeled", "drawsBackground", "sendsActionOnEndEditing",
// "alignment" (left, center,
// right), "buttonType" (push, switch, toggle), "keyEquivalent" with its
// "keyEquivalentModifiers" (["command"], ["shift"], ["option"], ["control"]), "continuous", "fontSize",
// "cell" (a slider's cell, by class name), and the connections "action" ("name:"),
// "target" and "delegate" ("owner" or a ref or id; the target is the owner when not given;
// a window's delegate is a WindowDelegate, a text field's any object), and a button's
// "stepsField" (the id or ref of the text field whose value it steps).
//
// Loading makes every object and connects outlets to the owner and actions by name; waking
// then sends awakeFromNib to every object made and last to the owner. Anything it cannot do (an
// unknown class, key, outlet, target or action, a value of the wrong kind or out of its range:
// a "state" or "tag" that is no whole number an int holds, a frame number beyond one million,
// a "fontSize" not above 0 or above 1000, any number that is not finite) is an error that
// names the file and the object, and then nothing is made or connected.
#pragma once

#include "Object.h"
#include "View.h"
#include "Window.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ns {

enum class Connection { Connected, UnknownOutlet, WrongClass };

// What an interface file's owner declares: its outlets.
class InterfaceOwner {
public:
    virtual ~InterfaceOwner() = default;
    // Whether the outlet exists and takes that object, without connecting it.
    virtual Connection canConnectOutlet(std::string_view name, Object& object) const = 0;
    virtual void connectOutlet(std::string_view name, Object& object) = 0;
};

// The outlets a class declares: OutletTable<Owner>::outlet("name", &Owner::member) rows.
template <typename Owner>
class OutletTable {
public:
    struct Entry {
        const char* name;
        std::function<bool(Owner*, Object&)> connect; // a null owner only checks the class
    };
    template <typename T>
    static Entry outlet(const char* name, T* Owner::*member)
    {
        return {name, [member](Owner* owner, Object& object) {
                    T* typed = dynamic_cast<T*>(&object);
                    if (typed != nullptr && owner != nullptr)
                        owner->*member = typed;
                    return typed != nullptr;
                }};
    }
    OutletTable(std::initializer_list<Entry> entries) : entries_(entries) {}

    Connection check(std::string_view name, Object& object) const
    {
        for (const Entry& e : entries_)
            if (name == e.name)
                return e.connect(nullptr, object) ? Connection::Connected : Connection::WrongClass;
        return Connection::UnknownOutlet;
    }
    void connect(Owner& owner, std::string_view name, Object& object) const
    {
        for (const Entry& e : entries_)
            if (name == e.name)
                e.connect(&owner, object);
    }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

struct LoadedInterface {
    std::unique_ptr<View> view;
    std::vector<std::unique_ptr<Window>> windows;
    std::vector<std::unique_ptr<Object>> objects;
    std::vector<Object*> madeInOrder; // every object made, for awakeFromNib
    std::string error;                // empty when the file loaded
};

// Makes and connects; `owner` is the "owner" of targets and delegates and receives the
// outlets. Nothing is woken yet: the owner first takes what it keeps.
LoadedInterface loadInterfaceFile(const std::filesystem::path& path, Object& owner, InterfaceOwner& outlets);
// awakeFromNib to every object made, in the file's order, and last to the owner.
void awakeFromInterfaceFile(LoadedInterface& loaded, Object& owner);

} // namespace ns
