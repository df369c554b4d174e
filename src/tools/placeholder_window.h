#pragma once
// A tool window whose content comes with its own subsystem; until then it can
// be loaded, shown and unloaded like any window.
#include <string>

#include "forms/form.h"

namespace quillory {

class PlaceholderWindow : public forms::Form {
public:
    PlaceholderWindow(forms::Application& app, const std::string& name, const std::string& caption)
        : Form(app, name) {
        SetCaption(caption);
    }
};

}  // namespace quillory
