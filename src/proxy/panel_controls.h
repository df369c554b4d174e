#pragma once
// The controls and pop-up items of a window's five proxy panels: the column
// and divisor choosers, "Ratio", the axis boxes, the check-mark items, the
// smoothing group, "Flip horizontal", "Copy", and the pointer over a panel
// and its controls. What the pointer does to the levels and the target lines
// belongs to the window, which hands it in.
#include <functional>

namespace quillory {

class SideWindow;

struct PanelPointer {
    // A press on the composite column at the same height (MouseDownProcedure).
    std::function<void(int button, int shift, float x, float y)> pick;
    // The target line at a height of the drawn scale.
    std::function<void(float y)> targetLine;
    // The pointer went onto one of a panel's controls (an axis box or not).
    std::function<void(bool axisBox)> leave;
};

void WirePanelControls(SideWindow& window, const PanelPointer& pointer);

}  // namespace quillory
