#pragma once
// Design pieces that the main window and the Duo window share: the choice of
// the vertical scale and the display-range menu.
#include "forms/form.h"

namespace quillory {

// Option2(0) to (3) in the frame: drilling depth (hidden), composite depth
// (selected), event-free depth and age (disabled).
void AddScaleOptions(forms::Form& form, forms::ControlArray<forms::OptionButton>& option2, forms::Frame& frame);

// The "Range" menu: "Link range" (checked), a separator, and mnuCM indexed
// by the range in cm, 9999 for "Whole core".
void AddRangeMenu(forms::Form& form, forms::Menu*& mnuRange, forms::Menu*& mnuLink,
                  forms::ControlArray<forms::Menu>& mnuCM);

}  // namespace quillory
