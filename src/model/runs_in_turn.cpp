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

// What the caller and the writers share, under one lock. Each waits on a
// signal of its own and is woken only for what it waits for: a writer for
// its run or its turn, the caller for a free slot or a turn of its own. A
// wake-up costs a switch into the system (dear on a virtual machine), so no
// change wakes everyone.
struct Turns {
    explicit Turns(size_t slots) : posted(slots, -1), writer(slots), threaded(slots, 0) {}

    std::mutex lock;
    long turn = 0;  // the run whose blocks go out next
    std::exception_ptr fault;
    bool stop = false;
    std::vector<long> posted;  // [slot]: the run its thread is to write; -1 none
    std::vector<std::condition_variable> writer;  // [slot]: its thread's signal
    std::condition_variable caller;
    std::vector<char> threaded;  // [slot]: it has a thread of its own

    // Who writes `run`: its slot's thread, or the caller.
    std::condition_variable& WriterOf(long run) {
        const size_t slot = static_cast<size_t>(run) % writer.size();
        return threaded[slot] ? writer[slot] : caller;
    }
    void WaitFor(std::unique_lock<std::mutex>& held, long run) {
        WriterOf(run).wait(held, [&] { return turn == run; });
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
    t.WriterOf(t.turn).notify_one();
}

void Serve(Turns& t, const RunSteps& steps, const BlockOut& out, size_t slot) {
    for (;;) {
        long run;
        {
            std::unique_lock held(t.lock);
            t.writer[slot].wait(held, [&] { return t.posted[slot] >= 0 || t.stop; });
            if (t.posted[slot] < 0) return;
            run = t.posted[slot];
        }
        WriteRun(t, steps, out, slot, run);
        const std::lock_guard held(t.lock);
        t.posted[slot] = -1;
        t.caller.notify_one();
    }
}

// Stops the writers once they wrote what was posted, however the caller
// leaves; made after the threads, so that it runs before they are joined.
struct StopAtEnd {
    Turns& t;
    ~StopAtEnd() {
        const std::lock_guard held(t.lock);
        t.stop = true;
        for (std::condition_variable& writer : t.writer) writer.notify_one();
    }
};

}  // namespace

void RunInTurn(long runs, size_t slots, const RunSteps& steps, const BlockOut& out) {
    slots = std::clamp<size_t>(slots, 1, static_cast<size_t>(std::max(1L, runs)));
    Turns t(slots);
    {
        std::vector<std::jthread> threads;
        const StopAtEnd stop{t};
        for (size_t k = 0; slots > 1 && k < slots; ++k)
            t.threaded[k] = StartThread(threads, [&t, &steps, &out, k] { Serve(t, steps, out, k); });
        for (long run = 0; run < runs; ++run) {
            const size_t slot = static_cast<size_t>(run) % slots;
            {
                std::unique_lock held(t.lock);
                t.caller.wait(held, [&] { return t.posted[slot] < 0; });
                if (t.fault) break;
            }
            steps.prepare(slot, run);
            if (t.threaded[slot]) {
                const std::lock_guard held(t.lock);
                t.posted[slot] = run;
                t.writer[slot].notify_one();
            } else {
                WriteRun(t, steps, out, slot, run);
            }
        }
    }
    if (t.fault) std::rethrow_exception(t.fault);
}

}  // namespace model
