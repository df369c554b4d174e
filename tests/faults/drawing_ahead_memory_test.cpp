// Memory that runs out while drawings are prepared ahead on the Qt back end,
// one allocation after the other: the program goes on and every box shows its
// drawing; a picture box destroyed meanwhile ends nothing.
#include <gtest/gtest.h>

#include <QThread>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "faults/allocation_faults.h"
#include "forms/headless.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/qt_test_app.h"
#include "qt/surface_widget.h"

namespace {

qtback::RenderPool::Options Threads(int n) {
    qtback::RenderPool::Options options;
    options.threads = std::max(n, 1);
    if (n == 0) options.start = [](QThread&) { return false; };  // the system refuses every thread
    return options;
}

// Dialogs answered from queues, untrapped errors noted; of the painting thread's
// allocations while drawings are kept or texts announced, the chosen one fails.
class Services : public qtback::QtServices {
public:
    explicit Services(int threads) : QtServices(Threads(threads)) {}
    forms::HeadlessServices answers;
    std::vector<std::string> untrapped;
    long aheadAllocations = 0;
    long failAt = -1;

    int MessageBox(const forms::MessageRequest& request) override { return answers.MessageBox(request); }
    std::optional<std::string> FileDialog(const forms::FileRequest& r) override { return answers.FileDialog(r); }
    void DrawingKept(const forms::Surface& surface) override { Counted([&] { QtServices::DrawingKept(surface); }); }
    void TextsAhead(const forms::Surface& surface, const std::vector<std::string>& texts, double fontSize,
                    bool bold) override {
        Counted([&] { QtServices::TextsAhead(surface, texts, fontSize, bold); });
    }
    void ReportUntrapped(const std::exception& error) override { untrapped.push_back(error.what()); }
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

// The main window with the example model and event list, on `param` threads.
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
    std::vector<QImage> Boxes() {
        std::vector<QImage> shown;
        for (auto* box : services.WindowOf(q.frmMain()).findChildren<qtback::SurfaceWidget*>())
            shown.push_back(box->Image());
        return shown;
    }
    // Each allocation of what `act` prepares ahead fails in turn, `before` it:
    // every box shows what it shows when none fails.
    void ExpectEachFailureGoesOn(const std::function<void()>& before, const std::function<void()>& act) {
        before();
        services.aheadAllocations = 0;
        act();
        const std::vector<QImage> drawn = Boxes();
        ASSERT_TRUE(services.aheadAllocations > 0 && drawn.size() > 1);
        for (long n : faults::Chosen(services.aheadAllocations, 80)) {
            before();
            services.failAt = n;
            act();
            ASSERT_TRUE(services.untrapped.empty() && !app.Ended() && services.answers.messages.empty()) << n;
            EXPECT_TRUE(Boxes() == drawn) << n;
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
        delete box;  // not the end of the program
        faults::Disarm();
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, DrawingAheadMemory, ::testing::Values(0, 3));

}  // namespace
