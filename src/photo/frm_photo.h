#pragma once
// One of the four photo windows; its flag tells the main windows that it holds
// a photo, and unloading the window clears it.
#include <string>

#include "forms/form.h"

namespace quillory {

class FrmPhoto : public forms::Form {
public:
    FrmPhoto(forms::Application& app, const std::string& name, bool& inUse);
};

}  // namespace quillory
