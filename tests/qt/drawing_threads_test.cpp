// Picture boxes drawn on the drawing threads as soon as the program keeps
// their drawing: what each box shows after an event is what one thread
// draws of its final drawing, pixel for pixel, with threads, with one, and
// with none the system would start; a box kept twice in one event shows its
// last drawing; a drawing that fails leaves its box as it was, is reported
// as run-time error 7, and the program goes on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <deque>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"
#include "qt/shaped_texts.h"
#include "qt/snapshot_renderer.h"
#include "qt/surface_widget.h"
#include "answered_services.h"
#include "gate.h"
#include "painted_region.h"
#include "qt_test_app.h"

using namespace forms;

namespace {

using qttest::AnsweredServices;

const std::string kExamples = QUILLORY_SOURCE_DIR "/examples/";

qtback::RenderPool::Options Threads(int n) {
    qtback::RenderPool::Options options;
    options.threads = std::max(n, 1);
    // None: the system refuses every thread.
    if (n == 0) options.start = [](QThread&) { return false; };
    return options;
}

// Every shown picture box of the window, and the window's own surface, shows
// what one thread draws of what it holds now.
void ExpectBoxesShowTheirDrawing(qtback::QtServices& services, Form& form, const std::string& when) {
    qtback::FormWindow& window = services.WindowOf(form);
    auto expect = [&](const Surface& surface, QWidget* widget, const std::string& name) {
        auto* shown = dynamic_cast<qtback::SurfaceWidget*>(widget);
        ASSERT_NE(shown, nullptr) << name;
        const QImage alone = qtback::RenderSnapshot(surface.TakeSnapshot(), shown->devicePixelRatioF());
        EXPECT_TRUE(shown->Image() == alone) << form.Name() << "." << name << " " << when;
    };
    expect(form.Draw(), window.Client(), "(form)");
    for (const auto& control : form.Controls())
        if (auto* box = dynamic_cast<PictureBox*>(control.get()); box && box->EffectivelyVisible())
            expect(box->Draw(), window.WidgetOf(*box), box->QualifiedName());
}

class BothWindowsOnThreads : public ::testing::TestWithParam<int> {
protected:
    AnsweredServices services{Threads(GetParam())};
    Application app{services};
    quillory::Quillory q{app};

