// What a window shows of its picture boxes when only their marks move: Qt is
// asked to paint again just where the marks were and are, and that is every
// pixel that changed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QImage>
#include <QPaintEvent>
#include <QPixmap>
#include <QWidget>
#include <memory>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/surface_widget.h"
#include "painted_region.h"
#include "qt_form.h"

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

TEST(SurfaceWidget, AMovedMarkRepaintsOnlyTheStripsThatChanged) {
    qttest::QtForm<FrmMarks> program("frmMarks");
    auto& services = program.services;
    auto& form = program.form;
    services.UserEvent([&] { form().Show(); });
    qtback::FormWindow& window = services.WindowOf(form());
    QCoreApplication::processEvents();
    QImage before = window.grab().toImage();
    for (double y : {10.0, 12.5, 80.0, 80.0, 3.0}) {
        qttest::PaintedRegion painted(window);
        services.UserEvent([&] { form().Mark(y); });
        QCoreApplication::processEvents();
        painted.Stop();
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

// A box with a sunken border paints every pixel of its widget: the border's
// two rings from the outermost pixels in, and within them the whole drawing.
TEST(SurfaceWidget, ABorderedBoxPaintsItsWholeAreaAndShowsItsWholeDrawing) {
    qttest::QtForm<FrmMarks> program("frmMarks");
    auto& services = program.services;
    auto& form = program.form;
    services.UserEvent([&] { form().Show(); });
    QCoreApplication::processEvents();
    auto* widget = static_cast<qtback::SurfaceWidget*>(services.WindowOf(form()).WidgetOf(form().Boxed));
    ASSERT_EQ(widget->Border(), 2);
    const QImage& image = widget->Image();
    ASSERT_EQ(image.size(), widget->size() - QSize(4, 4));
    // Painted over a colour neither the border nor the drawing has.
    QPixmap canvas(widget->size());
    canvas.fill(Qt::magenta);
    widget->render(&canvas, QPoint(), QRegion(), QWidget::RenderFlags());
    const QImage shown = canvas.toImage();
    int unpainted = 0, unlike = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) unpainted += shown.pixel(x, y) == qRgb(255, 0, 255);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) unlike += shown.pixel(x + 2, y + 2) != image.pixel(x, y);
    EXPECT_EQ(unpainted, 0);
    EXPECT_EQ(unlike, 0);
    const int right = shown.width() - 1, bottom = shown.height() - 1, middle = shown.height() / 2;
    EXPECT_EQ(shown.pixel(0, middle), qRgb(160, 160, 160));
    EXPECT_EQ(shown.pixel(1, middle), qRgb(105, 105, 105));
    EXPECT_EQ(shown.pixel(right - 1, middle), qRgb(227, 227, 227));
    EXPECT_EQ(shown.pixel(right, middle), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(middle / 4, bottom), qRgb(255, 255, 255));
}

}  // namespace

namespace {

// A window brought up to date on its own, outside the back end's sync (as for
// a picture of a window that is not shown), draws what changed there and then.
TEST(SurfaceWidget, AWindowSyncedOnItsOwnDrawsItsSurfacesAtOnce) {
    qttest::QtForm<FrmMarks> program("frmMarks");
    auto& services = program.services;
    auto& form = program.form;
    form().Draw().FilledBox(0, 0, 6000, 3000, RGB(0, 0, 255));
    qtback::FormWindow& window = services.WindowOf(form());
    window.Sync();
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(300, 140), qRgb(0, 0, 255));  // beside and below both boxes
}

}  // namespace

namespace {

// A picture box with an editable list box over its top left corner; the
// focus (and its blinking cursor) in a box beside.
class FrmListOverBox : public Form {
public:
    explicit FrmListOverBox(Application& a) : Form(a, "frmListOverBox") {
        Move(0, 0, 6000, 4000);
        Beside.Move(3300, 120, 1500, 315);
        SetActiveControl(&Beside);
        Box.Move(120, 120, 3000, 3000);
        List.SetContainer(&Box);
        List.Move(0, 0, 1500, 315);
        List.AddItem("Ca/Ti");
        List.SetText("Ca/Ti");
    }
    void Fill(Colour c) {
        Box.Draw().Cls();
        Box.Draw().FilledBox(0, 0, 3000, 3000, c);
        Box.Draw().KeepDrawing();
    }
    TextBox& Beside = Add<TextBox>("Beside");
    PictureBox& Box = Add<PictureBox>("Box");
    ComboBox& List = Add<ComboBox>("List");
};

// The box paints again under the list box, which shows its changed edges;
// the list's line, which the list box covers whole, is not painted again.
TEST(SurfaceWidget, AListOverAChangedBoxShowsItsEdgesAnewAndKeepsItsLine) {
    qttest::QtForm<FrmListOverBox> program("frmListOverBox");
    auto& services = program.services;
    auto& form = program.form;
    services.UserEvent([&] {
        form().Show();
        form().Fill(RGB(255, 0, 0));
    });
    qtback::FormWindow& window = services.WindowOf(form());
    auto* list = qobject_cast<QComboBox*>(window.WidgetOf(form().List));
    ASSERT_TRUE(list && list->lineEdit());
    // The window settles (its first paints, the list's own).
    ASSERT_TRUE(qttest::PaintsSettle(window));
    const QImage before = window.grab().toImage();
    qttest::PaintedRegion painted(window);
    services.UserEvent([&] { form().Fill(RGB(0, 0, 255)); });
    QCoreApplication::processEvents();
    painted.Stop();
    const QImage after = window.grab().toImage();
    const QRect listArea(list->mapTo(&window, QPoint(0, 0)), list->size());
    int listEdges = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            listEdges += after.pixel(x, y) != before.pixel(x, y) && listArea.contains(x, y);
    EXPECT_EQ(painted.Unpainted(before, after), 0);
    EXPECT_GT(listEdges, 0) << "the box shows through the list box's corners";
    EXPECT_TRUE(painted.widgets.contains(list));
    EXPECT_FALSE(painted.widgets.contains(list->lineEdit()));
}

}  // namespace
