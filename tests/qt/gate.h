#pragma once
// Holds the threads that pass it until it is opened.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace qttest {

class Gate {
public:
    void Pass() {
        std::unique_lock lock(mutex_);
        ++waiting_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return open_; });
    }
    // Until this many threads reached the gate.
    void WaitFor(int waiting) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return waiting_ >= waiting; });
    }
    // The same, for at most `most`: whether they did.
    bool WaitFor(int waiting, std::chrono::milliseconds most) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, most, [&] { return waiting_ >= waiting; });
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int waiting_ = 0;
    bool open_ = false;
};

}  // namespace qttest
