// Rendering a surface's primitives in its user scale, pixel by pixel.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <iterator>
#include <random>
#include <vector>

#include "forms/headless.h"
#include "forms/surface.h"
#include "qt/changed_pixels.h"
#include "qt/qt_units.h"
#include "qt/shaped_texts.h"
#include "qt/snapshot_renderer.h"
#include "finer_detail.h"
#include "qt_test_app.h"

using namespace forms;

namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kWhitePixel = 0xFFFFFFFF;

struct SnapshotRendererTest : ::testing::Test {
    SnapshotRendererTest() {
        qttest::EnsureQtApplication();
        s.SetInnerSize(100 * 15, 50 * 15);  // 100 x 50 pixels
        s.Cls();
    }
    HeadlessServices metrics;
    Surface s{metrics};
};

TEST_F(SnapshotRendererTest, AYUpScalePutsSmallValuesAtTheBottom) {
    s.SetScale(0, 50, 100, 0);  // y from 50 at the top to 0 at the bottom
    s.Line(0, 10, 100, 10, RGB(255, 0, 0));
    QImage image = qtback::RenderSnapshot(s.TakeSnapshot());
    ASSERT_EQ(image.size(), QSize(100, 50));
    EXPECT_EQ(image.pixel(50, 40), kRed);
    EXPECT_EQ(image.pixel(50, 10), kWhitePixel);
}

TEST_F(SnapshotRendererTest, ANegativeWidthMirrorsX) {
    s.SetScale(100, 0, 0, 50);  // x from 100 at the left to 0 at the right
    s.Line(20, 0, 20, 50, RGB(0, 0, 255));
    QImage image = qtback::RenderSnapshot(s.TakeSnapshot());
    EXPECT_EQ(image.pixel(80, 25), kBlue);
    EXPECT_EQ(image.pixel(20, 25), kWhitePixel);
}

TEST_F(SnapshotRendererTest, TheKeptPictureStaysInTheScaleItWasDrawnIn) {
    s.SetScale(0, 0, 100, 50);
    s.FilledBox(0, 0, 9, 9, RGB(255, 0, 0));
    s.KeepDrawing();
    s.SetScale(0, 0, 10, 5);  // ten times coarser: the box must not grow
    s.Line(5, 0, 5, 5, RGB(0, 0, 255));
    QImage image = qtback::RenderSnapshot(s.TakeSnapshot());
    EXPECT_EQ(image.pixel(5, 5), kRed);
    EXPECT_EQ(image.pixel(20, 20), kWhitePixel);
    EXPECT_EQ(image.pixel(50, 25), kBlue);
}

TEST_F(SnapshotRendererTest, ABoxIsFilledWithTheFillColourAndOutlinedInItsOwn) {
    s.FillStyle = 0;
    s.FillColor = RGB(0, 0, 255);
    s.Box(150, 150, 750, 600, RGB(255, 0, 0));  // twips: pixels 10..50 x 10..40
    QImage image = qtback::RenderSnapshot(s.TakeSnapshot());
    EXPECT_EQ(image.pixel(10, 20), kRed);
    EXPECT_EQ(image.pixel(50, 20), kRed);
    EXPECT_EQ(image.pixel(30, 25), kBlue);
    EXPECT_EQ(image.pixel(51, 25), kWhitePixel);
}

TEST_F(SnapshotRendererTest, TheCachedKeptPictureFollowsAChangedKeep) {
    qtback::SnapshotRenderer renderer;
    s.Line(0, 150, 1500, 150, RGB(255, 0, 0));
    s.KeepDrawing();
    renderer.Render(s.TakeSnapshot());
    EXPECT_EQ(renderer.Image().pixel(50, 10), kRed);
    s.Line(0, 300, 1500, 300, RGB(0, 0, 255));  // a transient mark: the keep is reused
    renderer.Render(s.TakeSnapshot());
    EXPECT_EQ(renderer.Image().pixel(50, 10), kRed);
    EXPECT_EQ(renderer.Image().pixel(50, 20), kBlue);
    s.Cls();
    s.FilledBox(0, 0, 1500, 750, kWhite);  // a new drawing over the whole surface, kept
    s.KeepDrawing();
    EXPECT_EQ(renderer.Render(s.TakeSnapshot()), QRegion(0, 0, 100, 50));
    EXPECT_EQ(renderer.Image().pixel(50, 10), kWhitePixel);
    EXPECT_EQ(renderer.Image().pixel(50, 20), kWhitePixel);
}

