// Every caption and text of every window, measured at its own font with the
// Qt back end's real font metrics, must fit the control it stands in: a label
// wraps at word boundaries into its height, a button, an option, a check box,
// a frame title, a text box and a list box keep theirs on one line beside
// their own decorations. The windows are opened along the roads a person
// takes, with the example files loaded, so that the captions the program
// writes (column titles, version labels, read-outs, error ranges, proxy
// names) are measured too.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/menu.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "answered_services.h"
#include "qt_test_app.h"

namespace {

using qttest::AnsweredServices;
using forms::Control;
using forms::ControlKind;
using forms::Form;

std::string Example(const std::string& name) { return QUILLORY_SOURCE_DIR "/examples/" + name; }
std::string ScenarioData(const std::string& name) { return QUILLORY_SOURCE_DIR "/scenarios/data/" + name; }

// The pixels a control's text needs beside the decorations its widget draws,
// and what it has.
struct Fit {
    std::string text;
    int needWidth = 0, haveWidth = 0, needHeight = 0, haveHeight = 0;
    bool Fits() const { return needWidth <= haveWidth && needHeight <= haveHeight; }
};

int FrameWidth(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w); }

// A label wraps its caption at word boundaries; a word longer than the width
// stands out of it.
std::optional<Fit> LabelFit(const QLabel* label) {
    if (label->text().isEmpty()) return std::nullopt;
    const int frame = label->frameWidth();
    QRect inner(0, 0, label->width() - 2 * frame, 1 << 20);
    QRect need = label->fontMetrics().boundingRect(inner, Qt::TextWordWrap | label->alignment(), label->text());
    return Fit{label->text().toStdString(), need.width(), inner.width(), need.height(), label->height() - 2 * frame};
}

std::optional<Fit> ButtonFit(const QAbstractButton* button, bool pushButton) {
    if (button->text().isEmpty()) return std::nullopt;
    const QFontMetrics fm = button->fontMetrics();
    int width = 0;
    if (pushButton) {
        // The button's own margin and frame, as the common style sizes a push button.
        width = fm.horizontalAdvance(button->text()) + button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                2 * FrameWidth(button);
    } else {
        // An option or a check box: the indicator, the gap and the caption.
        width = button->sizeHint().width();
    }
    return Fit{button->text().toStdString(), width, button->width(), fm.height(), button->height()};
}

std::optional<Fit> FrameFit(const QGroupBox* box) {
    if (box->title().isEmpty()) return std::nullopt;
    return Fit{box->title().toStdString(), box->minimumSizeHint().width(), box->width(), 0, 0};
}

// A text box shows its text inside its frame and the line edit's margin of 2
// pixels a side.
std::optional<Fit> TextFit(const QLineEdit* edit) {
    if (edit->text().isEmpty()) return std::nullopt;
    const QFontMetrics fm = edit->fontMetrics();
    const int decoration = 2 * FrameWidth(edit) + 4;
    return Fit{edit->text().toStdString(), fm.horizontalAdvance(edit->text()) + decoration, edit->width(),
               fm.height() + 2, edit->height()};
}

// A list box shows the chosen item in the field beside its arrow; any item
// may be chosen.
std::optional<Fit> ComboFit(const QComboBox* combo) {
    struct Open : QComboBox {
        static void Options(const QComboBox* c, QStyleOptionComboBox* o) { (c->*(&Open::initStyleOption))(o); }
    };
    QString widest = combo->currentText();
    const QFontMetrics fm = combo->fontMetrics();
    for (int i = 0; i < combo->count(); ++i)
        if (fm.horizontalAdvance(combo->itemText(i)) > fm.horizontalAdvance(widest)) widest = combo->itemText(i);
    if (widest.isEmpty()) return std::nullopt;
    QStyleOptionComboBox options;
    Open::Options(combo, &options);
    QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &options, QStyle::SC_ComboBoxEditField, combo);
    return Fit{widest.toStdString(), fm.horizontalAdvance(widest), field.width(), fm.height(), field.height()};
}

// Texts that come from the user's files and may be of any length, in
// controls whose width the window's design fixes.
struct Allowed {
    const char* windowPart;
    const char* control;
    const char* reason;
};
constexpr Allowed kAllowed[] = {
    {"Main", "Combo3", "a proxy panel lists its file's own column titles; the list is as wide as the panel, "
                       "and its drop-down shows each title whole"},
    {"Select", "Text1", "the vertical-axis question previews the file's first cells; the pointer over a cell "
                        "shows its whole text"},
    {"Select", "Text2", "as Text1"},
    {"Select", "Text3", "as Text1"},
};

