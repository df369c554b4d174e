#include "qt/qt_units.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "forms/form.h"
#include "values/shown_text.h"

namespace qtback {

int Pixels(double twips) { return static_cast<int>(std::lround(twips / forms::kTwipsPerPixel)); }

int PixelSpan(double startTwips, double lengthTwips) {
    return Pixels(startTwips + lengthTwips) - Pixels(startTwips);
}

double Twips(double pixels) { return pixels * forms::kTwipsPerPixel; }

QColor ToQColor(forms::Colour c) { return QColor(forms::RedOf(c), forms::GreenOf(c), forms::BlueOf(c)); }

Qt::CursorShape CursorShape(int code) {
    switch (code) {
        case forms::vbCrosshair: return Qt::CrossCursor;
        case forms::vbIbeam: return Qt::IBeamCursor;
        case forms::vbHourglass: return Qt::WaitCursor;
        default: return Qt::ArrowCursor;
    }
}

QFont FontFor(double points, bool bold) {
    QFont font = QGuiApplication::font();
    // The windows were laid out for a small sans-serif whose text runs about
    // 5.5 pixels a character at 8 points; Carlito comes closest of Debian's
    // fonts, the narrower Liberation Sans Narrow keeps every caption whole
    // too, and the system's sans-serif is the last resort.
    font.setFamilies({QStringLiteral("Carlito"), QStringLiteral("Liberation Sans Narrow")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
    font.setBold(bold);
    return font;
}

QString ToQString(const std::string& s) {
    if (values::IsUtf8(s)) return QString::fromStdString(s);
    return QString::fromStdString(values::Utf8FromWindows1252(s));
}

int ShownChars(const std::string& text, int bytes) {
    if (!values::IsUtf8(text)) return bytes;
    return static_cast<int>(QString::fromUtf8(text.data(), bytes).size());
}

int TextBytes(const std::string& text, const QString& shown, int chars) {
    if (!values::IsUtf8(text)) return chars;
    return static_cast<int>(shown.left(chars).toUtf8().size());
}

std::string ToStdString(const QString& s) { return s.toStdString(); }

}  // namespace qtback
