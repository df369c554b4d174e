#pragma once
// The Qt back end for scenario scripts: real widgets (offscreen or on a
// display), dialogs answered by the script.
#include <functional>
#include <memory>

#include "forms/scripted_backend.h"

namespace qtback {

std::function<std::unique_ptr<forms::ScriptedBackend>()> ScenarioBackendFactory(int& argc, char** argv);

}  // namespace qtback
