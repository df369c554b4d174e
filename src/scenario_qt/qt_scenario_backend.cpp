#include "scenario_qt/qt_scenario_backend.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt/qt_units.h"
#include "scenario_qt/scripted_input.h"
#include "scenario_qt/scripted_window_system.h"
#include "scenario_qt/window_system_wait.h"
#include "values/runtime_error.h"

namespace scenario_qt {

using qtback::FormWindow;
using qtback::Pixels;
using qtback::QtServices;
using qtback::ToQString;

namespace {

// Real windows; the script answers what would ask a person, and the script's
// own records (messages, clipboard, pointer) stay complete. Text is measured
// with the headless metrics so that a script gives the same results on both
// back ends, whatever fonts the machine has.
class ScriptedQtServices : public QtServices {
public:
    forms::HeadlessServices answers;

    int MessageBox(const forms::MessageRequest& request) override {
        AnswerInAWindow();
        return answers.MessageBox(request);
    }
    std::optional<std::string> FileDialog(const forms::FileRequest& request) override {
        AnswerInAWindow();
        return answers.FileDialog(request);
    }
    // Under a window manager the answer closes a window, as a person's does:
    // what the manager does with the focus then is part of the road.
    void AnswerInAWindow() {
        if (UnderWindowManager()) Modal([this] { ShowAnsweredDialog(ActiveWindow()); });
    }
    // A real pop-up menu opens; the script's answer reaches it as a click
    // on the item (or Escape) once its event loop runs.
    forms::Menu* ChoosePopupItem(forms::Form& form, forms::Menu& menu) override {
        const forms::Menu* answer = answers.TakePopupAnswer(form, menu);
        QTimer::singleShot(0, [answer] { AnswerOpenPopup(answer); });
        forms::Menu* chosen = QtServices::ChoosePopupItem(form, menu);
        // The press that opened it is let go once the press is over.
        QTimer::singleShot(0, [] { LetGo(); });
        return chosen;
    }
    void ClipboardClear() override {
        QtServices::ClipboardClear();
        answers.ClipboardClear();
    }
    void ClipboardSetPicture(const forms::Snapshot& picture) override {
        QtServices::ClipboardSetPicture(picture);
        answers.ClipboardSetPicture(picture);
    }
    // The script's record drops its picture as the clipboard does; the text
    // a script reads is the window system's own.
    void ClipboardSetText(const std::string& text) override {
        QtServices::ClipboardSetText(text);
        answers.ClipboardSetText(text);
    }
    void MousePointerChanged(int code) override {
        QtServices::MousePointerChanged(code);
        answers.MousePointerChanged(code);
    }
    void Quit() override { answers.Quit(); }
    // No box a script cannot answer: the runner reports the error and stops.
    void ReportUntrapped(const std::exception& error) override { answers.untrapped = scenario::Describe(error); }
    double TextWidthTwips(const std::string& text, double fontSize, bool bold) const override {
        return answers.TextWidthTwips(text, fontSize, bold);
    }
    double TextHeightTwips(double fontSize, bool bold) const override { return answers.TextHeightTwips(fontSize, bold); }
};

class QtScenarioBackend : public scenario::ScriptedBackend {
public:
    forms::Services& Platform() override { return services_; }
    forms::HeadlessServices& Answers() override { return services_.answers; }
    scenario::ScriptInput& Input() override { return input_; }
    void Attach(forms::Application& application) override { services_.Attach(application); }

    std::string Settle() override {
        services_.Sync();
        QCoreApplication::processEvents();
        // The next action waits for no activation as such (one the window
        // system declines never comes), but for the focus to stop moving: a
        // focus event still on its way would reach a window midway through
        // the next action, as it never does a person's.
        std::string late = SettleFocus();
        // A window made active (a script's click or activation) right after
        // the program asked for another is the program's only once the asked
        // window has come; the next line reads what it made of it.
        if (late.empty() && !WaitForWindowSystem([this] { return !services_.Activation().Holding(); }))
            late = "the program did not follow the window system's active window";
        // Windows of unloaded forms go now; no event loop runs to do it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return late;
    }

    void Wait(int ms) override { QTest::qWait(ms); }
    long ActivationChanges() const override { return activations_.Changes(); }

    bool Png(forms::Form& form, forms::Control* control, const std::string& path, std::string& why) override {
        Settle();
        FormWindow& window = services_.WindowOf(form);
        window.Sync();
        QWidget* target = control ? window.WidgetOf(*control) : &window;
        if (!target) {
            why = control->QualifiedName() + " has no widget";
            return false;
        }
        if (!target->grab().save(ToQString(path), "PNG")) {
            why = "cannot write " + path;
            return false;
        }
        return true;
    }

    // On X the server knows the stacking: its root window lists its children
    // (the windows, or their window manager's frames) from the bottom up.
    std::vector<forms::Form*> FrontToBack(std::vector<forms::Form*> shown) override {
        xcb_connection_t* connection = XConnection();
        if (!connection) return scenario::ScriptedBackend::FrontToBack(std::move(shown));
        Settle();
        xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
        std::vector<forms::Form*> order;
        if (!tree) return order;
        xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = xcb_query_tree_children_length(tree) - 1; i >= 0; --i)
            for (forms::Form* form : shown)
                if (OnRoot(connection, services_.WindowOf(*form).winId()) == children[i]) order.push_back(form);
        std::free(tree);
        return order;
    }

    bool PngScreen(const std::vector<forms::Form*>& windows, const std::string& path, std::string& why) override {
        Settle();
        // The smallest rectangle of the screen that holds every window.
        QRect area;
        std::vector<std::pair<QPoint, QPixmap>> shots;
        for (forms::Form* form : windows) {
            FormWindow& window = services_.WindowOf(*form);
            window.Sync();
            const QPoint at(Pixels(form->Left()), Pixels(form->Top()));
            QPixmap shot = window.grab();
            area = area.united(QRect(at, shot.size()));
            shots.emplace_back(at, std::move(shot));
        }
        if (shots.empty()) {
            why = "no window is shown";
            return false;
        }
        QImage screen(area.size(), QImage::Format_RGB32);
        screen.fill(Qt::darkGray);
        QPainter painter(&screen);
        for (const auto& [at, shot] : shots) painter.drawPixmap(at - area.topLeft(), shot);
        painter.end();
        if (!screen.save(ToQString(path), "PNG")) {
            why = "cannot write " + path;
            return false;
        }
        return true;
    }

private:
    ScriptedQtServices services_;
    ScriptedQtInput input_{services_};
    ActivationCounter activations_;
};

}  // namespace

std::function<std::unique_ptr<scenario::ScriptedBackend>()> ScenarioBackendFactory(int& argc, char** argv) {
    std::shared_ptr<QApplication> application;
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_shared<QApplication>(argc, argv);
        // Menus and lists open at once, with no animation to wait for.
        QApplication::setEffectEnabled(Qt::UI_General, false);
    }
    // On a real X server the server's own pointer would hover over the
    // windows and pop-ups the script works in, and its crossings would mix
    // with the script's input: it waits in the screen's far corner.
    if (QGuiApplication::platformName() == "xcb")
        if (QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen, screen->geometry().bottomRight());
    return [application] { return std::unique_ptr<scenario::ScriptedBackend>(std::make_unique<QtScenarioBackend>()); };
}

}  // namespace scenario_qt
