#pragma once
// Runs scenario scripts: the program driven as a user would drive it, one
// command a line, with checks. The language is documented in
// scenarios/README.md.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "main/program.h"
#include "scenario/scripted_backend.h"

namespace scenario {

using BackendFactory = std::function<std::unique_ptr<ScriptedBackend>()>;

std::unique_ptr<ScriptedBackend> MakeHeadlessBackend();

struct ScenarioResult {
    int passed = 0;
    int failed = 0;
};

// Runs one script with a fresh program. Paths in the script are relative to
// the script's folder.
ScenarioResult RunScenario(const std::string& path, const BackendFactory& backend, std::ostream& out);

}  // namespace scenario
