// The main window in real widgets, as a person meets it with the example
// files: the depth slider under the hand, the look of disabled choices and
// the Tab key in the conversion window it opens.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <deque>
#include <string>

#include "forms/application.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "answered_services.h"
#include "qt_test_app.h"
#include "tools/frm_conversion.h"

namespace {

using qttest::AnsweredServices;

class MainWindowWidgetsTest : public ::testing::Test {
protected:
    MainWindowWidgetsTest() { qttest::EnsureQtApplication(); }
    void SetUp() override {
        services.Attach(app);
        services.UserEvent([this] { q.frmMain().Show(); });
    }
    void ImportCorrelationModel() {
        services.files.push_back(QUILLORY_SOURCE_DIR "/examples/QL22_correlation_20240209.csv");
        services.UserEvent([this] { q.frmMain().Command1.UserClick(); });
        ASSERT_TRUE(services.messages.empty()) << services.messages[0];
    }
    QWidget* WidgetOf(forms::Control& c) { return services.WindowOf(q.frmMain()).WidgetOf(c); }

    AnsweredServices services;
    forms::Application app{services};
    quillory::Quillory q{app};
};

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

QPoint ThumbCentre(const QSlider* slider) {
    struct Open : QSlider {
        static void Options(const QSlider* s, QStyleOptionSlider* o) { (s->*(&Open::initStyleOption))(o); }
    };
    QStyleOptionSlider options;
    Open::Options(slider, &options);
    return slider->style()->subControlRect(QStyle::CC_Slider, &options, QStyle::SC_SliderHandle, slider).center();
}

// Every pointer move over the slider runs its MouseMove handler and the
// level road redraws and writes the slider's value: the thumb must still end
// where it was let go, and the level follow it.
TEST_F(MainWindowWidgetsTest, TheDepthSliderDraggedDownMovesTheLevelToWhereItWasLetGo) {
    ImportCorrelationModel();
    quillory::FrmMain& main = q.frmMain();
    auto* slider = dynamic_cast<QSlider*>(WidgetOf(main.Slider1));
    ASSERT_NE(slider, nullptr);
    ASSERT_EQ(main.Slider1.Value(), 240);
    QPoint at = ThumbCentre(slider);
    Send(slider, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 5; ++step)
        Send(slider, QEvent::MouseMove, at + QPoint(0, 40 * step), Qt::NoButton, Qt::LeftButton);
    int held = slider->sliderPosition();
    Send(slider, QEvent::MouseButtonRelease, at + QPoint(0, 200), Qt::LeftButton, Qt::NoButton);
    EXPECT_GT(held, 240);
    EXPECT_EQ(main.Slider1.Value(), held);
    EXPECT_EQ(slider->value(), held);
    EXPECT_EQ(main.Text2.Text(), std::to_string(held));
}

// With a correlation model loaded "Composite depth" is the one scale to
// draw in; "Event free depth (EFD)" and "Age", disabled since start-up, have
// grey captions, not black ones like it.
TEST_F(MainWindowWidgetsTest, TheDisabledScaleOptionsHaveGreyCaptions) {
    ImportCorrelationModel();
    quillory::FrmMain& main = q.frmMain();
    auto darkest = [this](forms::Control& c) {
        QImage image = WidgetOf(c)->grab().toImage();
        int least = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) least = std::min(least, qGray(image.pixel(x, y)));
        return least;
    };
    ASSERT_TRUE(main.Option2(1).Enabled());
    ASSERT_FALSE(main.Option2(2).Enabled());
    EXPECT_LT(darkest(main.Option2(1)), 40);
    EXPECT_GT(darkest(main.Option2(2)), 80);
    EXPECT_GT(darkest(main.Option2(3)), 80);
}

// A panel's column box that its import fills shows the start of the column's
// name, where the program left the caret, not the end Qt's list put it at.
TEST_F(MainWindowWidgetsTest, APanelsColumnBoxShowsTheStartOfItsName) {
    ImportCorrelationModel();
    services.files.push_back(QUILLORY_SOURCE_DIR "/examples/QL22_XRF_scan_for_QY.csv");
    services.UserEvent([this] { q.frmMain().Command6(0).UserClick(); });
    auto* combo = dynamic_cast<QComboBox*>(WidgetOf(q.frmMain().Combo3(0)));
    ASSERT_TRUE(combo && !combo->currentText().isEmpty());
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
}

// Tab and Shift+Tab go round the conversion window by its tab indexes:
// Convert, the "to" boxes that can be ticked, the chosen "from" option.
TEST_F(MainWindowWidgetsTest, TabGoesRoundTheConversionWindowByItsTabIndexes) {
    ImportCorrelationModel();
    quillory::FrmMain& main = q.frmMain();
    for (auto [button, file] : {std::pair{&main.Command3, "event_layers_20240212"}, {&main.Command4, "age_model_20240215"},
                                {&main.Command2, "samples_composite_depth"}}) {
        services.files.push_back(QUILLORY_SOURCE_DIR "/examples/QL22_" + std::string(file) + ".csv");
        services.UserEvent([button] { button->UserClick(); });
    }
    quillory::FrmConversion& conversion = q.frmConversion();
    qtback::FormWindow& window = services.WindowOf(conversion);
    services.UserEvent([&] { conversion.Command1.SetFocus(); });
    auto round = [&](Qt::KeyboardModifiers shift) {
        std::string way;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(window.windowHandle(), Qt::Key_Tab, shift);
            const forms::Control& at = *conversion.ActiveControl();
            way += (window.focusWidget() == window.WidgetOf(at) ? " " : " !") + at.QualifiedName();
        }
        return way;
    };
    EXPECT_EQ(round(Qt::NoModifier), " Check1(4) Check1(8) Option1(2) Command1");
    EXPECT_EQ(round(Qt::ShiftModifier), " Option1(2) Check1(8) Check1(4) Command1");
}

}  // namespace
