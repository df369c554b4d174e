// The drawing threads: a lane's tasks stay on one thread, a task no thread
// took is run by whoever awaits it (also when the system refused every
// thread), and what a task throws comes back where it is awaited.
#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <mutex>
#include <new>
#include <set>
#include <vector>

#include "qt/render_pool.h"
#include "gate.h"
#include "qt_test_app.h"

using qtback::RenderPool;
using qttest::Gate;

namespace {

RenderPool::Options Threads(int n, int refusedFrom = 1 << 30) {
    RenderPool::Options options;
    options.threads = n;
    options.start = [started = 0, refusedFrom](QThread& thread) mutable {
        return started++ < refusedFrom && RenderPool::StartThread(thread);
    };
    return options;
}

struct RenderPoolTest : ::testing::Test {
    RenderPoolTest() { qttest::EnsureQtApplication(); }
};

TEST_F(RenderPoolTest, EachLaneKeepsItsThreadAndTheCallerWaitsOnlyForTasksThatRun) {
    RenderPool pool(Threads(3));
    ASSERT_EQ(pool.Threads(), 3);
    std::mutex mutex;
    std::vector<std::set<QThread*>> lanes(5);
    std::vector<RenderPool::TaskPtr> tasks;
    for (int round = 0; round < 20; ++round)
        for (int lane = 0; lane < 5; ++lane)
            tasks.push_back(pool.Post(
                [&, lane](qtback::ShapedTexts&) {
                    std::lock_guard lock(mutex);
                    lanes[static_cast<size_t>(lane)].insert(QThread::currentThread());
                },
                lane));
    for (const auto& task : tasks) pool.Await(task);
    for (const auto& threads : lanes) {
        ASSERT_EQ(threads.size(), 1u);
        EXPECT_NE(*threads.begin(), QThread::currentThread());
    }
    // Lanes 0 and 3 share the first of the three threads.
    EXPECT_EQ(lanes[0], lanes[3]);
    EXPECT_NE(lanes[0], lanes[1]);
}

TEST_F(RenderPoolTest, ATaskNoThreadTookIsRunByTheOneWhoAwaitsIt) {
    RenderPool pool(Threads(2));
    Gate gate;
    // Both threads are held up: a task for any thread waits for none of them.
    auto a = pool.Post([&](qtback::ShapedTexts&) { gate.Pass(); }, 0);
    auto b = pool.Post([&](qtback::ShapedTexts&) { gate.Pass(); }, 1);
    gate.WaitFor(2);
    QThread* ranOn = nullptr;
    auto task = pool.Post([&](qtback::ShapedTexts&) { ranOn = QThread::currentThread(); });
    pool.Await(task);
    EXPECT_EQ(ranOn, QThread::currentThread());
    gate.Open();
    pool.Await(a);
    pool.Await(b);
}

TEST_F(RenderPoolTest, WithoutThreadsEverythingIsDrawnWhereItIsAwaited) {
    for (int refusedFrom : {0, 1}) {
        RenderPool pool(Threads(4, refusedFrom));
        EXPECT_EQ(pool.Threads(), refusedFrom);
        std::vector<QThread*> ranOn(6, nullptr);
        std::vector<RenderPool::TaskPtr> tasks;
        for (int lane = 0; lane < 6; ++lane)
            tasks.push_back(pool.Post(
                [&ranOn, lane](qtback::ShapedTexts&) { ranOn[static_cast<size_t>(lane)] = QThread::currentThread(); },
                lane % 2 ? lane : RenderPool::kAnyLane));
        for (const auto& task : tasks) pool.Await(task);
        for (QThread* thread : ranOn) EXPECT_NE(thread, nullptr);
        if (refusedFrom == 0) {
            for (QThread* thread : ranOn) EXPECT_EQ(thread, QThread::currentThread());
            // Work that can wait is not worth keeping without threads.
            bool ran = false;
            pool.Await(pool.Post([&](qtback::ShapedTexts&) { ran = true; }, 1, true));
            EXPECT_FALSE(ran);
        }
    }
}

TEST_F(RenderPoolTest, WhatATaskThrowsIsThrownWhereItIsAwaitedAndThePoolGoesOn) {
    RenderPool::Options options = Threads(2);
    std::atomic<int> tasks = 0;
    options.beforeTask = [&] {
        if (++tasks == 2) throw std::bad_alloc();
    };
    RenderPool pool(options);
    int done = 0;
    auto first = pool.Post([&](qtback::ShapedTexts&) { ++done; }, 0);
    pool.Await(first);
    auto second = pool.Post([&](qtback::ShapedTexts&) { ++done; }, 0);
    EXPECT_THROW(pool.Await(second), std::bad_alloc);
    auto third = pool.Post([&](qtback::ShapedTexts&) { ++done; }, 0);
    pool.Await(third);
    EXPECT_EQ(done, 2);
}

TEST_F(RenderPoolTest, ACancelledTaskThatNoThreadTookNeverRuns) {
    RenderPool pool(Threads(1));
    Gate gate;
    auto busy = pool.Post([&](qtback::ShapedTexts&) { gate.Pass(); }, 0);
    gate.WaitFor(1);
    bool ran = false;
    auto dropped = pool.Post([&](qtback::ShapedTexts&) { ran = true; }, 0);
    pool.Cancel(dropped);
    gate.Open();
    pool.Await(busy);
    pool.Await(dropped);
    pool.Await(pool.Post([](qtback::ShapedTexts&) {}, 0));
    EXPECT_FALSE(ran);
}

}  // namespace

namespace {

// Tasks posted one after the other while every thread waits run side by
// side, each on a thread of its own: a thread woken for one task is not
// counted on for the next.
TEST_F(RenderPoolTest, TasksPostedInARowWhileTheThreadsWaitRunSideBySide) {
    RenderPool pool(Threads(4));
    ASSERT_EQ(pool.Threads(), 4);
    for (int round = 0; round < 50; ++round) {
        Gate gate;
        std::vector<RenderPool::TaskPtr> tasks;
        for (int i = 0; i < 4; ++i) tasks.push_back(pool.Post([&](qtback::ShapedTexts&) { gate.Pass(); }));
        // Each task waits at the gate until all four reached it.
        const bool sideBySide = gate.WaitFor(4, std::chrono::seconds(20));
        gate.Open();
        for (const auto& task : tasks) pool.Await(task);
        ASSERT_TRUE(sideBySide) << "round " << round;
    }
}

}  // namespace
