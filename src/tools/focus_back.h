#pragma once
// Where the focus goes when a tool window closes: to the first of its owner's
// import buttons that is enabled and visible, or, when none is, to its
// "Photo" button. A button that cannot take the focus now (its window
// disabled or hidden) is passed over without error.
#include <vector>

#include "forms/controls.h"

namespace quillory {

class SideWindow;

// One of a main window's import buttons ("List of event layers", ...).
using ImportButton = forms::CommandButton& (*)(SideWindow&);

// The owner's import buttons are tried in the order given.
void FocusNextStep(SideWindow& owner, const std::vector<ImportButton>& imports);

}  // namespace quillory
