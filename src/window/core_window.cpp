// The core window's construction: its side, its tools and the window's own
// events.
#include "window/core_window.h"

#include "forms/application.h"

namespace quillory {

using namespace forms;

CoreWindow::CoreWindow(Application& app, const std::string& name, const CoreEnvironment& env)
    : SideWindow(app, name, env.shared, env.state),
      tools_(env.tools),
      counterpart_(env.counterpart),
      photos_(env.photos),
      shutDown_(env.shutDown) {
    Click = [this] { Draw().Cls(); };
    Activate = [this] { Form_Activate(); };
    GotFocus = [this] { Form_GotFocus(); };
    Unload_ = [this](int&) { shutDown_(*this); };
    Terminate = [this] { shutDown_(*this); };
    app.AddSettledWatcher(this);
}

CoreWindow::~CoreWindow() { App().RemoveSettledWatcher(this); }

}  // namespace quillory
