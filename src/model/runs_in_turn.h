#pragma once
// A job whose output goes out in runs, in order: each run is prepared on the
// caller's thread, one after the other (as state kept from row to row
// requires), and written on one of a few threads meanwhile, each with a slot
// of its own that it uses again run after run (its buffers are faulted in
// once, not once a run). A writer hands its blocks on as they fill, once
// every run before its own was handed on: the runs reach the output in
// order, and no run waits for a value. A slot whose thread cannot start is
// written by the caller in turn.
#include <cstddef>
#include <functional>
#include <string_view>

namespace model {

using BlockOut = std::function<void(std::string_view)>;

struct RunSteps {
    // Prepares run `run` in slot `slot`, on the caller's thread.
    std::function<void(size_t slot, long run)> prepare;
    // Writes the run prepared in `slot`, handing its blocks to `handOn`.
    std::function<void(size_t slot, long run, const BlockOut& handOn)> write;
};

// Runs 0 to runs - 1 through at most `slots` slots (written by the caller
// alone when `slots` is 1). The first fault of any step is thrown here, once
// every run in flight has ended; after it, no block reaches `out`.
void RunInTurn(long runs, size_t slots, const RunSteps& steps, const BlockOut& out);

}  // namespace model
