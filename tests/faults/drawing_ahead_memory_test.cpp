// Memory that runs out while the next drawing is prepared, one allocation
// after the other, on the Qt back end: a level typed or a font size chosen in
// the main window, each allocation failing in turn that the painting thread
// makes while the program keeps a drawing or announces its labels, goes on
// with every box drawn the ordinary way; a picture box destroyed while memory
// runs out ends nothing.
#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <exception>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "faults/allocation_faults.h"
#include "forms/headless.h"
#include "main/quillory.h"
#include "qt/boxes_shown.h"
#include "qt/qt_services.h"
#include "qt/qt_test_app.h"
#include "qt/render_pool.h"
#include "qt/surface_widget.h"

namespace {

qtback::RenderPool::Options Threads(int n) {
    qtback::RenderPool::Options options;
    options.threads = std::max(n, 1);
    if (n == 0) options.start = [](QThread&) { return false; };  // the system refuses every thread
    return options;
}

// Real windows whose dialogs answer from queues and whose untrapped errors
// are noted. The allocations that the painting thread makes while the
// program keeps a drawing or announces texts are counted, and the one chosen
// among them fails.
class Services : public qtback::QtServices {
public:
    explicit Services(int threads) : QtServices(Threads(threads)) {}
    forms::HeadlessServices answers;
    std::vector<std::string> untrapped;
    long aheadAllocations = 0;
    long failAt = -1;

    int MessageBox(const forms::MessageRequest& request) override { return answers.MessageBox(request); }
    std::optional<std::string> FileDialog(const forms::FileRequest& request) override {
        return answers.FileDialog(request);
    }
    void DrawingKept(const forms::Surface& surface) override {
        Counted([&] { QtServices::DrawingKept(surface); });
    }
    void TextsAhead(const forms::Surface& surface, const std::vector<std::string>& texts, double fontSize,
                    bool bold) override {
        Counted([&] { QtServices::TextsAhead(surface, texts, fontSize, bold); });
    }

protected:
    void ReportUntrapped(const std::exception& error) override { untrapped.push_back(error.what()); }

private:
    template <class F>
    void Counted(F&& prepare) {
        faults::AllocationsHere();
        if (failAt >= 0) faults::FailAllocationHere(failAt);
        prepare();
        const long made = faults::AllocationsHere();
        faults::Disarm();
        aheadAllocations += made;
        failAt = failAt >= made ? failAt - made : -1;
    }
};

// The main window with the example model and event list, on drawing threads
// as many as the parameter says (none: the system refuses them).
class DrawingAheadMemory : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        services.Attach(app);
        services.UserEvent([this] { q.frmMain().Show(); });
        for (auto [button, file] : {std::pair{&q.frmMain().Command1, "QL22_correlation_20240209.csv"},
                                    std::pair{&q.frmMain().Command3, "QL22_event_layers_20240212.csv"}}) {
            services.answers.fileAnswers.push_back(QUILLORY_SOURCE_DIR "/examples/" + std::string(file));
            services.UserEvent([button] { button->UserClick(); });
        }
        ASSERT_TRUE(services.answers.messages.empty());
    }
    void Type(const std::string& level) {
        services.UserEvent([&] {
            q.frmMain().Text2.UserSelectAll();
            for (char c : level) q.frmMain().Text2.UserKeyChar(c);
        });
    }
    // Each allocation of what `act` prepares ahead fails in turn, after
    // `before` each time: the program goes on, says nothing, and every box
    // shows its drawing.
    void ExpectEachFailureGoesOn(const std::function<void()>& before, const std::function<void()>& act) {
        before();
        services.aheadAllocations = 0;
        act();
        const long count = services.aheadAllocations;
        ASSERT_GT(count, 0);
        for (long n : faults::Chosen(count, 80)) {
            before();
            services.failAt = n;
            act();
            ASSERT_EQ(services.untrapped, std::vector<std::string>()) << n;
            ASSERT_FALSE(app.Ended()) << n;
            ASSERT_TRUE(services.answers.messages.empty()) << n;
            qttest::ExpectBoxesShowTheirDrawing(services, q.frmMain(), "at " + std::to_string(n));
        }
    }

    struct QtStarted {
        QtStarted() { qttest::EnsureQtApplication(); }
    } started;
    Services services{GetParam()};
    forms::Application app{services};
    quillory::Quillory q{app};
};

TEST_P(DrawingAheadMemory, ALevelTypedGoesOnWithEveryBoxDrawn) {
    ExpectEachFailureGoesOn([&] { Type("250"); }, [&] { Type("612.5"); });
}

TEST_P(DrawingAheadMemory, AFontSizeChosenGoesOnWithEveryBoxDrawn) {
    auto choose = [&](int16_t size) { services.UserEvent([&] { q.frmMain().mnuSize(size).UserChoose(); }); };
    ExpectEachFailureGoesOn([&] { choose(7); }, [&] { choose(9); });
}

TEST_P(DrawingAheadMemory, APictureBoxDestroyedWithoutMemoryEndsNothing) {
    auto* box = new qtback::SurfaceWidget(nullptr, services);
    faults::AllocationsHere();
    delete box;
    const long count = faults::AllocationsHere();
    for (long n : faults::Chosen(count, 80)) {
        box = new qtback::SurfaceWidget(nullptr, services);
        faults::FailAllocationHere(n);
        delete box;
        faults::Disarm();
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, DrawingAheadMemory, ::testing::Values(0, 3));

// A thread for which memory runs out as it starts, before or after it runs,
// is one the system refused or one that serves: the task that started the
// threads is posted, and every lane's tasks are done.
TEST(DrawingThreadsWithoutMemory, EveryLaneIsServedWhenAThreadFindsNoMemoryToStart) {
    qttest::EnsureQtApplication();
    for (bool running : {false, true}) {
        qtback::RenderPool::Options options = Threads(3);
        int starts = 0;
        options.start = [&](QThread& thread) {
            if (++starts == 2 && !running) throw std::bad_alloc();
            const bool started = qtback::RenderPool::StartThread(thread);
            if (starts == 2) throw std::bad_alloc();
            return started;
        };
        qtback::RenderPool pool(options);
        std::atomic<int> ran = 0;
        for (int lane = 0; lane < 4; ++lane) pool.Await(pool.Post([&](qtback::ShapedTexts&) { ++ran; }, lane));
        EXPECT_EQ(ran, 4) << running;
        EXPECT_EQ(pool.Threads(), running ? 2 : 1) << running;
    }
}

}  // namespace
