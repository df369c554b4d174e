// The long run of the random walk over both main windows (tests/sync): many
// random user actions on each route of the master-core link, with the
// figures of what was tried and every finding.
//
//     quillory-sync-soak [ACTIONS_PER_ROUTE [SEED]]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sync/sync_walk.h"

int main(int argc, char** argv) {
    const long actions = argc > 1 ? std::atol(argv[1]) : 20000;
    const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::atol(argv[2])) : 1;
    const sync_walk::Figures f =
        sync_walk::WalkBothRoutes(std::string(QUILLORY_SOURCE_DIR) + "/examples", actions, seed);
    std::printf("actions %ld, keystrokes %ld, peak event depth %d\n", f.actions, f.keystrokes, f.peakDepth);
    std::printf("pushing roads in step %ld, refused %ld, changing nothing %ld; roads that do not push %ld\n",
                f.inStep, f.refused, f.unchanged, f.notPushing);
    for (const auto& [kind, n] : f.byKind) std::printf("  %-26s %ld\n", kind.c_str(), n);
    std::printf("findings %zu\n", f.findings.size());
    for (const std::string& finding : f.findings) std::printf("  %s\n", finding.c_str());
    return f.findings.empty() ? 0 : 1;
}
