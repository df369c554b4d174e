#pragma once
// Work shared out to threads. A thread the system cannot start (no thread
// left to the user, no memory for its stack) is done without: the work runs
// on the threads that did start, the caller's own at least, with the same
// result, only later.
#include <algorithm>
#include <atomic>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace model {

// The threads work is shared out to when its caller names none: one a
// processor, at most 8.
long Processors();

// A test seam, null outside tests: called before each thread is started, it
// may throw what a failed start throws (std::system_error).
extern void (*gBeforeThreadStart)();

// Starts a copy of `run` on a thread of its own, kept in `threads`; false,
// with nothing started, when the system cannot start one.
template <class Run>
bool StartThread(std::vector<std::jthread>& threads, const Run& run) {
    try {
        if (gBeforeThreadStart) gBeforeThreadStart();
        threads.emplace_back(run);
        return true;
    } catch (const std::system_error&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Runs work(k) for k = 0 to parts - 1 on at most `threads` threads, this one
// included, each taking the next part when it is done: a thread that the
// machine holds back delays one small part, not a share of the work. `work`
// must not throw.
template <class Work>
void SideBySide(long parts, long threads, Work work) {
    std::atomic<long> next{0};
    auto run = [&] {
        for (long k; (k = next.fetch_add(1)) < parts;) work(k);
    };
    std::vector<std::jthread> helpers;
    for (long t = 1; t < std::min(threads, parts); ++t)
        if (!StartThread(helpers, run)) break;
    run();
}

}  // namespace model
