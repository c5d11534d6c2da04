// The root of the toolkit's objects: what an action or an outlet can name. Actions go by
// selector name ("PANvaroCBP:"); a class answers the ones it declares in an ActionTable.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

namespace ns {

class Object {
public:
    virtual ~Object() = default;

    // Runs the action named `selector`, sent by `sender`; false when this object has none.
    virtual bool performAction(std::string_view selector, Object* sender)
    {
        (void)selector;
        (void)sender;
        return false;
    }
    virtual bool respondsToAction(std::string_view selector) const
    {
        (void)selector;
        return false;
    }
    // Sent once every object of an interface file is made and connected.
    virtual void awakeFromNib() {}
};

// The actions a class declares: {"name:", &Class::method} rows.
template <typename Owner>
class ActionTable {
public:
    struct Entry {
        const char* selector;
        void (Owner::*method)(Object* sender);
    };
    ActionTable(std::initializer_list<Entry> entries) : entries_(entries) {}

    bool perform(Owner& owner, std::string_view selector, Object* sender) const
    {
        for (const Entry& e : entries_)
            if (selector == e.selector) {
                (owner.*e.method)(sender);
                return true;
            }
        return false;
    }
    bool contains(std::string_view selector) const
    {
        for (const Entry& e : entries_)
            if (selector == e.selector)
                return true;
        return false;
    }

private:
    std::vector<Entry> entries_;
};

} // namespace ns
