// Copies of the drawn columns: the composite column, the column last
// clicked and the ruler, the ruler on a white background.
#include "forms/application.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

void CoreWindow::mnuCopyDepth_Click() {
    PictureBox& ruler = BoreHole(5);
    const Colour back = ruler.BackColor();
    ruler.SetBackColor(kWhite);
    DrawBH5();
    App().Platform().ClipboardClear();
    App().Platform().ClipboardSetPicture(ruler.Draw().TakeSnapshot());
    ruler.SetBackColor(back);
    DrawBH5();
}

}  // namespace quillory
