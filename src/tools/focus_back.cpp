#include "tools/focus_back.h"

namespace quillory {

void FocusNextStep(const std::vector<forms::CommandButton*>& imports, forms::CommandButton& photo) {
    for (forms::CommandButton* button : imports) {
        if (button->Enabled() && button->Visible()) {
            if (button->AcceptsUserInput()) button->SetFocus();
            return;
        }
    }
    if (photo.Enabled() && photo.AcceptsUserInput()) photo.SetFocus();
}

}  // namespace quillory
