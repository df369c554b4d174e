#pragma once
// Where the Tab key moves the focus in a window, the same on every back end.
namespace forms {

class Control;
class Form;

// The control that Tab gives the focus to after from (nullptr: none has
// it), or Shift+Tab (backwards) before it: controls go by TabIndex, those of
// equal index in the order they were created, round the window. Only
// controls that can take the focus and that the user can reach are stops;
// the option buttons of one container are one stop, the selected one (the
// first in tab order when none is). nullptr when the window has no stop.
Control* NextTabStop(const Form& form, const Control* from, bool backwards);

// A key pressed on a button or a slider, which have no text to edit: the
// control has the focus, and Tab (Shift+Tab) moves it on. True when the key
// was Tab.
bool KeyMovesFocus(Control& control, int keyCode, int shift);

}  // namespace forms
