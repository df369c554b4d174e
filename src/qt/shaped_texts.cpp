#include "qt/shaped_texts.h"

#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>

#include "qt/qt_units.h"

namespace qtback {
namespace {

// Texts kept at most; a view over a long core meets new depth labels all the
// time, and texts a drawing no longer shows are shaped again if they return.
constexpr size_t kMostTexts = 4096;

// One line of printable characters: what a layout shapes as drawText does.
bool OneLine(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20; });
}

}  // namespace

void ShapedTexts::Draw(QPainter& painter, QPointF baseline, const std::string& text, double size, bool bold) {
    const QString q = ToQString(text);
    const QPaintDevice* device = painter.device();
    if (q.isEmpty() || !OneLine(q)) {
        painter.drawText(baseline, q);
        return;
    }
    // The font resolves against the device's dots per inch, as the painter's does.
    Key key{text, size, bold, device->logicalDpiX(), device->logicalDpiY()};
    auto it = shaped_.find(key);
    if (it == shaped_.end()) {
        if (shaped_.size() >= kMostTexts) shaped_.clear();
        QTextLayout layout(q, painter.font(), device);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        it = shaped_.emplace(std::move(key), Shaped{layout.glyphRuns(), line.y() + line.ascent()}).first;
    }
    const QPointF origin = baseline - QPointF(0, it->second.baseline);
    for (const QGlyphRun& run : it->second.runs) painter.drawGlyphRun(origin, run);
}

}  // namespace qtback
