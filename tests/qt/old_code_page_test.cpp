// Names in files of the old platform's code page (Windows-1252) are drawn as
// the same names in UTF-8: bore holes over both windows' columns, a proxy
// file's columns in the preview of its rows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QSlider>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "answered_services.h"
#include "main/quillory.h"
#include "qt/form_window.h"

namespace {

// An example file with one name in the old code page or in UTF-8, written
// under the example's name, which carries a model's version.
struct Renamed {
    const char *example, *name, *codePage, *utf8;
};
const Renamed kMain{"QL22_correlation_20240209.csv", "Core QL22-1 (A)", "Core S\xFC\xDF-1 (A)", "Core S\xC3\xBC\xC3\x9F-1 (A)"};
const Renamed kDuo{"QL23_duo_correlation_20240301.csv", "Core QL23-1 (E)", "Core L\xFCtzel-1 (E)", "Core L\xC3\xBCtzel-1 (E)"};
const Renamed kPollen{"QL22_pollen_charcoal_by_age.csv", "Sample", "\xC9" "chantillon", "\xC3\x89" "chantillon"};

std::string File(const Renamed& file, bool utf8) {
    std::ifstream in(QUILLORY_SOURCE_DIR "/examples/" + std::string(file.example), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    text.replace(text.find(file.name), std::string_view(file.name).size(), utf8 ? file.utf8 : file.codePage);
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / (utf8 ? "utf8" : "cp1252");
    std::filesystem::create_directories(dir);
    std::ofstream(dir / file.example, std::ios::binary) << text;
    return (dir / file.example).string();
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
    open(q.frmMain().Command1, File(kMain, utf8));
    take(q.frmMain());
    open(q.frmMain().Command6(1), File(kPollen, utf8));
    take(q.frmSelect());
    services.UserEvent([&] { q.frmSelect().Command2.UserClick(); });
    open(q.frmMain().Command3, QUILLORY_SOURCE_DIR "/examples/QL22_event_layers_20240212.csv");
    services.UserEvent([&] { q.frmMain().mnuQYDuo->UserChoose(); });
    services.answers.push_back(forms::vbNo);
    open(q.frm2Main().Command1, File(kDuo, utf8));
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
