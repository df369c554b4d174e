// Names in files of the old platform's code page (Windows-1252) are drawn as
// the same names in UTF-8: bore holes over both windows' columns, a proxy
// file's columns in the preview of its rows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QSlider>
#include <fstream>
#include <iterator>

#include "answered_services.h"
#include "main/quillory.h"
#include "qt/form_window.h"
#include "values/shown_text.h"

namespace {

// The data file, or the same in UTF-8 (its name ends as the original's,
// which carries a model's version).
std::string File(const std::string& name, bool utf8) {
    const std::string path = QUILLORY_SOURCE_DIR "/scenarios/data/" + name;
    if (!utf8) return path;
    std::ifstream in(path, std::ios::binary);
    const std::string copy = testing::TempDir() + "utf8_" + name;
    std::ofstream(copy, std::ios::binary) << values::ShownUtf8(std::string{std::istreambuf_iterator<char>(in), {}});
    return copy;
}

// The window a road ends in, once its files are opened by their buttons;
// sliders are left out, as a process's first windows draw their ends in
// another colour than later ones.
QImage Shown(const std::string& road, bool utf8) {
    qttest::AnsweredServices services;
    forms::Application app{services};
    quillory::Quillory q{app};
    QApplication::setCursorFlashTime(0);
    services.Attach(app);
    services.UserEvent([&] { q.frmMain().Show(); });
    const auto open = [&](forms::CommandButton& button, const std::string& path) {
        services.files.push_back(path);
        services.UserEvent([&button] { button.UserClick(); });
    };
    forms::Form* shown = &q.frmMain();
    if (road == "Duo window") {
        open(q.frmMain().Command1, QUILLORY_SOURCE_DIR "/examples/QL22_correlation_20240209.csv");
        open(q.frmMain().Command3, QUILLORY_SOURCE_DIR "/examples/QL22_event_layers_20240212.csv");
        services.UserEvent([&] { q.frmMain().mnuQYDuo->UserChoose(); });
        services.answers.push_back(forms::vbNo);
        open(q.frm2Main().Command1, File("QL23_code_page_1252_duo_correlation_20240301.csv", utf8));
        shown = &q.frm2Main();
    } else {
        open(q.frmMain().Command1, File("QL22_code_page_1252_correlation_20240209.csv", utf8));
    }
    if (road == "proxy preview") {
        open(q.frmMain().Command6(1), File("pollen_charcoal_code_page_1252.csv", utf8));
        shown = &q.frmSelect();
    }
    EXPECT_TRUE(shown->Visible()) << road;
    QWidget& window = services.WindowOf(*shown);
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QSlider* slider : window.findChildren<QSlider*>())
        painter.fillRect(QRect(slider->mapTo(&window, QPoint(0, 0)), slider->size()), Qt::black);
    return image;
}

TEST(OldCodePage, NamesAreDrawnAsInUtf8InBothWindowsAndTheProxyPreview) {
    for (const char* road : {"main window", "proxy preview", "Duo window"})
        EXPECT_TRUE(Shown(road, false) == Shown(road, true)) << road;
}

}  // namespace
