// The main window in real widgets, as a person meets it with the example
// files: the depth slider under the hand and the look of disabled choices.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <deque>
#include <string>

#include "forms/application.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt_test_app.h"

namespace {

// Real windows whose file dialogs and message boxes a test answers.
class AnsweredServices : public qtback::QtServices {
public:
    std::deque<std::string> files;
    std::vector<std::string> messages;
    std::optional<std::string> FileDialog(const forms::FileRequest&) override {
        if (files.empty()) return std::nullopt;
        std::string path = files.front();
        files.pop_front();
        return path;
    }
    int MessageBox(const forms::MessageRequest& request) override {
        messages.push_back(request.text);
        return forms::vbOK;
    }
};

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

}  // namespace
