#include "photo/frm_photo.h"

namespace quillory {

FrmPhoto::FrmPhoto(forms::Application& app, const std::string& name, bool& inUse) : Form(app, name) {
    SetCaption("Photo");
    Unload_ = [&inUse](int&) { inUse = false; };
}

}  // namespace quillory
