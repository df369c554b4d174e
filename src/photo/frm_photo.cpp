#include "photo/frm_photo.h"

#include "main/quillory.h"

namespace quillory {

FrmPhoto::FrmPhoto(Quillory& q, const std::string& name, bool& inUse) : Form(q.app, name) {
    SetCaption("Photo");
    Unload_ = [&inUse](int&) { inUse = false; };
}

}  // namespace quillory