// Marks following the mouse over a kept drawing, at ratios 1 and 2: each
// render changes only the strips where the marks were and are, and gives the
// very pixels a fresh render gives; a drawing alike to the last changes
// nothing.
TEST_F(SnapshotRendererTest, MovedMarksChangeOnlyWhereTheyWereAndAre) {
    s.SetScale(0, 0, 100, 50);
    s.FillStyle = 0;
    s.FillColor = RGB(0, 200, 0);
    for (int x = 0; x < 100; x += 7) s.Line(x, 0, 99 - x, 49, RGB(255, 0, 0));
    s.KeepDrawing();
    for (qreal ratio : {1.0, 2.0}) {
        qtback::SnapshotRenderer renderer;
        s.Cls();
        renderer.Render(s.TakeSnapshot(), ratio);
        double before = -100;
        for (double y : {3.0, 3.0, 17.5, 48.2, 20.0}) {
            s.Cls();
            s.DrawWidth = y > 40 ? 3 : 1;
            s.DrawStyle = y == 20.0 ? 2 : 0;
            s.Line(0, y, 100, y, RGB(0, 0, 255));
            s.Circle(40, y, 1.6, RGB(0, 0, 255));
            s.PSet(70, y, RGB(0, 0, 255));
            s.DrawWidth = 1;
            s.DrawStyle = 0;
            const QRegion changed = renderer.Render(s.TakeSnapshot(), ratio);
            EXPECT_EQ(renderer.Image(), qtback::RenderSnapshot(s.TakeSnapshot(), ratio)) << ratio << " " << y;
            EXPECT_EQ(changed.isEmpty(), y == before) << ratio << " " << y;
            for (int row = 0; row < 50; ++row) {
                const bool far = std::fabs(row - y) > 8 && std::fabs(row - before) > 8;
                EXPECT_FALSE(far && changed.contains(QPoint(50, row))) << ratio << " " << y << " " << row;
            }
            before = y;
        }
    }
}

TEST_F(SnapshotRendererTest, AtRatioTwoEachPixelIsTwoByTwoDevicePixelsAndTextIsDrawnFiner) {
    s.FilledBox(150, 150, 450, 450, RGB(255, 0, 0));  // pixels 10 to 30
    s.Line(0, 600, 1500, 600, RGB(0, 0, 255));         // pixel row 40
    s.CurrentX = 750;
    s.CurrentY = 0;
    s.Print("Mg");
    QImage image = qtback::RenderSnapshot(s.TakeSnapshot(), 2);
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.devicePixelRatio(), 2);
    for (int y : {20, 40, 61}) {
        EXPECT_EQ(image.pixel(19, y), kWhitePixel);
        EXPECT_EQ(image.pixel(20, y), kRed);
        EXPECT_EQ(image.pixel(61, y), kRed);
        EXPECT_EQ(image.pixel(62, y), kWhitePixel);
    }
    EXPECT_EQ(image.pixel(100, 79), kWhitePixel);
    EXPECT_EQ(image.pixel(100, 80), kBlue);
    EXPECT_EQ(image.pixel(100, 81), kBlue);
    EXPECT_EQ(image.pixel(100, 82), kWhitePixel);
    EXPECT_TRUE(qttest::HasFinerDetail(image, QRect(100, 0, 100, 36)));
}

TEST_F(SnapshotRendererTest, AtRatioTwoABoxOutlineCoversTheDevicePixelsOfItsPixels) {
    s.Box(150, 150, 450, 450, RGB(255, 0, 0));  // pixels 10 to 30
    QImage image = qtback::RenderSnapshot(s.TakeSnapshot(), 2);
    for (int d : {20, 21, 60, 61}) {
        EXPECT_EQ(image.pixel(d, 40), kRed) << d;
        EXPECT_EQ(image.pixel(40, d), kRed) << d;
    }
    EXPECT_EQ(image.pixel(20, 20), kRed);  // a whole corner
    EXPECT_EQ(image.pixel(61, 61), kRed);
    for (int d : {19, 22, 59, 62}) EXPECT_EQ(image.pixel(d, 40), kWhitePixel) << d;
}

// A level typed far outside its core draws beyond any int: what shows of a
// primitive is what shows of it when it ends just beyond the image.
TEST_F(SnapshotRendererTest, PrimitivesFarBeyondTheImageShowWhatLiesOnIt) {
    auto render = [&](double far) {
        s.Cls();
        s.FilledBox(150, -far, 300, far, RGB(255, 0, 0));
        s.Line(900, 375, 900 + far, 375 + far, RGB(0, 0, 255));
        return qtback::RenderSnapshot(s.TakeSnapshot());
    };
    const QImage near = render(3000);
    ASSERT_EQ(near.pixel(70, 35), kBlue);
    for (double far : {1.5e11, HUGE_VAL}) EXPECT_EQ(render(far), near) << far;
}

}  // namespace

