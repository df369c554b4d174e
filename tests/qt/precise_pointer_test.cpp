// Pointer input known finer than the pixels Qt routes it on: only the
// receiver an event was aimed at takes its units, and only near that point.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <vector>

#include "forms/controls.h"
#include "qt/precise_pointer.h"
#include "qt_form.h"

namespace {

struct FrmAim : forms::Form {
    explicit FrmAim(forms::Application& a) : Form(a, "frmAim") {
        Move(0, 0, 6000, 4500);
        Box.Move(600, 600, 3000, 1500);
        Box.Draw().SetScale(0, 0, 100, 50);
        Box.MouseDown = [this](int, int, double x, double y) { box.emplace_back(x, y); };
        MouseDown = [this](int, int, double x, double y) { bare.emplace_back(x, y); };
    }
    forms::PictureBox& Box = Add<forms::PictureBox>("Box");
    std::vector<QPointF> box, bare;
};

// A press routed to w at a whole pixel, carrying units aimed at target's
// point aimed when there is a target.
void Press(QWidget& w, QPoint at, const QWidget* target = nullptr, QPointF aimed = {}, QPointF units = {}) {
    QMouseEvent routed(QEvent::MouseButtonPress, at, w.mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton, {});
    if (!target) return (void)QCoreApplication::sendEvent(&w, &routed);
    qtback::PrecisePointerEvent precise(routed, *target, aimed, units);
    QCoreApplication::sendEvent(&w, &precise);
}

TEST(PrecisePointer, OnlyTheReceiverAimedAtTakesTheCarriedUnitsWhereItWasAimed) {
    qttest::QtForm<FrmAim> qt("frmAim");
    qt.services.UserEvent([&] { qt.form().Show(); });
    FrmAim& f = qt.form();
    QWidget& box = *qt.Window().WidgetOf(f.Box);
    QWidget& bare = *qt.Window().Client();
    const QPoint at(41, 21);
    const QPointF units(20.3, 10.1);
    Press(box, at);
    const QPointF pixel = f.box.at(0);
    ASSERT_NE(pixel, units);
    Press(box, at, &box, QPointF(40.6, 21.4), units);  // the nearest pixel
    EXPECT_EQ(f.box.back(), units);
    Press(box, at, &box, QPointF(40.2, 21), units);  // further than rounding
    EXPECT_EQ(f.box.back(), pixel);
    Press(box, at, &bare, QPointF(at), units);  // aimed at the bare window
    EXPECT_EQ(f.box.back(), pixel);
    Press(bare, QPoint(5, 6), &bare, QPointF(5.25, 5.75), QPointF(78.75, 86.25));
    ASSERT_EQ(f.bare.size(), 1u);
    EXPECT_EQ(f.bare.back(), QPointF(78.75, 86.25));
}

}  // namespace
