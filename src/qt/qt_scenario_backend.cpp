#include "qt/qt_scenario_backend.h"

namespace qtback {

std::function<std::unique_ptr<forms::ScriptedBackend>()> ScenarioBackendFactory(int&, char**) {
    return [] { return std::unique_ptr<forms::ScriptedBackend>(); };
}

}  // namespace qtback
