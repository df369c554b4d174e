#pragma once
// Texts shaped once into glyph runs and drawn from them: a column draws the
// same labels at every level change, and shaping a text costs Qt more than
// drawing its glyphs. The glyphs land where drawText puts them.
//
// A glyph run holds the font engine of the thread that shaped it, and each
// thread has engines of its own: texts are drawn by the thread that shaped
// them, each thread keeping its own ShapedTexts.
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace qtback {

class ShapedTexts {
public:
    // Draws the text in the painter's font (set from size and bold) with the
    // left end of its baseline at `baseline`.
    void Draw(QPainter& painter, QPointF baseline, const std::string& text, double size, bool bold);
    // Shapes beforehand texts that `owner` will draw in the font of size and
    // bold on the images a drawing is rendered into: they are kept until the
    // owner announces others. An announcement comes in parts; a part of a
    // newer announcement drops what the owner announced before, a part of an
    // older one is ignored; one without texts drops them all.
    void ShapeAhead(const void* owner, unsigned long announcement, const std::vector<std::string>& texts,
                    double size, bool bold);

private:
    struct Shaped {
        QList<QGlyphRun> runs;
        qreal baseline;  // the runs' baseline below their origin
    };
    using Key = std::tuple<std::string, double, bool, int, int>;
    struct Ahead {
        unsigned long announcement = 0;
        std::map<Key, Shaped> texts;
    };
    const Shaped* Find(const Key& key) const;
    static Shaped Shape(const QString& text, const QFont& font, QPaintDevice* device);

    std::map<Key, Shaped> shaped_;
    std::map<const void*, Ahead> ahead_;
};

}  // namespace qtback
