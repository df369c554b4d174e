#pragma once
// Conversions between the forms layer's units and Qt's: twips and pixels
// (15 twips a pixel, the old platform at 96 dpi), points and pixel font
// sizes, colours stored red-low-byte, and text.
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "forms/colour.h"

namespace qtback {

// A twips position or length as whole pixels.
int Pixels(double twips);
// The pixel span [Pixels(start), Pixels(start + length)), so that adjacent
// controls stay adjacent whatever the rounding.
int PixelSpan(double startTwips, double lengthTwips);
double Twips(double pixels);

QColor ToQColor(forms::Colour c);

// The pointer shape of one of the screen's pointer codes (forms::MousePointer).
Qt::CursorShape CursorShape(int code);

// The windows' font at a point size, sized in pixels so that text measures
// the same on every screen and in every image (a point is 4/3 pixel).
QFont FontFor(double points, bool bold);

// The model's texts are UTF-8, but those read from files of the old platform
// are in its Windows code page: each shows as it was written.
QString ToQString(const std::string& s);
std::string ToStdString(const QString& s);
// Positions in a text: the characters shown for the model's first bytes,
// and the model's bytes for the first characters shown.
int ShownChars(const std::string& text, int bytes);
int TextBytes(const std::string& text, const QString& shown, int chars);

}  // namespace qtback