bool IsAllowed(const Form& form, const Control& control) {
    for (const Allowed& a : kAllowed)
        if (form.Name().find(a.windowPart) != std::string::npos && control.Name() == a.control) return true;
    return false;
}

std::optional<Fit> FitOf(const Control& control, const QWidget* w) {
    switch (control.Kind()) {
        case ControlKind::Label: return LabelFit(qobject_cast<const QLabel*>(w));
        case ControlKind::CommandButton: return ButtonFit(qobject_cast<const QAbstractButton*>(w), true);
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: return ButtonFit(qobject_cast<const QAbstractButton*>(w), false);
        case ControlKind::Frame: return FrameFit(qobject_cast<const QGroupBox*>(w));
        case ControlKind::TextBox: return TextFit(qobject_cast<const QLineEdit*>(w));
        case ControlKind::ComboBox: return ComboFit(qobject_cast<const QComboBox*>(w));
        default: return std::nullopt;
    }
}

class CaptionFitTest : public ::testing::Test {
protected:
    CaptionFitTest() { qttest::EnsureQtApplication(); }

    // Every shown control of every shown window, as it stands now.
    void MeasureShownWindows(const std::string& when) {
        services.Sync();
        for (Form* form : app.LoadedForms()) {
            if (!form->Visible()) continue;
            measured.insert(form->Name());
            qtback::FormWindow& window = services.WindowOf(*form);
            for (const auto& control : form->Controls()) {
                if (!control->EffectivelyVisible() || IsAllowed(*form, *control)) continue;
                const QWidget* w = window.WidgetOf(*control);
                if (!w) continue;
                std::optional<Fit> fit = FitOf(*control, w);
                if (!fit || fit->Fits()) continue;
                std::string where = form->Name() + "." + control->QualifiedName();
                if (!cut.count(where))
                    cut[where] = "\"" + fit->text + "\" needs " + std::to_string(fit->needWidth) + " x " +
                                 std::to_string(fit->needHeight) + " px, has " + std::to_string(fit->haveWidth) +
                                 " x " + std::to_string(fit->haveHeight) + " (" + when + ")";
            }
        }
    }

    template <class T = Control>
    T& Find(Form& form, const std::string& name, int index = -1) {
        auto* c = dynamic_cast<T*>(form.FindControl(name, index));
        EXPECT_NE(c, nullptr) << form.Name() << "." << name;
        return *c;
    }
    void Click(Form& form, const std::string& name, int index = -1) {
        services.UserEvent([&] { Find<forms::CommandButton>(form, name, index).UserClick(); });
    }
    void Import(Form& form, const std::string& button, const std::string& path, int index = -1) {
        services.files.push_back(path);
        Click(form, button, index);
        // A refused click would leave the file for the next dialog.
        EXPECT_TRUE(services.files.empty()) << form.Name() << "." << button << " took no file";
        services.files.clear();
    }
    void Choose(Form& form, const std::string& menu, int index = -1) {
        services.UserEvent([&] { EXPECT_TRUE(Find<forms::Menu>(form, menu, index).UserChoose()) << menu; });
    }
    void Type(Form& form, const std::string& box, const std::string& text) {
        services.UserEvent([&] {
            auto& t = Find<forms::TextBox>(form, box);
            t.UserSelectAll();
            for (char ch : text) t.UserKeyChar(ch);
            t.UserKey(forms::kKeyReturn);
        });
    }
    // The proxy import's question of the vertical scale, answered with the
    // scale of that option.
    void AnswerSelect(int option) {
        for (Form* f : app.LoadedForms())
            if (f->Visible() && f->Name().find("Select") != std::string::npos) {
                services.UserEvent([&] { Find<forms::OptionButton>(*f, "Option1", option).UserClick(); });
                Click(*f, "Command1");
                return;
            }
    }
    void Close(Form& form) { services.UserEvent([&] { form.UserClose(); }); }
    // Closing a window may unload others: each round looks afresh.
    template <class Which>
    void CloseShown(Which which) {
        for (bool closed = true; closed;) {
            closed = false;
            for (Form* f : app.LoadedForms())
                if (f->Visible() && which(*f)) {
                    Close(*f);
                    closed = true;
                    break;
                }
        }
    }

    // What a window is walked with: a level with the full age read-out and
    // proxies of its own cores, one by age.
    struct Road {
        std::string name, level, proxy, proxyByAge, proxyByDepth;
        int photos;
    };

