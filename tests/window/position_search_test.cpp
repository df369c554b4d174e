// GetPSP finds a level's section and ties by search; over many levels of the
// example model and of generated ones (sorted or not, with cells that are no
// numbers) it gives what the walk down the rows' texts gave: the same rows,
// position, divider lists, laminae, captions and tooltip, and the same answer.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <array>
#include <cstdio>

#include "main/main_window_fixture.h"
#include "model/correlation_lookup.h"
#include "tools/frm_divider.h"
#include "values/values.h"

namespace main_test {
namespace {

using values::CDbl;
using values::Val;
using quillory::SideState;

// Everything GetPSP leaves behind.
struct Outcome {
    bool found = false;
    float psp = 0, target = 0;
    int16_t top = 0, a = 0, b = 0;
    std::vector<std::string> lists[2];
    std::vector<quillory::SectionLamina> laminae;
    std::string section, tooltip, rows;
};

// The walk as it was before the search, over the texts, for the main window
// (whose own depth is the drawn one and whose position is the one found).
bool WalkedGetPSP(quillory::FrmMain& f, quillory::FrmDivider& divider, int16_t b, float depth) {
    if (f.Command1.Enabled()) return false;
    SideState& st = f.state;
    const model::DepthModel& m = st.model;
    constexpr double kNoValue = 9999;
    const bool composite = f.Option2(1).Value(), drilling = f.Option2(0).Value();
    auto single = [](double size) {
        const float s = static_cast<float>(std::abs(size));
        return static_cast<double>(std::nextafter(s, std::numeric_limits<float>::infinity())) - s;
    };
    auto atTie = [](double c, double tie, double slack) { return std::abs(c - tie) <= slack ? tie : c; };
    auto atTop = [](double p, double slack) { return static_cast<float>(std::abs(p) <= slack ? 0.0 : p); };
    try {
        auto label = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 0, r); };
        auto psp = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 1, r); };
        auto drillDepth = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 2, r); };
        auto rowDepth = [&](long r) -> const std::string& { return m.gCorrRow(1, r); };
        st.gTopRow = 0;
        long last = 0, bottom = 0;
        for (long r = 1; r <= m.gRowCount; ++r) {
            if (model::IsTopLabel(label(r))) st.gTopRow = static_cast<int16_t>(r);
            if (Val(m.gCorrTable(1, b, 2, r)) != kNoValue && Val(rowDepth(r)) != kNoValue) last = r;
            if (model::IsBottomLabel(label(r))) {
                double offset = Val(psp(r)) - Val(psp(last));
                if (composite && static_cast<float>(Val(rowDepth(last)) + offset) > depth) { bottom = r; break; }
                if (drilling && static_cast<float>(Val(drillDepth(last)) + offset) > depth) { bottom = r; break; }
            }
        }
        st.gRowA = st.gRowB = 0;
        if (composite || drilling) {
            for (long r = st.gTopRow;; ++r) {
                bool tie = psp(r) != "9999" && rowDepth(r) != "9999" && (composite ? r <= bottom : r < bottom);
                if (tie) {
                    st.gRowA = st.gRowB;
                    st.gRowB = static_cast<int16_t>(r);
                }
                if (rowDepth(r) != "9999" && drillDepth(r) != "9999" && static_cast<float>(Val(rowDepth(r))) > depth &&
                    st.gRowA > 0)
                    break;
                if (composite && r >= bottom) break;
            }
        }
        int n = 0;
        if (st.gDrivenBy != quillory::DrivenBy::kDivider) {
            if (st.gTopRow == 0) return false;
            divider.Combo1(0).Clear();
            divider.Combo1(1).Clear();
            for (long r = st.gTopRow;; ++r) {
                if (CDbl(psp(r)) != kNoValue) {
                    divider.Combo1(0).AddItem(label(r));
                    divider.Combo1(1).AddItem(label(r));
                    ++n;
                    if (n >= quillory::kSectionLaminaeRows) return false;
                    st.gSectionLaminae[n] = {label(r), psp(r), rowDepth(r)};
                }
                if (model::IsBottomLabel(label(r))) break;
            }
            divider.Label5.SetCaption(m.gBoreHoleName.at(b) + "-" + m.gSectionName(b, model::CountTops(m, b, st.gTopRow)));
        }
        const double top = f.BoreHole(b).Draw().ScaleTop(), centre = top + st.gRange / 2.0;
        st.gTargetCD = static_cast<float>(centre);
        if (drilling) {
            st.gPSP = static_cast<float>(depth - Val(drillDepth(st.gTopRow)));
        } else if (composite) {
            if (st.gRowB == 0) return false;
            const double cB = CDbl(rowDepth(st.gRowB)), pB = CDbl(psp(st.gRowB));
            const double slack = single(std::max(std::abs(top), std::abs(centre)));
            double t = atTie(st.gTargetCD, cB, slack);
            const bool oneToOne = m.gExtrapolation == model::Extrapolation::kOneToOne;
            if (oneToOne && static_cast<float>(cB) < static_cast<float>(t)) {
                st.gPSP = atTop(pB - (cB - t), slack);
            } else {
                if (st.gRowA == 0) return false;
                const double cA = CDbl(rowDepth(st.gRowA)), pA = CDbl(psp(st.gRowA));
                t = atTie(t, cA, slack);
                if (oneToOne && static_cast<float>(cA) > static_cast<float>(t))
                    st.gPSP = atTop(pA + (t - cA), slack);
                else
                    st.gPSP = atTop(pA + values::Divide((t - cA) * (pB - pA), cB - cA),
                                    slack * std::abs(values::Divide(pB - pA, cB - cA)));
            }
        }
        f.BoreHole(b).ToolTipText = "Target depth: " + values::SingleText(st.gPSP) + " (cm)";
        if (st.gDrivenBy != quillory::DrivenBy::kDivider)
            for (int i = n + 1; i <= quillory::kSectionLaminaeCleared; ++i) st.gSectionLaminae[i] = {};
        f.Label4.SetCaption(values::Str(st.gTopRow) + "/" + values::Str(st.gRowA) + "/" + values::Str(st.gRowB));
        return composite || drilling;
    } catch (const values::RuntimeError&) {
        return false;
    }
}