    void SetUp() override {
        services.Attach(app);
        services.UserEvent([this] { q.frmMain().Show(); });
    }
    void Open(CommandButton& button, const std::string& path) {
        services.files.push_back(path);
        services.UserEvent([&button] { button.UserClick(); });
    }
    void Type(TextBox& box, const std::string& level) {
        services.UserEvent([&] {
            box.UserSelectAll();
            for (char c : level) box.UserKeyChar(c);
        });
    }
    // Both windows with their example models and a panel each, shown side by side.
    void LoadBothWindows() {
        quillory::FrmMain& f = q.frmMain();
        Open(f.Command1, kExamples + "QL22_correlation_20240209.csv");
        Open(f.Command3, kExamples + "QL22_event_layers_20240212.csv");
        Open(f.Command4, kExamples + "QL22_age_model_20240215.csv");
        Open(f.Command6(0), kExamples + "QL22_XRF_scan_for_QY.csv");
        services.UserEvent([&] { f.mnuQYDuo->UserChoose(); });
        services.answers.push_back(vbYes);
        services.files.push_back(kExamples + "QL23_duo_correlation_20240301.csv");
        services.files.push_back(kExamples + "QL23_duo_event_layers_20240305.csv");
        quillory::Frm2Main& duo = q.frm2Main();
        services.UserEvent([&] { duo.Command1.UserClick(); });
        Open(duo.Command6(0), QUILLORY_SOURCE_DIR "/scenarios/data/QL23_susceptibility_E.csv");
        ASSERT_TRUE(duo.Visible());
        ASSERT_TRUE(f.state.gProxyLoaded[0] && duo.state.gProxyLoaded[0]);
        services.messages.clear();
    }
    void ExpectEveryBoxShowsItsDrawing(const std::string& when) {
        for (Form* form : {static_cast<Form*>(&q.frmMain()), static_cast<Form*>(&q.frm2Main())})
            if (form->Visible()) ExpectBoxesShowTheirDrawing(services, *form, when);
    }
};

TEST_P(BothWindowsOnThreads, EveryBoxShowsWhatOneThreadDrawsOfItsLastDrawing) {
    LoadBothWindows();
    quillory::FrmMain& f = q.frmMain();
    quillory::Frm2Main& duo = q.frm2Main();
    ExpectEveryBoxShowsItsDrawing("after loading");
    for (const char* level : {"250", "612.5", "1800", "95"}) {
        Type(f.Text2, level);
        ExpectEveryBoxShowsItsDrawing(std::string("main at ") + level);
    }
    for (const char* level : {"300", "120"}) {
        Type(duo.Text2, level);
        ExpectEveryBoxShowsItsDrawing(std::string("Duo at ") + level);
    }
    // A pointer move over a panel only moves the marks.
    const Surface& panel = f.Picture1(0).Draw();
    services.UserEvent([&] {
        f.Picture1(0).UserMouseMove(0, 0, panel.ScaleLeft() + panel.ScaleWidth() / 2, panel.ScaleTop() + 30);
    });
    ExpectEveryBoxShowsItsDrawing("after a pointer move");
    EXPECT_TRUE(services.messages.empty()) << services.messages[0];
    EXPECT_FALSE(app.Ended());
}

// A key paints, in each window, every pixel that it changes (a picture box
// only where its drawing changed).
TEST_P(BothWindowsOnThreads, AKeyPaintsEveryPixelItChanges) {
    LoadBothWindows();
    quillory::FrmMain& f = q.frmMain();
    std::vector<QWidget*> windows = {&services.WindowOf(f), &services.WindowOf(q.frm2Main())};
    // The keys go to the model directly: the offscreen windows, one over the
    // other, would hand the activation back and forth.
    services.SetWidgetInput(false);
    QCoreApplication::processEvents();
    for (const char* level : {"250", "612.5", "1800"}) {
        std::vector<QImage> before;
        for (QWidget* window : windows) before.push_back(window->grab().toImage());
        std::vector<std::unique_ptr<qttest::PaintedRegion>> painted;
        for (QWidget* window : windows) painted.push_back(std::make_unique<qttest::PaintedRegion>(*window));
        f.Text2.UserSelectAll();
        for (const char* c = level; *c; ++c) f.Text2.UserKeyChar(*c);
        services.Sync();
        QCoreApplication::processEvents();
        for (auto& p : painted) p->Stop();
        for (size_t w = 0; w < windows.size(); ++w) {
            const QImage after = windows[w]->grab().toImage();
            ASSERT_EQ(after.size(), before[w].size());
            EXPECT_EQ(painted[w]->Unpainted(before[w], after), 0) << level << " window " << w;
        }
    }
}

// Threads as many as the machine gives, one, and none at all.
INSTANTIATE_TEST_SUITE_P(Threads, BothWindowsOnThreads, ::testing::Values(7, 1, 0));

// A window with one picture box of about 200 x 200 pixels.
class FrmBox : public Form {
public:
    explicit FrmBox(Application& a) : Form(a, "frmBox") {
        Move(0, 0, 6000, 4000);
        Box.Move(120, 120, 3000, 3000);
        Box.Draw().SetScale(0, 0, 100, 100);
    }
    // A drawing of its own for each n, kept; with text or without.
    void Drawing(int n, bool text) {
        Surface& d = Box.Draw();
        d.Cls();
        for (int x = 0; x <= 100; x += 5) d.Line(x, 0, (x * n) % 100, 100, RGB(40 * n % 256, 0, 200));
        d.Circle(50, 50, 5 + n, RGB(0, 120, 0));
        if (text) {
            d.CurrentX = 10;
            d.CurrentY = 10 + n;
            d.Print("drawing " + std::to_string(n));
        }
        d.KeepDrawing();
    }
    PictureBox& Box = Add<PictureBox>("Box");
};

// Three drawing threads, each task of which can be held at a gate or made
// to fail as memory that ran out.
class OneBox : public ::testing::Test {
protected:
    void SetUp() override {
        services.Attach(app);
        services.UserEvent([this] { form().Show(); });
    }
    const QImage& Shown() {
        return static_cast<qtback::SurfaceWidget*>(services.WindowOf(form()).WidgetOf(form().Box))->Image();
    }
    QImage Alone() { return qtback::RenderSnapshot(form().Box.Draw().TakeSnapshot()); }
    void KeptTwiceInOneEvent(bool text) {
        services.UserEvent([&] {
            // The first drawing is on a thread when the second is kept.
            hold = true;
            form().Drawing(1, text);
            gate.WaitFor(1);
            form().Drawing(2, text);
            gate.Open();
        });
        EXPECT_TRUE(Shown() == Alone());
        services.UserEvent([&] { form().Drawing(1, text); });
        EXPECT_TRUE(Shown() == Alone());
    }

