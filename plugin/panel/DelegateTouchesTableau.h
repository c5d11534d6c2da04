// The panel's text fields' delegate: their keyboard commands come here first. Tab and
// Shift-Tab go round the fields of the page in a fixed cycle that follows the page, its
// switches and its element's colour type; the up and down arrows (with Shift, larger steps)
// step the focused field's value, write it into its setting and ask for the table to be
// rebuilt. Every other command, Return among them, is left to the field editor.
#pragma once

#include "Object.h"
#include "TextField.h"

class DelegateTouchesTableau : public ns::Object, public ns::TextFieldDelegate {
public:
    bool controlTextViewDoCommandBySelector(ns::Control& control, ns::TextView& textView,
                                            std::string_view command) override;
};
