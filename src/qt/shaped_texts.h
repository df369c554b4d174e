#pragma once
// Texts shaped once into glyph runs and drawn from them: a column draws the
// same labels at every level change, and shaping a text costs Qt more than
// drawing its glyphs. The glyphs land where drawText puts them.
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <map>
#include <string>
#include <tuple>

namespace qtback {

class ShapedTexts {
public:
    // Draws the text in the painter's font (set from size and bold) with the
    // left end of its baseline at `baseline`.
    void Draw(QPainter& painter, QPointF baseline, const std::string& text, double size, bool bold);

private:
    struct Shaped {
        QList<QGlyphRun> runs;
        qreal baseline;  // the runs' baseline below their origin
    };
    using Key = std::tuple<std::string, double, bool, int, int>;
    std::map<Key, Shaped> shaped_;
};

}  // namespace qtback