namespace {

// Markers are drawn once and copied to each centre: pixel for pixel what
// Qt draws at each centre itself, on either side of a line drawn between
// them, at ratios 1 and 2.
TEST_F(SnapshotRendererTest, CopiedMarkersAreTheCirclesQtDrawsThere) {
    s.SetScale(0, 0, 100, 50);
    s.FillStyle = 0;
    s.FillColor = RGB(0, 0, 255);
    const double centres[][2] = {{10, 10}, {10.4, 30.7}, {55, 25}, {99, 49}, {0, 0}};
    for (const auto& c : centres) s.Circle(c[0], c[1], 1.6, RGB(0, 0, 255));
    s.Line(10, 10, 55, 25, RGB(255, 0, 0));
    s.Circle(55, 25, 1.6, RGB(0, 0, 255));
    for (qreal ratio : {1.0, 2.0}) {
        QImage expected(QSize(100, 50) * ratio, QImage::Format_RGB32);
        expected.setDevicePixelRatio(ratio);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            QPen pen(QColor(0, 0, 255));
            pen.setCosmetic(true);
            pen.setWidth(static_cast<int>(ratio));
            pen.setJoinStyle(Qt::MiterJoin);
            const QPointF shift(ratio > 1 ? 0.5 : 0, ratio > 1 ? 0.5 : 0);
            auto circle = [&](double x, double y) {
                painter.setPen(pen);
                painter.setBrush(QColor(0, 0, 255));
                painter.drawEllipse(QPointF(QPoint(int(std::floor(x)), int(std::floor(y)))) + shift, 1.6, 1.6);
            };
            for (const auto& c : centres) circle(c[0], c[1]);
            QPen red = pen;
            red.setColor(QColor(255, 0, 0));
            painter.setPen(red);
            painter.drawLine(QPointF(10, 10) + shift, QPointF(55, 25) + shift);
            circle(55, 25);
        }
        EXPECT_EQ(qtback::RenderSnapshot(s.TakeSnapshot(), ratio), expected) << ratio;
    }
}

// Hundreds of markers as a panel draws them, over lines, at fractional
// places inside the image and across its edges, of several sizes, colours,
// widths and fills: each marker is the image of its circle drawn once and put
// where QPainter::drawImage puts it, and the circle Qt draws there itself,
// at ratios 1 and 2.
TEST_F(SnapshotRendererTest, ManyMarkersAreTheCirclesDrawImageAndQtPutThere) {
    s.SetScale(0, 0, 100, 50);
    for (int i = 0; i < 12; ++i) s.Line(0, i * 4.3, 100, 50 - i * 3.1, RGB(200, 40 * (i % 6), 0));
    struct Marker {
        double x, y, radius;
        Colour colour;
        int width, fillStyle;
    };
    std::vector<Marker> markers;
    std::mt19937 random(7);
    auto between = [&](double lo, double hi) { return lo + (hi - lo) * (random() % 100000) / 100000.0; };
    const double radii[] = {0.4, 1.6, 1.6, 1.6, 2.5, 4.2, 9.7, 23.5};
    for (int i = 0; i < 600; ++i) {
        const Colour colour = i % 5 == 0 ? RGB(0, 128, 0) : RGB(0, 0, 255);
        markers.push_back({between(-12, 112), between(-12, 62), radii[random() % std::size(radii)], colour,
                           i % 7 == 0 ? 2 : 1, i % 3 == 0 ? 1 : 0});
    }
    for (const Marker& m : markers) {
        s.DrawWidth = m.width;
        s.FillStyle = m.fillStyle;
        s.FillColor = m.colour;
        s.Circle(m.x, m.y, m.radius, m.colour);
    }
    s.DrawWidth = 1;
    const Snapshot drawn = s.TakeSnapshot();
    Snapshot linesOnly = drawn;
    linesOnly.current.primitives.resize(12);
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = qtback::RenderSnapshot(drawn, ratio);
        QImage copied = qtback::RenderSnapshot(linesOnly, ratio), circles = copied;
        QPainter copy(&copied), circle(&circles);
        for (const Marker& m : markers) {
            const QPoint centre(static_cast<int>(std::floor(m.x)), static_cast<int>(std::floor(m.y)));
            QPen pen(qtback::ToQColor(m.colour));
            QPointF shift(0, 0);
            if (m.width > 1) {
                pen.setWidth(m.width);
                pen.setCapStyle(Qt::RoundCap);
            } else {
                pen.setCosmetic(true);
                pen.setWidth(static_cast<int>(ratio));
                pen.setJoinStyle(Qt::MiterJoin);
                shift = QPointF(ratio > 1 ? 0.5 : 0, ratio > 1 ? 0.5 : 0);
            }
            auto use = [&](QPainter& p) {
                p.setPen(pen);
                if (m.fillStyle == 0) p.setBrush(pen.color());
                else p.setBrush(Qt::NoBrush);
            };
            const int half = static_cast<int>(std::ceil(m.radius)) + m.width + 2;
            QImage sprite(QSize(2 * half + 1, 2 * half + 1) * ratio, QImage::Format_ARGB32_Premultiplied);
            sprite.setDevicePixelRatio(ratio);
            sprite.fill(Qt::transparent);
            QPainter once(&sprite);
            use(once);
            once.drawEllipse(QPointF(half, half) + shift, m.radius, m.radius);
            once.end();
            copy.drawImage(centre - QPoint(half, half), sprite);
            use(circle);
            circle.drawEllipse(QPointF(centre) + shift, m.radius, m.radius);
        }
        copy.end();
        circle.end();
        EXPECT_TRUE(image == copied) << ratio;
        EXPECT_TRUE(image == circles) << ratio;
    }
}

}  // namespace

