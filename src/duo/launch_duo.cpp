#include "duo/launch_duo.h"

#include "window/core_window.h"

namespace quillory {

void LaunchDuo(CoreWindow& main, CoreWindow& duo) {
    if (!main.state.model.gEventsLoaded || main.shared.gDuoModelLoaded) return;
    duo.Move(main.Left() + main.Width(), main.Top(), duo.Width(), duo.Height());
    duo.Show();
}

}  // namespace quillory
