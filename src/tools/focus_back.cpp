#include "tools/focus_back.h"

#include "side/side_window.h"

namespace quillory {

void FocusNextStep(SideWindow& owner, const std::vector<ImportButton>& imports) {
    for (ImportButton import : imports) {
        forms::CommandButton& button = import(owner);
        if (button.Enabled() && button.Visible()) {
            if (button.AcceptsUserInput()) button.SetFocus();
            return;
        }
    }
    forms::CommandButton& photo = owner.Command7;
    if (photo.Enabled() && photo.AcceptsUserInput()) photo.SetFocus();
}

}  // namespace quillory
