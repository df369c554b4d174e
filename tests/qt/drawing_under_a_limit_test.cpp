// A drawing for which the process's address space has no room left: the
// picture box goes on showing what it showed, the failure comes back from
// the drawing thread as run-time error 7, and once there is room again the
// box shows its drawing. The limit binds the whole process, so the test
// runs only in a process of its own, under ctest's limits.drawing-* (a
// sanitizer's shadow memory needs more address space than any such limit).
// That process starts under a limit, as a program run under ulimit -v does:
// its set-up then keeps every thread on one malloc arena from the first
// thread on. A thread's arena of its own, made before, holds 64 MB of
// address space in reserve, where a drawing finds room after all.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/snapshot_renderer.h"
#include "qt/surface_widget.h"
#include "qt_form.h"

using namespace forms;

namespace {

class RecordingServices : public qtback::QtServices {
public:
    std::vector<std::string> messages;
    int MessageBox(const MessageRequest& request) override {
        messages.push_back(request.text);
        return vbOK;
    }
};

// 2,000 x 2,000 pixels: 16 MB an image.
class FrmLarge : public Form {
public:
    explicit FrmLarge(Application& a) : Form(a, "frmLarge") {
        Move(0, 0, 30600, 30600);
        Box.Move(0, 0, 30060, 30060);
        Box.Draw().SetScale(0, 0, 100, 100);
    }
    void Drawing(int n) {
        Surface& d = Box.Draw();
        d.Cls();
        for (int x = 0; x <= 100; x += 4) d.Line(x, 0, (x * n) % 100, 100, RGB(0, 40 * n % 256, 200));
        d.CurrentX = 5;
        d.CurrentY = 5;
        d.Print("drawing " + std::to_string(n));
        d.KeepDrawing();
    }
    PictureBox& Box = Add<PictureBox>("Box");
};

// The address space the process holds now, in bytes.
rlim_t AddressSpace() {
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

void LimitAddressSpace(rlim_t bytes) {
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &limit), 0);
    limit.rlim_cur = bytes;
    ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
}

TEST(DrawingUnderALimit, ABoxWithoutRoomForItsImageStaysAsItWasAndTheProgramGoesOn) {
    if (!std::getenv("QUILLORY_UNDER_A_LIMIT")) GTEST_SKIP() << "runs alone under ctest's limits.drawing-out-of-memory";
    rlimit started{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &started), 0);
    ASSERT_NE(started.rlim_cur, RLIM_INFINITY) << "the process must start under a limit of address space";
    qttest::QtForm<FrmLarge, RecordingServices> program("frmLarge");
    auto& services = program.services;
    auto& form = program.form;
    services.UserEvent([&] {
        form().Show();
        form().Drawing(1);
    });
    auto* widget = static_cast<qtback::SurfaceWidget*>(services.WindowOf(form()).WidgetOf(form().Box));
    const QImage before = widget->Image().copy();
    ASSERT_EQ(before.size(), QSize(2000, 2000));

    // Room for the drawing's primitives, not for another image of the box.
    LimitAddressSpace(AddressSpace() + (8u << 20));
    services.UserEvent([&] { form().Drawing(2); });
    LimitAddressSpace(AddressSpace() + (1ull << 30));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], "Run-time error '7':\n\nOut of memory");
    EXPECT_TRUE(widget->Image() == before);
    EXPECT_FALSE(program.app.Ended());

    services.UserEvent([&] { form().Drawing(3); });
    EXPECT_TRUE(widget->Image() == qtback::RenderSnapshot(form().Box.Draw().TakeSnapshot()));
    EXPECT_EQ(services.messages.size(), 1u);
}

}  // namespace
