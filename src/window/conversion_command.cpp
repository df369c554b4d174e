// "Convert from data file": a whole data file of samples read so that the
// conversion window can give every sample its depths and age. A cancelled
// dialog or a file that cannot be opened ends it silently; a file that cannot
// be read shows "File format error."; a one-value file read before the event
// list is refused with its own message only.
#include "forms/application.h"
#include "model/conversion_input.h"
#include "side/batch_conversion.h"
#include "tools/frm_conversion.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

model::ConversionSide CoreWindow::ConversionReadingSide() { return model::MainWindowSide(state.model, DuoModel()); }

// An open conversion window goes when a reading does not complete: its
// tables no longer hold a whole file.
void CoreWindow::Command2_Click() {
    BatchConversion batch(state);
    FormSlot<FrmConversion>& window = tools_.conversion;
    RunImport(nullptr, [&](const std::string&, model::ItemReader& file) {
        Refresh();
        App().SetMousePointer(vbHourglass);
        model::ConversionReading reading;
        try {
            reading = model::ReadConversionFile(file, state.conversion, ConversionReadingSide());
        } catch (const RuntimeError&) {
            window.Unload();
            throw;
        }
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
    });
}

}  // namespace quillory