    qttest::Gate gate;
    std::atomic<bool> hold = false, fail = false;
    AnsweredServices services{[this] {
        qtback::RenderPool::Options o = Threads(3);
        o.beforeTask = [this] {
            if (hold.exchange(false)) gate.Pass();
            if (fail.exchange(false)) throw std::bad_alloc();
        };
        return o;
    }()};
    Application app{services};
    FormSlot<FrmBox> form{app, "frmBox", [this] { return std::make_unique<FrmBox>(app); }};
};

TEST_F(OneBox, ABoxKeptTwiceInOneEventShowsItsLastDrawing) { KeptTwiceInOneEvent(false); }
TEST_F(OneBox, ABoxWithTextKeptTwiceInOneEventShowsItsLastDrawing) { KeptTwiceInOneEvent(true); }

TEST_F(OneBox, ADrawingThatRunsOutOfMemoryLeavesTheBoxAsItWasAndIsReported) {
    services.UserEvent([&] { form().Drawing(1, true); });
    const QImage before = Shown();
    ASSERT_TRUE(before == Alone());
    fail = true;
    services.UserEvent([&] { form().Drawing(2, true); });
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], "Run-time error '7':\n\nOut of memory");
    EXPECT_TRUE(Shown() == before);
    EXPECT_FALSE(app.Ended());
    EXPECT_TRUE(services.WindowOf(form()).isVisible());
    // Memory back, the next drawing is shown.
    services.UserEvent([&] { form().Drawing(3, true); });
    EXPECT_TRUE(Shown() == Alone());
    EXPECT_EQ(services.messages.size(), 1u);
}

// Labels shaped ahead on a drawing thread, and drawn there, land where
// drawText puts them.
TEST(TextsShapedAhead, LandWhereDrawTextPutsThem) {
    qttest::EnsureQtApplication();
    qtback::RenderPool pool(Threads(2));
    const std::vector<std::string> labels = {"M001 (6.1 cm)", "A-05-top (0.0 cm)", "Wavy fi (12.5 cm)"};
    const int owner = 0;
    for (double size : {7.0, 8.25})
        pool.Await(pool.Post([&](qtback::ShapedTexts& t) { t.ShapeAhead(&owner, 1, labels, size, false); }, 1, true));
    for (double size : {7.0, 8.25}) {
        QImage expected(QSize(200, 60), QImage::Format_RGB32), drawn = expected;
        expected.fill(Qt::white);
        drawn.fill(Qt::white);
        QPainter painter(&expected);
        painter.setFont(qtback::FontFor(size, false));
        for (size_t i = 0; i < labels.size(); ++i)
            painter.drawText(QPointF(3, 15 + 15 * i), QString::fromStdString(labels[i]));
        painter.end();
        pool.Await(pool.Post(
            [&](qtback::ShapedTexts& t) {
                QPainter p(&drawn);
                p.setFont(qtback::FontFor(size, false));
                for (size_t i = 0; i < labels.size(); ++i) t.Draw(p, QPointF(3, 15 + 15 * i), labels[i], size, false);
            },
            1));
        EXPECT_TRUE(drawn == expected) << size;
    }
}

}  // namespace