class PositionSearchTest : public MainWindowTest {
protected:
    quillory::FrmDivider& Divider() { return q.frmDivider(); }

    Outcome Take(int16_t b, bool found) {
        quillory::FrmMain& f = Main();
        Outcome o;
        o.found = found;
        o.psp = f.state.gPSP;
        o.target = f.state.gTargetCD;
        o.top = f.state.gTopRow;
        o.a = f.state.gRowA;
        o.b = f.state.gRowB;
        for (int k = 0; k < 2; ++k)
            for (int i = 0; i < Divider().Combo1(k).ListCount(); ++i) o.lists[k].push_back(Divider().Combo1(k).List(i));
        o.laminae = f.state.gSectionLaminae;
        o.section = Divider().Label5.Caption();
        o.tooltip = f.BoreHole(b).ToolTipText;
        o.rows = f.Label4.Caption();
        return o;
    }
    void Restore(int16_t b, const Outcome& o) {
        quillory::FrmMain& f = Main();
        f.state.gPSP = o.psp;
        f.state.gTargetCD = o.target;
        f.state.gTopRow = o.top;
        f.state.gRowA = o.a;
        f.state.gRowB = o.b;
        for (int k = 0; k < 2; ++k) {
            Divider().Combo1(k).Clear();
            for (const std::string& item : o.lists[k]) Divider().Combo1(k).AddItem(item);
        }
        f.state.gSectionLaminae = o.laminae;
        Divider().Label5.SetCaption(o.section);
        f.BoreHole(b).ToolTipText = o.tooltip;
        f.Label4.SetCaption(o.rows);
    }

    // GetPSP at a level against the walk, both from the same state.
    void Compare(int16_t b, float depth, const std::string& what) {
        const Outcome before = Take(b, false);
        const bool walked = WalkedGetPSP(Main(), Divider(), b, depth);
        const Outcome expected = Take(b, walked);
        Restore(b, before);
        const Outcome actual = Take(b, Main().GetPSP(b, depth));
        const std::string where = what + " bore hole " + std::to_string(b) + " level " + values::SingleText(depth);
        ++compared;
        EXPECT_EQ(actual.found, expected.found) << where;
        EXPECT_EQ(std::bit_cast<uint32_t>(actual.psp), std::bit_cast<uint32_t>(expected.psp)) << where;
        EXPECT_EQ(std::bit_cast<uint32_t>(actual.target), std::bit_cast<uint32_t>(expected.target)) << where;
        EXPECT_EQ(actual.top, expected.top) << where;
        EXPECT_EQ(actual.a, expected.a) << where;
        EXPECT_EQ(actual.b, expected.b) << where;
        EXPECT_EQ(actual.lists[0], expected.lists[0]) << where;
        EXPECT_EQ(actual.lists[1], expected.lists[1]) << where;
        EXPECT_EQ(actual.section, expected.section) << where;
        EXPECT_EQ(actual.tooltip, expected.tooltip) << where;
        EXPECT_EQ(actual.rows, expected.rows) << where;
        ASSERT_EQ(actual.laminae.size(), expected.laminae.size());
        for (size_t i = 0; i < actual.laminae.size(); ++i) {
            EXPECT_EQ(actual.laminae[i].label, expected.laminae[i].label) << where << " lamina " << i;
            EXPECT_EQ(actual.laminae[i].psp, expected.laminae[i].psp) << where << " lamina " << i;
            EXPECT_EQ(actual.laminae[i].compositeDepth, expected.laminae[i].compositeDepth) << where << " lamina " << i;
        }
    }

