// Text measured with the kept metrics: the very numbers a fresh font and its
// metrics give, on any thread.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QThread>
#include <memory>
#include <string>
#include <vector>

#include "qt/qt_units.h"
#include "qt/text_metrics.h"
#include "qt_test_app.h"

namespace {

const char* const kTexts[] = {"", "0", "1234.5", "Mg", "E1-3 (q)", "-0.25 cm", "fi ffl WAVE", "\xC3\xA4\xC3\xB6\xC3\xBC",
                              " x ", "QL22-1A-01"};
// The sizes the windows and their columns print in, and sizes between them.
const double kSizes[] = {6, 6.75, 7, 8, 8.25, 9, 9.75, 10, 12, 14.5};

double FreshAdvance(const std::string& text, double size, bool bold) {
    return QFontMetricsF(qtback::FontFor(size, bold)).horizontalAdvance(QString::fromStdString(text));
}

TEST(TextMetrics, KeptMetricsMeasureWhatFreshOnesMeasure) {
    qttest::EnsureQtApplication();
    for (int pass = 0; pass < 2; ++pass)
        for (double size : kSizes)
            for (bool bold : {false, true}) {
                EXPECT_EQ(qtback::TextLinePixels(size, bold), QFontMetricsF(qtback::FontFor(size, bold)).height())
                    << size << " " << bold;
                for (const char* text : kTexts)
                    EXPECT_EQ(qtback::TextAdvancePixels(text, size, bold), FreshAdvance(text, size, bold))
                        << text << " " << size << " " << bold;
            }
    EXPECT_GT(qtback::TextAdvancePixels("1234.5", 8.25, true), qtback::TextAdvancePixels("1234.5", 8.25, false));
}

// Threads measuring at once, each size and weight asked by several of them,
// get the numbers the main thread gets.
TEST(TextMetrics, ThreadsMeasuringAtOnceGetTheSameNumbers) {
    qttest::EnsureQtApplication();
    std::vector<double> expected;
    for (double size : kSizes)
        for (const char* text : kTexts) expected.push_back(FreshAdvance(text, size, size > 9));
    constexpr int kThreads = 6;
    std::vector<std::vector<double>> measured(kThreads);
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([t, &measured] {
            for (int round = 0; round < 5; ++round) {
                std::vector<double>& out = measured[static_cast<size_t>(t)];
                out.clear();
                for (double size : kSizes)
                    for (const char* text : kTexts) out.push_back(qtback::TextAdvancePixels(text, size, size > 9));
            }
        }));
        threads.back()->start();
    }
    for (auto& thread : threads) thread->wait();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(measured[static_cast<size_t>(t)], expected) << t;
}

}  // namespace
