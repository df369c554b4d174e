// quillory-scenario [--qt] FILE...: runs scenario scripts, headless by default.
#include <cstring>
#include <iostream>
#include <vector>

#include "qt/process_setup.h"
#include "scenario/scenario_runner.h"
#include "scenario_qt/qt_scenario_backend.h"

int main(int argc, char** argv) {
    qtback::SetUpProcess();
    bool qt = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--qt") == 0) qt = true;
        else files.emplace_back(argv[i]);
    }
    if (files.empty()) {
        std::cerr << "usage: quillory-scenario [--qt] FILE...\n";
        return 2;
    }
    scenario::BackendFactory factory =
        qt ? scenario_qt::ScenarioBackendFactory(argc, argv) : scenario::BackendFactory(scenario::MakeHeadlessBackend);
    int passed = 0, failed = 0;
    for (const auto& f : files) {
        std::cout << "== " << f << '\n';
        auto r = scenario::RunScenario(f, factory, std::cout);
        passed += r.passed;
        failed += r.failed;
    }
    if (files.size() > 1) std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
