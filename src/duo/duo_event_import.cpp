// The Duo window's list of event layers, which lets the master-core link run
// through event-free depths, the warning lamp that pulses while it is
// missing, and the hand-over of the main window's age-depth model.
#include "duo/frm2_main.h"
#include "model/duo_age_model.h"
#include "model/duo_event_list.h"
#include "model/file_names.h"
#include "tools/frm_version.h"
#include "values/values.h"

namespace quillory {

using namespace forms;

void Frm2Main::ClickCommand3(bool ask) {
    if (!ask &&
        App().MsgBox("Quillory_Duo requires 'List of event layers' for robust synchronisation. Do you import file now?",
                     vbYesNo, "Quillory_Duo") == vbNo) {
        duo_.lamp.gLampRed = 255;
        LightLamp();
        return;
    }
    model::DepthModel& m = state.model;
    RunImport(
        nullptr,
        [&](const std::string& path, model::ItemReader& file) {
            // The lamp goes out as soon as a file is chosen.
            PutOutLamp();
            Touch();
            tools_.version().Label2(3).SetCaption(model::GetFileDate(path));
            model::ImportDuoEventList(m, duo_.master, duo_.link, file, path);
            ShowEventList();
            TransferAgeModel2();
            if (Command5.Enabled() && Command5.Visible()) Command5.SetFocus();
            PutOutLamp();
        },
        [this, &m](bool) {
            // Cancelled or unreadable: the list can be asked for again, and
            // the lamp pulses until it is read.
            Command3.SetEnabled(true);
            m.gEventCount = m.gMergedEventCount = model::kNotLoaded;
            LightLamp();
        });
}

void Frm2Main::LightLamp() {
    duo_.lamp.gLampPhase = 0;
    Shape1.SetVisible(true);
    Timer1.SetInterval(kLampTickMs);
    Timer1.SetEnabled(true);
}

void Frm2Main::PutOutLamp() {
    Shape1.SetVisible(false);
    Timer1.SetEnabled(false);
}

void Frm2Main::Timer1_Timer() {
    LampState& lamp = duo_.lamp;
    lamp.gLampPhase = NextLampPhase(lamp.gLampPhase);
    const LampLook look = LampLookAt(lamp.gLampPhase);
    lamp.gLampRed = look.red;
    Shape1.FillColor = look.fill;
    Shape1.Touch();
}

void Frm2Main::TransferAgeModel2() {
    if (model::TransferAgeModel2(OtherState().model, state.model, duo_.link)) {
        tools_.version().Label2(4).SetCaption(state.model.gVerAgeModel);
        mnuAge->SetEnabled(true);
        mnuDepth->SetEnabled(true);
        DisplayAge();
    }
    // The age read-outs open once the Duo holds the main window's age-depth
    // model, whichever import completes it last: the Duo's event list or the
    // main window's age-depth model (the Duo has no reader of its own in view).
    if (OtherState().model.gAgeModelLoaded && state.model.gEventsLoaded) EnableAgeReadouts(true);
}

}  // namespace quillory
