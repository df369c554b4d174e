#include "duo/launch_duo.h"

#include "forms/application.h"
#include "values/values.h"
#include "window/core_window.h"

namespace quillory {

void LaunchDuo(CoreWindow& main, CoreWindow& duo) {
    // A step that fails leaves the window where the steps before put it.
    try {
        if (!main.state.model.gEventsLoaded || main.shared.gDuoModelLoaded) return;
        duo.SetHeight(main.Height());
        duo.SetTop(main.Top());
        // The bottom of the Duo's scale frame lines up with the main window's,
        // and its "Convert from data file" button moves with it.
        const int d = values::CLng(static_cast<double>(main.Frame2.Height() - duo.Frame1.Height()));
        duo.Frame1.SetTop(main.Frame2.Top() + d);
        duo.Command2.SetTop(main.Command2.Top() + d);
        duo.Show();
        const int beside = main.Left() + main.Width() - 60;
        const int screen = main.App().ScreenWidth;
        duo.SetLeft(beside + duo.Width() < screen ? beside : screen - duo.Width() - 60);
    } catch (const values::RuntimeError&) {
    }
}

}  // namespace quillory
