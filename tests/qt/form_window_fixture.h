#pragma once
// A form with one control of each kind on the Qt back end, and the person's
// input on its widgets, for the tests of the Qt windows against the model.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/precise_pointer.h"
#include "qt/qt_services.h"
#include "qt_form.h"
#include "values/runtime_error.h"

namespace formwindow {

using namespace forms;
using namespace values;

class FrmTest : public Form {
public:
    explicit FrmTest(Application& a) : Form(a, "frmTest") {
        Move(0, 0, 7200, 6000);
        Text1.Move(120, 120, 1500, 300);
        Combo1.Move(120, 600, 1500, 300);
        Combo1.AddItem("alpha");
        Combo1.AddItem("beta");
        Frame1.Move(120, 1080, 3000, 900);
        Add<OptionButton>(Option1, "Option1", 0, &Frame1).Move(120, 300, 1200, 300);
        Add<OptionButton>(Option1, "Option1", 1, &Frame1).Move(1500, 300, 1200, 300);
        Check1.Move(120, 2100, 1500, 300);
        Slider1.Move(1800, 120, 375, 1800);
        Slider1.SetMax(100);
        // 100 x 80 pixels inside a 2-pixel border; x 0..10 right, y 0..100 up.
        Picture1.Move(3300, 120, 1560, 1260);
        Picture1.Draw().SetScale(0, 100, 10, 0);
        Menu& file = AddMenu("mnuFile", "File");
        AddMenu("mnuOne", "One", &file).Click = [this] { log.push_back("menu one"); };
        AddMenu("mnuTwo", "Two", &file).SetEnabled(false);

        Text1.Change = [this] { log.push_back("change " + Text1.Text()); };
        Text1.KeyPress = [this](int& ascii) {
            log.push_back("keypress " + std::to_string(ascii));
            if (ascii == 'x') ascii = 0;  // the program refuses this key
        };
        Combo1.Click = [this] { log.push_back("combo click " + Combo1.Text()); };
        Combo1.Change = [this] { log.push_back("combo change " + Combo1.Text()); };
        for (auto& [i, o] : Option1) {
            int index = i;
            o->Click = [this, index] { log.push_back("option " + std::to_string(index)); };
        }
        Check1.Click = [this] { log.push_back("check " + std::to_string(Check1.Value())); };
        Slider1.Change = [this] { log.push_back("slider " + std::to_string(Slider1.Value())); };
        Picture1.MouseDown = [this](int button, int shift, double x, double y) {
            down.push_back({static_cast<double>(button), static_cast<double>(shift), x, y});
        };
        MouseMove = [this](int, int, double x, double y) {
            log.push_back("form move " + std::to_string(int(x)) + " " + std::to_string(int(y)));
        };
        Label1.Move(120, 3000, 1500, 255);
        Combo2.Move(120, 3360, 1500, 300);
        Combo2.Style = 2;
        Combo2.AddItem("gamma");
        Combo2.SetListIndex(0);
        Command1.Move(120, 2520, 1200, 375);
        Command1.SetCaption("Fail");
        Command1.Click = [] { throw RuntimeError(kErrDivisionByZero, "Division by zero"); };
        QueryUnload = [this](int& cancel, int) { cancel = keepOpen ? 1 : 0; };
        Resize = [this] { log.push_back("resize"); };
    }

    TextBox& Text1 = Add<TextBox>("Text1");
    ComboBox& Combo1 = Add<ComboBox>("Combo1");
    Frame& Frame1 = Add<Frame>("Frame1");
    ControlArray<OptionButton> Option1;
    CheckBox& Check1 = Add<CheckBox>("Check1");
    Slider& Slider1 = Add<Slider>("Slider1");
    PictureBox& Picture1 = Add<PictureBox>("Picture1");
    CommandButton& Command1 = Add<CommandButton>("Command1");
    Label& Label1 = Add<Label>("Label1");
    ComboBox& Combo2 = Add<ComboBox>("Combo2");

    std::vector<std::string> log;
    std::vector<std::vector<double>> down;
    bool keepOpen = false;
};

// A mouse event at a widget's pixel: a press or a move holds the button, a
// release lets it go. Aimed at a target, it carries units known finer than
// the pixels Qt routes it on, which the target takes where it was aimed.
inline void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers mods = {},
           const QWidget* target = nullptr, QPointF aimed = {}, QPointF units = {}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                  held, mods);
    if (!target) return (void)QCoreApplication::sendEvent(w, &e);
    qtback::PrecisePointerEvent precise(e, *target, aimed, units);
    QCoreApplication::sendEvent(w, &precise);
}

class FormWindowTest : public ::testing::Test, protected qttest::QtForm<FrmTest> {
protected:
    FormWindowTest() : QtForm("frmTest") {}

    void SetUp() override {
        services.UserEvent([this] { form().Show(); });
        form().log.clear();
    }

    template <class W>
    W* Widget(Control& c) {
        return dynamic_cast<W*>(services.WindowOf(form()).WidgetOf(c));
    }
    static void Key(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(w, &press);
    }
    static void InputMethod(QWidget* w, const QString& composing, const QString& commit) {
        QInputMethodEvent event(composing, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(w, &event);
    }
    // A click on the left end, where a radio button has its indicator.
    static void Click(QWidget* w) {
        QPoint at(5, w->height() / 2);
        Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }

    using Log = std::vector<std::string>;
};

}  // namespace formwindow
