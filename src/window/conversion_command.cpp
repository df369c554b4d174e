// "Convert from data file": a whole data file of samples read so that the
// conversion window can give every sample its depths and age. A cancelled
// dialog ends it silently; a file that cannot be opened or read shows "File
// format error."; a one-value file read before the event list is refused
// with its own message only.
#include "forms/application.h"
#include "model/conversion_input.h"
#include "side/batch_conversion.h"
#include "tools/frm_conversion.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

model::ConversionSide CoreWindow::ConversionReadingSide() { return model::MainWindowSide(state.model, DuoModel()); }

// An open conversion window goes when a chosen file is not read whole,
// whatever stopped it (a file that cannot be opened, its format, memory):
// "Convert and Save" must never write the file read before under the new
// choice. A cancelled dialog leaves it.
void CoreWindow::Command2_Click() {
    BatchConversion batch(state);
    FormSlot<FrmConversion>& window = tools_.conversion;
    RunImport(
        nullptr,
        [&](const std::string&, model::ItemReader& file) {
            Refresh();
            App().SetMousePointer(vbHourglass);
            const model::ConversionReading reading =
                model::ReadConversionFile(file, state.conversion, ConversionReadingSide());
            if (reading.refused) {
                window.Unload();
                App().MsgBox(reading.message, vbExclamation, "Error");
                if (Command3.Enabled() && Command3.AcceptsUserInput()) Command3.SetFocus();
                return EndImport(false);
            }
            const bool open = window.IfLoaded() != nullptr;
            FrmConversion& conversion = window();
            if (open) conversion.TakeNewReading();
            conversion.Show();
            EndImport(false);
        },
        [&](bool chosen) {
            if (chosen) window.Unload();
        });
}

}  // namespace quillory
