#include "qt/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "forms/headless.h"
#include "qt/qt_units.h"

namespace qtback {
namespace {

struct Answer {
    QMessageBox::StandardButton qt;
    int answer;
};

std::vector<Answer> ButtonsOf(int style) {
    using B = QMessageBox;
    switch (style & 7) {
        case forms::vbOKCancel: return {{B::Ok, forms::vbOK}, {B::Cancel, forms::vbCancel}};
        case forms::vbAbortRetryIgnore: return {{B::Abort, forms::vbAbort}, {B::Retry, forms::vbRetry}, {B::Ignore, forms::vbIgnore}};
        case forms::vbYesNoCancel: return {{B::Yes, forms::vbYes}, {B::No, forms::vbNo}, {B::Cancel, forms::vbCancel}};
        case forms::vbYesNo: return {{B::Yes, forms::vbYes}, {B::No, forms::vbNo}};
        case forms::vbRetryCancel: return {{B::Retry, forms::vbRetry}, {B::Cancel, forms::vbCancel}};
        default: return {{B::Ok, forms::vbOK}};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case forms::vbCritical: return QMessageBox::Critical;
        case forms::vbQuestion: return QMessageBox::Question;
        case forms::vbExclamation: return QMessageBox::Warning;
        case forms::vbInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int ShowMessageBox(const forms::MessageRequest& request, QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(request.text));
    box.setIcon(IconOf(request.style));
    auto buttons = ButtonsOf(request.style);
    for (const auto& b : buttons) box.addButton(b.qt);
    size_t which = (request.style & forms::vbDefaultButton3) ? 2 : (request.style & forms::vbDefaultButton2) ? 1 : 0;
    box.setDefaultButton(buttons[which < buttons.size() ? which : 0].qt);
    int pressed = box.exec();
    for (const auto& b : buttons)
        if (b.qt == pressed) return b.answer;
    return forms::DefaultAnswer(request.style);
}

QString QtFileFilter(const std::string& filter) {
    QStringList parts = ToQString(filter).split('|');
    QStringList out;
    static const QRegularExpression trailingPatterns(R"(\s*\([^()]*\)\s*$)");
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        out << description.trimmed() + " (" + patterns.trimmed() + ")";
    }
    return out.join(";;");
}

std::optional<std::string> ShowFileDialog(const forms::FileRequest& request, QWidget* parent) {
    QString title = ToQString(request.title);
    if (title.isEmpty()) title = request.save ? "Save As" : "Open";
    QString start = ToQString(request.fileName);
    if (!request.initDir.empty()) start = QDir(ToQString(request.initDir)).filePath(start);
    QString filter = QtFileFilter(request.filter);
    // The save dialog asks before an existing file only when the program wants it to.
    const QFileDialog::Options options = request.save && !request.overwritePrompt
                                             ? QFileDialog::Options(QFileDialog::DontConfirmOverwrite)
                                             : QFileDialog::Options();
    QString chosen = request.save ? QFileDialog::getSaveFileName(parent, title, start, filter, nullptr, options)
                                  : QFileDialog::getOpenFileName(parent, title, start, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return ToStdString(chosen);
}

}  // namespace qtback
