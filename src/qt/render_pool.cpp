#include "qt/render_pool.h"

#include <QThread>
#include <algorithm>

#include "qt/shaped_texts.h"

namespace qtback {

struct RenderPool::Task {
    Work work;
    int lane = kAnyLane;
    bool background = false;
    enum class State { Queued, Running, Done } state = State::Queued;
    std::exception_ptr error;
};

struct RenderPool::Worker {
    std::unique_ptr<QThread> thread;
    std::deque<TaskPtr> lane, background;
    // Each thread is woken on its own, and only when it waits for work: a
    // task woke every thread, which then queued for the pool's lock while
    // the painting thread wanted it to post the next.
    std::condition_variable wake;
    bool waiting = false;
};

namespace {

// Rendering needs little stack; a small one leaves address space to a
// program that runs under a limit of it.
constexpr unsigned kStackBytes = 2u << 20;

}  // namespace

// The painting thread has its own work: one processor is left to it.
int RenderPool::DefaultThreads() { return std::clamp(QThread::idealThreadCount() - 1, 1, 7); }

bool RenderPool::StartThread(QThread& thread) {
    thread.setStackSize(kStackBytes);
    thread.start();
    // A thread the system refused is not running (Qt says so on the console);
    // one that started runs until the pool stops it.
    return thread.isRunning();
}

RenderPool::RenderPool(Options options)
    : options_(std::move(options)), callerTexts_(std::make_unique<ShapedTexts>()) {}

RenderPool::~RenderPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        anyLane_.clear();
        for (auto& worker : workers_) {
            worker->lane.clear();
            worker->background.clear();
        }
    }
    for (auto& worker : workers_) worker->wake.notify_one();
    for (auto& worker : workers_) worker->thread->wait();
}

void RenderPool::StartThreads() {
    started_ = true;
    for (int i = 0; i < options_.threads; ++i) {
        auto worker = std::make_unique<Worker>();
        Worker* w = worker.get();
        worker->thread.reset(QThread::create([this, w] { Run(*w); }));
        workers_.push_back(std::move(worker));
        // The threads started so far serve the lanes: drawing goes on with
        // fewer threads, or with none on the painting thread itself.
        if (!options_.start(*w->thread)) {
            workers_.pop_back();
            break;
        }
    }
}

int RenderPool::Threads() {
    std::lock_guard lock(mutex_);
    if (!started_) StartThreads();
    return static_cast<int>(workers_.size());
}

RenderPool::TaskPtr RenderPool::Post(Work work, int lane, bool background) {
    auto task = std::make_shared<Task>();
    task->work = std::move(work);
    task->lane = lane;
    task->background = background;
    Worker* woken = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (!started_) StartThreads();
        if (workers_.empty()) {
            // Nothing runs it but the one who awaits it; a background task
            // nobody awaits is not worth keeping.
            if (background) task->state = Task::State::Done;
            else anyLane_.push_back(task);
            return task;
        }
        if (lane == kAnyLane) {
            anyLane_.push_back(task);
            // One waiting thread takes it; a busy one looks for more work
            // before it waits.
            auto it = std::find_if(workers_.begin(), workers_.end(), [](const auto& w) { return w->waiting; });
            if (it != workers_.end()) woken = it->get();
        } else {
            Worker& w = *workers_[static_cast<size_t>(lane) % workers_.size()];
            (background ? w.background : w.lane).push_back(task);
            if (w.waiting) woken = &w;
        }
        // Taken for this task: the next one wakes another thread.
        if (woken) woken->waiting = false;
    }
    if (woken) woken->wake.notify_one();
    return task;
}

// A thread's own lane first, then work for any thread, then its own work
// that can wait.
RenderPool::TaskPtr RenderPool::TakeFor(Worker& worker) {
    for (std::deque<TaskPtr>* queue : {&worker.lane, &anyLane_, &worker.background}) {
        if (queue->empty()) continue;
        TaskPtr task = std::move(queue->front());
        queue->pop_front();
        return task;
    }
    return nullptr;
}

void RenderPool::Execute(Task& task, ShapedTexts& texts) {
    try {
        if (options_.beforeTask) options_.beforeTask();
        task.work(texts);
    } catch (...) {
        task.error = std::current_exception();
    }
    task.work = nullptr;  // what it held goes now, on this thread
}

void RenderPool::Run(Worker& worker) {
    ShapedTexts texts;  // shaped by this thread's font engines, gone with it
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        TaskPtr task = TakeFor(worker);
        if (!task) {
            worker.waiting = true;
            worker.wake.wait(lock);
            worker.waiting = false;
            continue;
        }
        task->state = Task::State::Running;
        lock.unlock();
        Execute(*task, texts);
        lock.lock();
        task->state = Task::State::Done;
        task.reset();
        done_.notify_all();
    }
}

bool RenderPool::Unqueue(const TaskPtr& task) {
    auto drop = [&](std::deque<TaskPtr>& queue) {
        auto it = std::find(queue.begin(), queue.end(), task);
        if (it == queue.end()) return false;
        queue.erase(it);
        return true;
    };
    if (drop(anyLane_)) return true;
    for (auto& worker : workers_)
        if (drop(worker->lane) || drop(worker->background)) return true;
    return false;
}

void RenderPool::Await(const TaskPtr& task) {
    std::unique_lock lock(mutex_);
    while (task->state != Task::State::Done) {
        // Not taken by a thread of its lane: done here. A task of a lane
        // whose thread runs is left to that thread, which has its texts.
        TaskPtr here;
        if (task->state == Task::State::Queued && (task->lane == kAnyLane || workers_.empty()) && Unqueue(task))
            here = task;
        else if (!anyLane_.empty())
            here = std::move(anyLane_.front()), anyLane_.pop_front();
        if (!here) {
            done_.wait(lock);
            continue;
        }
        here->state = Task::State::Running;
        lock.unlock();
        Execute(*here, *callerTexts_);
        lock.lock();
        here->state = Task::State::Done;
    }
    if (task->error) std::rethrow_exception(task->error);
}

void RenderPool::Cancel(const TaskPtr& task) {
    if (!task) return;
    std::lock_guard lock(mutex_);
    if (task->state != Task::State::Queued || !Unqueue(task)) return;
    task->state = Task::State::Done;
    task->work = nullptr;
}

}  // namespace qtback
