#include "qt/qt_units.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "forms/form.h"
#include "values/values.h"

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

namespace {

// Windows code page 1252 from 0x80 to 0x9F; its five unassigned bytes keep
// their control characters, as Windows maps them. From 0xA0 up it is Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const std::string& s) {
    QString out(static_cast<qsizetype>(s.size()), Qt::Uninitialized);
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        out[static_cast<qsizetype>(i)] = QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t{b});
    }
    return out;
}

}  // namespace

QString ToQString(const std::string& s) { return values::IsUtf8(s) ? QString::fromStdString(s) : FromWindows1252(s); }

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