    // A window at a level, with its proxies, and its divider, version,
    // export and photo windows.
    void Walk(Form& window, const Road& road) {
        Type(window, "Text2", road.level);
        MeasureShownWindows(road.name + " window at " + road.level + " cm");
        Import(window, "Command6", road.proxy, 0);
        services.files.push_back(road.proxyByAge);
        Click(window, "Command6", 2);
        MeasureShownWindows(road.name + " proxy selection");
        AnswerSelect(1);
        Import(window, "Command6", road.proxyByDepth, 4);
        AnswerSelect(0);
        MeasureShownWindows(road.name + " window with proxies");

        Choose(window, "mnuBH", 1);
        MeasureShownWindows(road.name + " divider");
        CloseShown([](const Form& f) { return f.Name().find("Divider") != std::string::npos; });
        Choose(window, "mnuVersion");
        MeasureShownWindows(road.name + " version window");
        services.popups.push_back(&Find<forms::Menu>(window, "mnuExport_4"));
        services.UserEvent([&] { Find(window, "BoreHole", 5).UserMouseDown(forms::kRightButton, 0, 3, 150); });
        services.UserEvent([&] { Find(window, "BoreHole", 5).UserMouseUp(forms::kRightButton, 0, 3, 150); });
        MeasureShownWindows(road.name + " export window");
        CloseShown([](const Form& f) { return f.Name().find("Export") != std::string::npos; });
        for (int photo = 0; photo < road.photos; ++photo) Import(window, "Command7", Example("QL22_A_03_core_photo.jpg"));
        MeasureShownWindows(road.name + " photo windows");
        CloseShown([this](const Form& f) { return &f != &q.frmMain() && &f != &q.frm2Main(); });
    }

    AnsweredServices services;
    forms::Application app{services};
    quillory::Quillory q{app};
    std::map<std::string, std::string> cut;
    std::set<std::string> measured;
};

TEST_F(CaptionFitTest, EveryCaptionAndTextOfEveryWindowFitsItsControl) {
    services.Attach(app);
    services.UserEvent([this] { q.frmMain().Show(); });
    MeasureShownWindows("start");
    Import(q.frmMain(), "Command1", Example("QL22_correlation_20240209.csv"));
    Import(q.frmMain(), "Command3", Example("QL22_event_layers_20240212.csv"));
    Import(q.frmMain(), "Command4", Example("QL22_age_model_20240215.csv"));
    Choose(q.frmMain(), "mnuQYDuo");
    services.files.push_back(Example("QL23_duo_correlation_20240301.csv"));
    services.files.push_back(Example("QL23_duo_event_layers_20240305.csv"));
    Click(q.frm2Main(), "Command1");
    EXPECT_TRUE(services.files.empty());
    Walk(q.frmMain(), {"main", "1000", Example("QL22_XRF_scan_for_QY.csv"),
                       Example("QL22_pollen_charcoal_by_age.csv"), ScenarioData("proxy_by_depth.csv"), 4});

    Choose(q.frmMain(), "mnuRX93");
    MeasureShownWindows("correlator");
    services.UserEvent([this] { q.frmMain().Image1.UserDblClick(); });
    MeasureShownWindows("password window");
    Type(q.frmPass(), "Text1", "tanvel4817");
    Click(q.frmPass(), "Command1");
    MeasureShownWindows("test window");
    Close(q.frmTest());

    Walk(q.frm2Main(), {"Duo", "150", ScenarioData("QL23_susceptibility_E.csv"),
                        Example("QL22_pollen_charcoal_by_age.csv"), ScenarioData("QL23_toc_by_depth.csv"), 1});

    // A conversion holds the window's menus until it is saved or closed.
    Import(q.frm2Main(), "Command2", ScenarioData("QL23_samples_composite_depth.csv"));
    MeasureShownWindows("Duo conversion window");
    CloseShown([this](const Form& f) { return &f == &q.frm2Conversion(); });
    Import(q.frmMain(), "Command2", Example("QL22_samples_composite_depth.csv"));
    MeasureShownWindows("main conversion window");

    std::string report;
    for (const auto& [where, what] : cut) report += "\n  " + where + ": " + what;
    EXPECT_TRUE(cut.empty()) << "captions cut off:" << report;
    // The one question on the way is the Duo window's for its list of event
    // layers; any other message would mean a road was not taken.
    std::string messages;
    for (const std::string& m : services.messages) messages += "\n  " + m;
    EXPECT_EQ(services.messages.size(), 1u) << messages;
    const std::set<std::string> every{"frmMain", "frm2Main", "frmPhoto", "frm2Photo", "frm3Photo", "frm4Photo",
                                      "frmConversion", "frm2Conversion", "frmDivider", "frm2Divider", "frmExport",
                                      "frm2Export", "frmVersion", "frm2Version", "frmRX93", "frmPass", "frmTest",
                                      "frmSelect", "frm2Select"};
    std::string missed;
    for (const std::string& name : every)
        if (!measured.count(name)) missed += " " + name;
    EXPECT_TRUE(missed.empty()) << "windows never shown:" << missed;
}

}  // namespace