    // Levels spread over the model, the depths the walk compares with and
    // the single-precision steps beside them.
    std::vector<float> Levels(std::mt19937& random, int count) {
        const model::DepthModel& m = Main().state.model;
        std::vector<float> levels{-50, 0};
        float deepest = 0;
        // Cells Val cannot read give no level.
        auto val = [](const std::string& text) {
            try {
                return Val(text);
            } catch (const values::RuntimeError&) {
                return 0.0;
            }
        };
        for (long r = 1; r <= m.gRowCount; ++r) {
            const double cd = val(m.gCorrRow(1, r));
            if (cd != 9999) deepest = std::max(deepest, static_cast<float>(cd));
        }
        for (int i = 0; i < count; ++i) {
            const float level = static_cast<float>(std::uniform_real_distribution<double>(-20, deepest + 50)(random));
            levels.push_back(level);
        }
        for (int i = 0; i < count / 2; ++i) {
            const long r = 1 + static_cast<long>(random() % m.gRowCount);
            for (int k = 1; k <= 2; ++k) {
                const float at = static_cast<float>(val(k == 1 ? m.gCorrRow(1, r) : m.gCorrTable(0, 1 + random() % 4, 2, r)));
                levels.insert(levels.end(), {at, std::nextafter(at, -1e9f), std::nextafter(at, 1e9f)});
            }
        }
        return levels;
    }

    // Every bore hole and level on the composite, drilling and event-free scales,
    // with the divider writing or not.
    void CompareAcross(const std::string& what, int count, unsigned seed = 1) {
        // The event-free scale needs the event list.
        std::vector<int> scales{1, 0};
        if (Main().state.model.gEventsLoaded) scales.push_back(2);
        CompareOn(scales, what, count, seed);
    }
    // The same on the scales given; the scale already chosen is not chosen again.
    void CompareOn(const std::vector<int>& scales, const std::string& what, int count, unsigned seed) {
        std::mt19937 random(seed);
        ASSERT_FALSE(Main().Command1.Enabled());
        const std::vector<float> levels = Levels(random, count);
        for (int scale : scales) {
            if (!Main().Option2(scale).Value()) Main().Option2(scale).SetValue(true);
            for (int16_t b = 1; b <= 4; ++b)
                for (size_t i = 0; i < levels.size(); ++i) {
                    Main().state.gDrivenBy = i % 7 == 3 ? quillory::DrivenBy::kDivider : quillory::DrivenBy::kNobody;
                    Compare(b, levels[i], what + " scale " + std::to_string(scale));
                }
        }
        Main().state.gDrivenBy = quillory::DrivenBy::kNobody;
    }

    void LoadModel(const std::string& text) {
        // Each model in a file of its own name; the button is disabled once a model is read.
        Main().Command1.SetEnabled(true);
        Import(Main().Command1, "model" + std::to_string(++loaded) + "_20240209.csv", text);
        for (const auto& message : services.messages) ASSERT_NE(message.request.text, "File format error.");
        ASSERT_GT(Main().state.model.gRowCount, 1);
        ASSERT_FALSE(Main().Command1.Enabled());
    }

    long compared = 0;
    int loaded = 0;
};

// A model in the example's layout: lamina rows tie the bore holes in their
// sections; a section's top and bottom are rows of their own without a
// composite depth. Shuffled, the composite depths no longer ascend.
std::string GeneratedModel(std::mt19937& random, int rows, bool shuffled) {
    const char* holes = "ABCD";
    std::string text = Record({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)", "PSP", "Depth",
                               "Bore hole (C)", "PSP", "Depth", "Bore hole (D)", "PSP", "Depth", "Composite depth"});
    std::array<int, 4> section{}, inSection{};
    std::array<double, 4> start{}, drillStart{};
    double cd = 0;
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    auto cell = [&](double v) { return values::SingleText(static_cast<float>(std::round(v * 10) / 10)); };
    for (int row = 0; row < rows; ++row) {
        cd += std::uniform_real_distribution<double>(0.5, 8)(random);
        // The first row opens a section: a longer label there would be taken
        // for a master-core title.
        const int k = row == 0 ? 0 : static_cast<int>(random() % 4);
        std::vector<std::string> cells(14, "*");
        auto level = [&](int h, const std::string& label, double psp) {
            cells[1 + 3 * h] = label;
            cells[2 + 3 * h] = cell(psp);
            cells[3 + 3 * h] = cell(drillStart[h] + psp);
        };
        auto name = [&](int h, const char* end) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%c-%02d-%s", holes[h], section[h], end);
            return std::string(buffer);
        };
        cells[13] = "---";
        if (!inSection[k] && (row == 0 || chance(30))) {
            ++section[k];
            inSection[k] = 1;
            start[k] = cd;
            drillStart[k] = cd + std::uniform_real_distribution<double>(-20, 20)(random);
            level(k, name(k, chance(50) ? "top" : "Top"), 0);
            cells[0] = "";
        } else if (inSection[k] && chance(8)) {
            inSection[k] = 0;
            level(k, name(k, chance(50) ? "Bot" : "bottom"), cd - start[k]);
            cells[0] = "";
        } else {
            cells[0] = chance(3) ? (chance(50) ? "Gap" : "Pin") : "M" + std::to_string(row);
            bool any = false;
            for (int h = 0; h < 4; ++h)
                if (inSection[h] && chance(70)) {
                    level(h, cells[0], cd - start[h]);
                    any = true;
                }
            const double shown = shuffled && chance(10) ? cd - std::uniform_real_distribution<double>(0, 200)(random) : cd;
            if (any && !chance(5)) cells[13] = cell(shown);
        }
        text += Record(cells);
    }
    return text;
}