namespace {

// Texts drawn from their glyph runs, shaped once, give the very pixels
// drawText gives at the same baseline: on a second drawing from the kept
// runs too, in each size and weight the program prints in, at ratios 1 and 2.
TEST(ShapedTexts, GlyphsLandWhereDrawTextPutsThem) {
    qttest::EnsureQtApplication();
    const char* texts[] = {"1234.5", "Mg", "Ca/Ti", "E1-3 (q)", "-0.25 cm", "fi ffl WAVE", "\xC3\xA4\xC3\xB6\xC3\xBC", " x "};
    for (qreal ratio : {1.0, 2.0}) {
        qtback::ShapedTexts shaped;
        for (int pass = 0; pass < 2; ++pass) {
            for (double size : {6.75, 8.25, 9.75, 12.0})
                for (bool bold : {false, true}) {
                    QImage expected(QSize(160, 40) * ratio, QImage::Format_RGB32), drawn = expected;
                    expected.setDevicePixelRatio(ratio);
                    drawn.setDevicePixelRatio(ratio);
                    expected.fill(Qt::white);
                    drawn.fill(Qt::white);
                    QPainter a(&expected), b(&drawn);
                    for (QPainter* p : {&a, &b}) {
                        p->setFont(qtback::FontFor(size, bold));
                        p->setPen(QColor(20, 40, 200));
                    }
                    const qreal ascent = QFontMetricsF(qtback::FontFor(size, bold)).ascent();
                    int x = 1;
                    for (const char* t : texts) {
                        const QPointF at(x % 120, 3 + (x % 7) + ascent);
                        a.drawText(at, QString::fromUtf8(t));
                        shaped.Draw(b, at, t, size, bold);
                        x += 37;
                    }
                    a.end();
                    b.end();
                    EXPECT_EQ(drawn, expected) << ratio << " " << size << " " << bold << " pass " << pass;
                    int inked = 0;
                    for (int y = 0; y < drawn.height(); ++y)
                        for (int x = 0; x < drawn.width(); ++x) inked += drawn.pixel(x, y) != kWhitePixel;
                    EXPECT_GT(inked, 200) << "the texts were drawn";
                }
        }
    }
}

}  // namespace

namespace {

// Every device pixel that differs lies in the region, in pixels of the
// drawing; rows that stay are not in it.
TEST(ChangedPixels, HoldEveryPixelThatDiffersAtRatioOneAndTwo) {
    for (qreal ratio : {1.0, 2.0}) {
        QImage before(QSize(100, 300) * ratio, QImage::Format_RGB32);
        before.setDevicePixelRatio(ratio);
        before.fill(Qt::white);
        QImage after = before.copy();
        const QPoint changed[] = {{0, 0}, {99, 17}, {3, 150}, {50, 151}, {98, 299}};
        for (QPoint p : changed) after.setPixel(p * ratio + QPoint(ratio > 1 ? 1 : 0, 0), qRgb(255, 0, 0));
        const QRegion region = qtback::ChangedPixels(before, after);
        for (QPoint p : changed) EXPECT_TRUE(region.contains(p)) << ratio << " " << p.x() << "," << p.y();
        EXPECT_FALSE(region.contains(QPoint(50, 80))) << ratio;
        EXPECT_FALSE(region.contains(QPoint(50, 250))) << ratio;
        EXPECT_TRUE(qtback::ChangedPixels(before, before).isEmpty()) << ratio;
        // Another size: all of it.
        EXPECT_EQ(qtback::ChangedPixels(before.copy(0, 0, 10, 10), after), QRegion(0, 0, 100, 300)) << ratio;
    }
}

}  // namespace
