#include "model/runs_in_turn.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "model/side_by_side.h"

namespace model {
namespace {

// What the caller and the writers share, under one lock: runs come every
// few hundred kilobytes, so the lock is seldom waited for.
struct Turns {
    std::mutex lock;
    std::condition_variable changed;
    long turn = 0;  // the run whose blocks go out next
    std::exception_ptr fault;
    bool stop = false;
    std::vector<long> posted;  // [slot]: the run its thread is to write; -1 none

    void WaitFor(std::unique_lock<std::mutex>& held, long run) {
        changed.wait(held, [&] { return turn == run; });
    }
};

// Writes a run, then passes the turn on, a faulty run too.
void WriteRun(Turns& t, const RunSteps& steps, const BlockOut& out, size_t slot, long run) {
    try {
        steps.write(slot, run, [&t, &out, run](std::string_view block) {
            std::unique_lock held(t.lock);
            t.WaitFor(held, run);
            if (t.fault) return;
            held.unlock();  // the turn is this run's until it passes it on
            out(block);
        });
    } catch (...) {
        const std::lock_guard held(t.lock);
        if (!t.fault) t.fault = std::current_exception();
    }
    std::unique_lock held(t.lock);
    t.WaitFor(held, run);
    ++t.turn;
    t.changed.notify_all();
}

void Serve(Turns& t, const RunSteps& steps, const BlockOut& out, size_t slot) {
    for (;;) {
        long run;
        {
            std::unique_lock held(t.lock);
            t.changed.wait(held, [&] { return t.posted[slot] >= 0 || t.stop; });
            if (t.posted[slot] < 0) return;
            run = t.posted[slot];
        }
        WriteRun(t, steps, out, slot, run);
        const std::lock_guard held(t.lock);
        t.posted[slot] = -1;
        t.changed.notify_all();
    }
}

// Stops the writers once they wrote what was posted, however the caller
// leaves; made after the threads, so that it runs before they are joined.
struct StopAtEnd {
    Turns& t;
    ~StopAtEnd() {
        const std::lock_guard held(t.lock);
        t.stop = true;
        t.changed.notify_all();
    }
};

}  // namespace

void RunInTurn(long runs, size_t slots, const RunSteps& steps, const BlockOut& out) {
    slots = std::clamp<size_t>(slots, 1, static_cast<size_t>(std::max(1L, runs)));
    Turns t;
    t.posted.assign(slots, -1);
    std::vector<char> threaded(slots, 0);
    {
        std::vector<std::jthread> threads;
        const StopAtEnd stop{t};
        for (size_t k = 0; slots > 1 && k < slots; ++k)
            threaded[k] = StartThread(threads, [&t, &steps, &out, k] { Serve(t, steps, out, k); });
        for (long run = 0; run < runs; ++run) {
            const size_t slot = static_cast<size_t>(run) % slots;
            {
                std::unique_lock held(t.lock);
                t.changed.wait(held, [&] { return t.posted[slot] < 0; });
                if (t.fault) break;
            }
            steps.prepare(slot, run);
            if (threaded[slot]) {
                const std::lock_guard held(t.lock);
                t.posted[slot] = run;
                t.changed.notify_all();
            } else {
                WriteRun(t, steps, out, slot, run);
            }
        }
    }
    if (t.fault) std::rethrow_exception(t.fault);
}

}  // namespace model
