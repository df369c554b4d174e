// A short random walk over both windows on each route of the master-core
// link; the soak program (bench/sync_soak.cpp) runs the same walk long.
#include <gtest/gtest.h>

#include "sync/sync_walk.h"

namespace {

const std::string kExamples = std::string(QUILLORY_SOURCE_DIR) + "/examples";

TEST(SyncWalk, BothWindowsStayInStepOverRandomActions) {
    const sync_walk::Figures f = sync_walk::WalkBothRoutes(kExamples, 150, 20240301);
    for (const std::string& finding : f.findings) ADD_FAILURE() << finding;
    EXPECT_EQ(f.actions, 300);
    // The walk reached every kind of action and both outcomes of a push.
    EXPECT_GE(f.byKind.size(), 12u);
    EXPECT_GT(f.inStep, 100);
    EXPECT_GT(f.refused, 0);
    EXPECT_LE(f.peakDepth, sync_walk::Walk::kDepthBound);
}

}  // namespace
