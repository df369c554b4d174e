#pragma once
// Threads that stay for the program's run and draw pictures beside the
// painting thread, so that a picture box is drawn as soon as its drawing is
// final while the program goes on with the rest of its road.
//
// A task goes to any thread, or to a lane: one thread of its own, which keeps
// the texts it shaped (a glyph run belongs to the font engines of the thread
// that shaped it, and each thread has its own). Whoever needs a task's result
// awaits it. A task no thread has taken is run by the one awaiting it, so
// drawing never waits for work that has not started, also when no thread
// could be started at all; what a task throws is thrown again where it is
// awaited. Only the painting thread posts, awaits and cancels.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QThread;

namespace qtback {

class ShapedTexts;

class RenderPool {
public:
    using Work = std::function<void(ShapedTexts&)>;
    struct Task;
    using TaskPtr = std::shared_ptr<Task>;

    struct Options {
        int threads = DefaultThreads();
        // Starts a thread; false when the system refused it. Tests stand in
        // for a system that refuses threads.
        std::function<bool(QThread&)> start = StartThread;
        // Runs before each task, on the thread that runs it; a test makes
        // the Nth task fail through it.
        std::function<void()> beforeTask;
    };
    static int DefaultThreads();
    static bool StartThread(QThread& thread);

    RenderPool() : RenderPool(Options()) {}
    explicit RenderPool(Options options);
    ~RenderPool();
    RenderPool(const RenderPool&) = delete;
    RenderPool& operator=(const RenderPool&) = delete;

    static constexpr int kAnyLane = -1;
    // A background task of a lane runs only when its thread has nothing else
    // to do, and not at all without threads.
    // Memory that runs out throws std::bad_alloc, and nothing is posted.
    TaskPtr Post(Work work, int lane = kAnyLane, bool background = false);
    // Until the task is done: run here when no thread has taken it (other
    // tasks for any thread are run here meanwhile). Throws what it threw.
    void Await(const TaskPtr& task);
    // Dropped when no thread has taken it; a running task ends unheeded.
    void Cancel(const TaskPtr& task);
    // The threads that were started (they are started with the first task).
    int Threads();
    // The shaped texts of the painting thread, for what it draws itself.
    ShapedTexts& CallerTexts() { return *callerTexts_; }

private:
    struct Worker;
    void StartThreads();
    void Run(Worker& worker);
    TaskPtr TakeFor(Worker& worker);
    bool Unqueue(const TaskPtr& task);
    void Execute(Task& task, ShapedTexts& texts);

    Options options_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool started_ = false, stopping_ = false;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::deque<TaskPtr> anyLane_;
    std::unique_ptr<ShapedTexts> callerTexts_;
};

}  // namespace qtback
