// What a window shows of its picture boxes when only their marks move: Qt is
// asked to paint again just where the marks were and are, and that is every
// pixel that changed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <QWidget>
#include <memory>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt_test_app.h"

using namespace forms;

namespace {

class FrmMarks : public Form {
public:
    explicit FrmMarks(Application& a) : Form(a, "frmMarks") {
        Move(0, 0, 6000, 3000);
        // 100 x 120 pixels each, the first inside a 2-pixel border; y 0..100 down.
        Boxed.Move(120, 120, 1560, 1860);
        Bare.Move(1800, 120, 1500, 1800);
        Bare.SetBorderStyle(0);
        for (PictureBox* box : {&Boxed, &Bare}) {
            box->Draw().SetScale(0, 0, 10, 100);
            for (int x = 0; x <= 10; ++x) box->Draw().Line(x, 0, 10 - x, 100, RGB(255, 0, 0));
            box->Draw().KeepDrawing();
        }
    }
    // The target line and its marker at a level, in both boxes.
    void Mark(double y) {
        for (PictureBox* box : {&Boxed, &Bare}) {
            box->Draw().Cls();
            box->Draw().Line(0, y, 10, y, RGB(0, 0, 255));
            box->Draw().Circle(5, y, 0.2, RGB(0, 0, 255));
        }
    }
    PictureBox& Boxed = Add<PictureBox>("Boxed");
    PictureBox& Bare = Add<PictureBox>("Bare");
};

// The regions paint events ask the window's widgets to paint, in the window's pixels.
struct PaintedRegion : QObject {
    explicit PaintedRegion(QWidget& window) : window_(window) {}
    QRegion region;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &window_)
            region += static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(&window_, QPoint(0, 0)));
        return false;
    }

private:
    QWidget& window_;
};

TEST(SurfaceWidget, AMovedMarkRepaintsOnlyTheStripsThatChanged) {
    qttest::EnsureQtApplication();
    qtback::QtServices services;
    Application app{services};
    services.Attach(app);
    FormSlot<FrmMarks> form{app, "frmMarks", [&] { return std::make_unique<FrmMarks>(app); }};
    services.UserEvent([&] { form().Show(); });
    qtback::FormWindow& window = services.WindowOf(form());
    QCoreApplication::processEvents();
    QImage before = window.grab().toImage();
    for (double y : {10.0, 12.5, 80.0, 80.0, 3.0}) {
        PaintedRegion painted(window);
        QCoreApplication::instance()->installEventFilter(&painted);
        services.UserEvent([&] { form().Mark(y); });
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(&painted);
        const QImage after = window.grab().toImage();
        int changed = 0;
        for (int py = 0; py < after.height(); ++py)
            for (int px = 0; px < after.width(); ++px)
                if (after.pixel(px, py) != before.pixel(px, py)) {
                    ++changed;
                    EXPECT_TRUE(painted.region.contains(QPoint(px, py))) << y << ": " << px << ", " << py;
                }
        EXPECT_EQ(changed == 0, y == 80.0 && painted.region.isEmpty()) << y;
        // Two strips of a box's 120 rows, never the whole box.
        for (PictureBox* box : {&form().Boxed, &form().Bare}) {
            const QRect area = window.WidgetOf(*box)->geometry();
            int pixels = 0;
            for (const QRect& r : painted.region & area) pixels += r.width() * r.height();
            EXPECT_LT(pixels, area.width() * area.height() / 3) << y;
        }
        before = after;
    }
}

}  // namespace

namespace {

// A window brought up to date on its own, outside the back end's sync (as for
// a picture of a window that is not shown), draws what changed there and then.
TEST(SurfaceWidget, AWindowSyncedOnItsOwnDrawsItsSurfacesAtOnce) {
    qttest::EnsureQtApplication();
    qtback::QtServices services;
    Application app{services};
    services.Attach(app);
    FormSlot<FrmMarks> form{app, "frmMarks", [&] { return std::make_unique<FrmMarks>(app); }};
    form().Draw().FilledBox(0, 0, 6000, 3000, RGB(0, 0, 255));
    qtback::FormWindow& window = services.WindowOf(form());
    window.Sync();
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(300, 140), qRgb(0, 0, 255));  // beside and below both boxes
}

}  // namespace
