// The frame every import of a main window shares: the open dialog, the
// opened file, the progress bar and hourglass, and the error trap that reports
// a file it cannot read. A cancelled dialog changes nothing; a file that
// cannot be opened or read shows "File format error." and leaves the button
// usable.
#include <new>

#include "forms/application.h"
#include "model/item_reader.h"
#include "values/runtime_error.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace values;

std::optional<std::string> CoreWindow::AskFileName() {
    CommonDialog1.CancelError = true;
    CommonDialog1.Filter = "DataFile(*.csv)|*.csv";
    try {
        CommonDialog1.ShowOpen();
    } catch (const RuntimeError& e) {
        if (e.number() != kErrCancel) throw;
        return std::nullopt;
    }
    return CommonDialog1.FileName;
}

void CoreWindow::EndImport(bool opened) {
    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(false);
    App().SetMousePointer(vbDefault);
    if (opened) App().MsgBox("File format error.", vbExclamation, "Error");
}

void CoreWindow::RunImport(CommandButton* retry,
                           const std::function<void(const std::string&, model::ItemReader&)>& read) {
    RunImport(retry, read, {});
}

void CoreWindow::RunImport(CommandButton* retry,
                           const std::function<void(const std::string&, model::ItemReader&)>& read,
                           const std::function<void(bool chosen)>& failed) {
    std::optional<std::string> path;
    bool opened = false;
    // Whatever ends an import once a file was chosen is reported, a file that
    // cannot be opened and one too large for memory included; the program
    // goes on with what it had loaded.
    const auto fail = [&] {
        EndImport(path.has_value());
        // An import that disabled its button before the fault gives it back.
        if (opened && retry) retry->SetEnabled(true);
        if (failed) failed(path.has_value());
    };
    try {
        path = AskFileName();
        if (!path) {
            fail();
            return;
        }
        model::ItemReader file = model::ItemReader::Open(*path);
        opened = true;
        read(*path, file);
    } catch (const RuntimeError&) {
        fail();
    } catch (const std::bad_alloc&) {
        fail();
    }
}

void CoreWindow::ShowProgress(double max) {
    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(true);
    ProgressBar1.SetMin(0);
    ProgressBar1.SetMax(max);
}

}  // namespace quillory
