#include "qt/shaped_texts.h"

#include <QImage>
#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>

#include "qt/qt_units.h"

namespace qtback {
namespace {

// Texts kept at most beside those announced; a view over a long core meets
// new depth labels all the time, and texts a drawing no longer shows are
// shaped again if they return.
constexpr size_t kMostTexts = 4096;

// One line of printable characters: what a layout shapes as drawText does.
bool OneLine(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20; });
}

}  // namespace

ShapedTexts::Shaped ShapedTexts::Shape(const QString& text, const QFont& font, QPaintDevice* device) {
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return Shaped{layout.glyphRuns(), line.y() + line.ascent()};
}

const ShapedTexts::Shaped* ShapedTexts::Find(const Key& key) const {
    if (auto it = shaped_.find(key); it != shaped_.end()) return &it->second;
    for (const auto& [owner, ahead] : ahead_)
        if (auto it = ahead.texts.find(key); it != ahead.texts.end()) return &it->second;
    return nullptr;
}

void ShapedTexts::Draw(QPainter& painter, QPointF baseline, const std::string& text, double size, bool bold) {
    const QString q = ToQString(text);
    QPaintDevice* device = painter.device();
    if (q.isEmpty() || !OneLine(q)) {
        painter.drawText(baseline, q);
        return;
    }
    // The font resolves against the device's dots per inch, as the painter's does.
    Key key{text, size, bold, device->logicalDpiX(), device->logicalDpiY()};
    const Shaped* shaped = Find(key);
    if (!shaped) {
        if (shaped_.size() >= kMostTexts) shaped_.clear();
        shaped = &shaped_.emplace(std::move(key), Shape(q, painter.font(), device)).first->second;
    }
    const QPointF origin = baseline - QPointF(0, shaped->baseline);
    for (const QGlyphRun& run : shaped->runs) painter.drawGlyphRun(origin, run);
}

void ShapedTexts::ShapeAhead(const void* owner, unsigned long announcement, const std::vector<std::string>& texts,
                             double size, bool bold) {
    Ahead& ahead = ahead_[owner];
    if (announcement < ahead.announcement) return;
    if (texts.empty()) {
        ahead_.erase(owner);
        return;
    }
    if (announcement > ahead.announcement) ahead = Ahead{announcement, {}};
    // An image as drawings are rendered into: its dots per inch resolve the font.
    QImage device(1, 1, QImage::Format_RGB32);
    const QFont font = FontFor(size, bold);
    for (const std::string& text : texts) {
        const QString q = ToQString(text);
        if (q.isEmpty() || !OneLine(q)) continue;
        Key key{text, size, bold, device.logicalDpiX(), device.logicalDpiY()};
        if (!ahead.texts.contains(key)) ahead.texts.emplace(std::move(key), Shape(q, font, &device));
    }
}

}  // namespace qtback
