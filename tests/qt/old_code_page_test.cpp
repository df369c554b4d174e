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

// The data file, or the same in UTF-8 (named to end as the original, which
// carries a model's version).
std::string File(const std::string& name, bool utf8) {
    const std::string path = QUILLORY_SOURCE_DIR "/scenarios/data/" + name, copy = testing::TempDir() + "utf8_" + name;
    if (!utf8) return path;
    std::ifstream in(path, std::ios::binary);
    std::ofstream(copy, std::ios::binary) << values::ShownUtf8(std::string{std::istreambuf_iterator<char>(in), {}});
    return copy;
}

// The main window, the proxy preview and the Duo window as their files are
// opened, each without its sliders: a process's first windows draw their
// ends in another colour than later ones.
std::vector<QImage> Shown(bool utf8) {
    qttest::AnsweredServices services;
    forms::Application app{services};
    quillory::Quillory q{app};
    QApplication::setCursorFlashTime(0);  // a caret shows alike whenever it is taken
    services.Attach(app);
    services.UserEvent([&] { q.frmMain().Show(); });
    const auto open = [&](forms::CommandButton& button, const std::string& path) {
        services.files.push_back(path);
        services.UserEvent([&button] { button.UserClick(); });
    };
    std::vector<QImage> shown;
    const auto take = [&](forms::Form& form) {
        QWidget& window = services.WindowOf(form);
        QImage image = window.grab().toImage();
        QPainter painter(&image);
        for (QSlider* s : window.findChildren<QSlider*>())
            painter.fillRect(QRect(s->mapTo(&window, QPoint()), s->size()), Qt::black);
        shown.push_back(image);
    };
    open(q.frmMain().Command1, File("QL22_code_page_1252_correlation_20240209.csv", utf8));
    take(q.frmMain());
    open(q.frmMain().Command6(1), File("pollen_charcoal_code_page_1252.csv", utf8));
    take(q.frmSelect());
    services.UserEvent([&] { q.frmSelect().Command2.UserClick(); });
    open(q.frmMain().Command3, QUILLORY_SOURCE_DIR "/examples/QL22_event_layers_20240212.csv");
    services.UserEvent([&] { q.frmMain().mnuQYDuo->UserChoose(); });
    services.answers.push_back(forms::vbNo);
    open(q.frm2Main().Command1, File("QL23_code_page_1252_duo_correlation_20240301.csv", utf8));
    take(q.frm2Main());
    return shown;
}

TEST(OldCodePage, NamesAreDrawnAsInUtf8InBothWindowsAndTheProxyPreview) {
    const std::vector<QImage> codePage = Shown(false), utf8 = Shown(true);
    ASSERT_EQ(codePage.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(codePage[i] == utf8[i]) << "main window, proxy preview, Duo window: " << i;
}

}  // namespace
