// The preferences dialog's numeric fields' delegate. Tab and Shift-Tab go round its ten
// fields (rows count, thickness, gutter; the same for columns; outer and inner frame
// thickness, frame gutter; type size); the up and down arrows (Shift: larger steps) step the
// focused field and its provisional value. Both are taken whatever the control; every other
// command is left to the field editor.
#pragma once

#include "Object.h"
#include "TextField.h"

class DelegateTouchesTabPrefs : public ns::Object, public ns::TextFieldDelegate {
public:
    bool controlTextViewDoCommandBySelector(ns::Control& control, ns::TextView& textView,
                                            std::string_view command) override;
};