TEST_F(PositionSearchTest, GivesWhatTheWalkGaveOverTheExampleModel) {
    std::ifstream file(std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_correlation_20240209.csv", std::ios::binary);
    LoadModel(std::string(std::istreambuf_iterator<char>(file), {}));
    std::ifstream events(std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_event_layers_20240212.csv", std::ios::binary);
    Import(Main().Command3, "QL22_event_layers_20240212.csv", std::string(std::istreambuf_iterator<char>(events), {}));
    ASSERT_TRUE(Main().state.model.gEventsLoaded);
    CompareAcross("example", 300);
    EXPECT_GT(compared, 10000);
}

TEST_F(PositionSearchTest, GivesWhatTheWalkGaveOverGeneratedModels) {
    std::mt19937 random(11);
    LoadModel(GeneratedModel(random, 1500, false));
    CompareAcross("generated", 150, 2);
    LoadModel(GeneratedModel(random, 1500, true));
    CompareAcross("shuffled", 150, 3);
}

// The import takes numbers only; cells written after it may hold anything.
// Texts that Val cannot read leave the search to the walk. Cells are written
// in the planes given, as a position, a drilling depth or a row depth.
void WriteOddCells(model::DepthModel& m, std::mt19937& random, const std::vector<std::string>& odd, int count,
                   const std::vector<std::array<long, 2>>& columns) {
    for (int i = 0; i < count; ++i) {
        const long r = 1 + static_cast<long>(random() % static_cast<unsigned long>(m.gRowCount));
        const std::string& text = odd[random() % odd.size()];
        const auto [plane, field] = columns[random() % columns.size()];
        if (plane < 0)
            m.gCorrRow(1, r) = text;
        else
            m.gCorrTable(plane, 1 + static_cast<long>(random() % 4), field, r) = text;
    }
}

TEST_F(PositionSearchTest, GivesWhatTheWalkGaveWhereCellsAreNoNumbers) {
    std::mt19937 random(5);
    LoadModel(GeneratedModel(random, 600, false));
    WriteOddCells(Main().state.model, random, {"abc", "12x", " 7 ", "9999", "---", "*", ""}, 40,
                  {{0, 1}, {0, 2}, {1, 2}, {-1, 0}});
    CompareAcross("odd cells", 100, 5);
    // Beyond a double, only in cells the drawing of the chosen scale does not read.
    LoadModel(GeneratedModel(random, 600, true));
    Main().Option2(1).SetValue(true);
    WriteOddCells(Main().state.model, random, {"1e999", "abc"}, 10, {{0, 1}, {0, 2}});
    CompareOn({1}, "positions beyond a double", 60, 6);
    LoadModel(GeneratedModel(random, 600, false));
    Main().Option2(0).SetValue(true);
    WriteOddCells(Main().state.model, random, {"1e999"}, 5, {{1, 2}});
    CompareOn({0}, "depths beyond a double", 60, 7);
}

TEST_F(PositionSearchTest, GivesWhatTheWalkGaveOverTheSmallModelAndAfterItsCellsChange) {
    LoadModel(CorrelationModel());
    Import(Main().Command3, "events.csv", EventList());
    CompareAcross("small", 60);
    // A cell written in place is read anew.
    model::DepthModel& m = Main().state.model;
    m.gCorrRow(1, 2) = "250";
    m.gCorrTable(0, 1, 1, 3) = "x";
    CompareAcross("changed", 60);
    m.gRowCount = 4;
    CompareAcross("fewer rows counted", 60);
}

}  // namespace
}  // namespace main_test
