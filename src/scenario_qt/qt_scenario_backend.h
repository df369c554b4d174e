#pragma once
// The Qt back end for scenario scripts: real widgets (offscreen unless
// QT_QPA_PLATFORM says otherwise), with message boxes, file dialogs and
// pop-up menus answered by the script.
#include <functional>
#include <memory>

#include "scenario/scripted_backend.h"

namespace scenario_qt {

// Creates the QApplication once (reusing one that exists) and returns a
// factory of back ends; the application lives as long as the factory.
std::function<std::unique_ptr<scenario::ScriptedBackend>()> ScenarioBackendFactory(int& argc, char** argv);

}  // namespace scenario_qt
