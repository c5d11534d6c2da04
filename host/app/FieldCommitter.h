// What the tools and the pointer need of the panels before they act: what was typed into a
// field goes first, and the change it asked for is drawn.
#pragma once

namespace host {

class FieldCommitter {
public:
    virtual ~FieldCommitter() = default;

    // False when an alert took the person's attention meanwhile: the act that asked is then
    // dropped.
    virtual bool commitTypedFields() = 0;
};

} // namespace host
