#pragma once
// Opens the Duo window beside the main window.
namespace quillory {

class CoreWindow;

// Shows the Duo window to the right of the main window, once the main
// window's event list is loaded and while no Duo model is.
void LaunchDuo(CoreWindow& main, CoreWindow& duo);

}  // namespace quillory
