// Names in files of the old platform's code page (Windows-1252) are drawn as
// the same names in UTF-8: the bore holes over the columns of both windows
// and a proxy file's column names in the preview of its first rows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "answered_services.h"
#include "forms/application.h"
#include "forms/menu.h"
#include "main/quillory.h"
#include "qt/form_window.h"

namespace {

const std::string kData = QUILLORY_SOURCE_DIR "/scenarios/data/";
const std::string kExamples = QUILLORY_SOURCE_DIR "/examples/";

// The code page's bytes of the data files' names, and the same names in UTF-8.
const std::vector<std::pair<std::string, std::string>> kNames = {
    {"S\xFC\xDF", "S\xC3\xBC\xC3\x9F"},        {"L\xFCtzel", "L\xC3\xBCtzel"},
    {"\xC9" "chantillon", "\xC3\x89" "chantillon"}, {"\xC2" "ge (", "\xC3\x82" "ge ("},
    {"arbor\xE9" "en", "arbor\xC3\xA9" "en"},  {"cm\xB2", "cm\xC2\xB2"}};

// The data file as it is, or written in UTF-8 under the same name (which
// carries a model's version).
std::string DataFile(const std::string& name, bool utf8) {
    if (!utf8) return kData + name;
    std::ifstream in(kData + name, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    for (const auto& [codePage, inUtf8] : kNames)
        for (size_t at = text.find(codePage); at != std::string::npos; at = text.find(codePage, at + inUtf8.size()))
            text.replace(at, codePage.size(), inUtf8);
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "quillory_utf8";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
}

// A program of its own with its main window shown; a caret that does not
// blink shows alike whenever a window is taken.
class Program {
public:
    Program() {
        QApplication::setCursorFlashTime(0);
        services.Attach(app);
        services.UserEvent([this] { q.frmMain().Show(); });
    }
    void Open(forms::CommandButton& button, const std::string& path) {
        services.files.push_back(path);
        services.UserEvent([&button] { button.UserClick(); });
    }
    // Sliders carry no names and are left out: the first windows a process
    // shows draw a slider's ends in another colour than later ones.
    QImage Shown(forms::Form& form) {
        QWidget& window = services.WindowOf(form);
        QImage shown = window.grab().toImage();
        QPainter painter(&shown);
        for (QSlider* slider : window.findChildren<QSlider*>())
            painter.fillRect(QRect(slider->mapTo(&window, QPoint(0, 0)), slider->size()), Qt::black);
        return shown;
    }

    qttest::AnsweredServices services;
    forms::Application app{services};
    quillory::Quillory q{app};
};

const std::string kModel = "QL22_code_page_1252_correlation_20240209.csv";

QImage MainWindow(bool utf8) {
    Program p;
    p.Open(p.q.frmMain().Command1, DataFile(kModel, utf8));
    return p.Shown(p.q.frmMain());
}

QImage ProxyPreview(bool utf8) {
    Program p;
    p.Open(p.q.frmMain().Command1, DataFile(kModel, utf8));
    p.Open(p.q.frmMain().Command6(1), DataFile("pollen_charcoal_code_page_1252.csv", utf8));
    return p.Shown(p.q.frmSelect());
}

QImage DuoWindow(bool utf8) {
    Program p;
    p.Open(p.q.frmMain().Command1, kExamples + "QL22_correlation_20240209.csv");
    p.Open(p.q.frmMain().Command3, kExamples + "QL22_event_layers_20240212.csv");
    p.services.UserEvent([&p] { p.q.frmMain().mnuQYDuo->UserChoose(); });
    p.services.answers.push_back(forms::vbNo);
    p.Open(p.q.frm2Main().Command1, DataFile("QL23_code_page_1252_duo_correlation_20240301.csv", utf8));
    EXPECT_TRUE(p.q.frm2Main().Visible());
    return p.Shown(p.q.frm2Main());
}

TEST(OldCodePage, NamesAreDrawnAsInUtf8InBothWindowsAndTheProxyPreview) {
    for (auto [road, shown] : {std::pair{"main window", &MainWindow}, {"proxy preview", &ProxyPreview},
                               {"Duo window", &DuoWindow}}) {
        const QImage codePage = shown(false);
        ASSERT_FALSE(codePage.isNull()) << road;
        EXPECT_TRUE(codePage == shown(true)) << road;
    }
}

}  // namespace
