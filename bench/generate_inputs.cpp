#include "bench/generate_inputs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <tuple>

namespace bench {
namespace {

constexpr double kMarkerSpacing = 5.0;  // cm of composite depth between marker laminae

// Uniform in [lo, hi) from the generator's raw output, the same on every platform.
double Uniform(std::mt19937& random, double lo, double hi) { return lo + (hi - lo) * (random() / 4294967296.0); }

void AppendNumber(std::string& out, double value, int decimals) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    out.append(buf, end);
}

std::string Fixed(double value, int decimals = 1) {
    std::string s;
    AppendNumber(s, value, decimals);
    return s;
}

std::string MarkerName(long marker) {
    std::string s = std::to_string(marker);
    s.insert(s.begin(), 'M');
    return s;
}

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    if (s.size() < 2) s.insert(s.begin(), '0');
    return s;
}

// Rows of the correlation model in composite-depth order: a section's top or
// bottom row, or a marker lamina seen in every section that holds it.
struct Row {
    double depth;
    int order;  // bottoms before tops before markers at one depth
    const Section* section;
    long marker;
};

double PspAt(const Section& s, double depth) { return (depth - s.top) / s.stretch; }
bool Holds(const Section& s, double depth) {
    const double p = PspAt(s, depth);
    return p >= 1.0 && p <= s.length - 1.0;
}

// The section of a bore hole that holds a level, if any; sections of one bore
// hole follow each other downwards.
const Section* SectionAt(const std::vector<Section>& sections, char boreHole, double depth) {
    auto first = std::lower_bound(sections.begin(), sections.end(), std::make_pair(boreHole, depth),
                                  [](const Section& s, const std::pair<char, double>& key) {
                                      return std::tie(s.boreHole, s.top) < std::tie(key.first, key.second);
                                  });
    if (first == sections.begin()) return nullptr;
    const Section& s = *(first - 1);
    return s.boreHole == boreHole && Holds(s, depth) ? &s : nullptr;
}

bool HeldAnywhere(const CoreLayout& layout, double depth) {
    for (char b : layout.letters)
        if (SectionAt(layout.sections, b, depth)) return true;
    return false;
}

// The rows of the sections' tops and bottoms and of the markers every 5 cm
// that some section holds, then `extra` more markers between them from the top.
std::vector<Row> Rows(const CoreLayout& layout, long extra) {
    const std::vector<Section>& sections = layout.sections;
    std::vector<Row> rows;
    double deepest = 0;
    for (const Section& s : sections) {
        rows.push_back({s.top, 1, &s, 0});
        rows.push_back({s.top + s.length * s.stretch, 0, &s, 0});
        deepest = std::max(deepest, s.top + s.length * s.stretch);
    }
    long marker = 0;
    for (long i = 1; i * kMarkerSpacing < deepest; ++i)
        if (HeldAnywhere(layout, i * kMarkerSpacing)) rows.push_back({i * kMarkerSpacing, 2, nullptr, ++marker});
    for (long i = 0; extra > 0 && (i + 0.5) * kMarkerSpacing < deepest; ++i)
        if (HeldAnywhere(layout, (i + 0.5) * kMarkerSpacing)) {
            rows.push_back({(i + 0.5) * kMarkerSpacing, 2, nullptr, ++marker});
            --extra;
        }
    std::sort(rows.begin(), rows.end(),
              [](const Row& a, const Row& b) { return std::tie(a.depth, a.order) < std::tie(b.depth, b.order); });
    return rows;
}

void AppendCells(std::string& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) out += ',';
        out += '\'';
        out += cells[i];
    }
    out += "\r\n";
}

}  // namespace

CoreLayout MakeLayout(int tieRows, unsigned seed, const std::string& letters) {
    // About 0.28 rows per cm: a marker every 5 cm, two rows per metre-long section in four bore holes.
    const double depth = tieRows / 0.28 + 200;
    CoreLayout layout;
    layout.letters = letters;
    std::mt19937 random(seed);
    for (int b = 0; b < 4; ++b) {
        double end = -100;
        for (int n = 1;; ++n) {
            const double drilled = 25.0 * b + 100.0 * (n - 1);
            const double top = std::round(std::max(drilled + Uniform(random, -1, 3), end + Uniform(random, 1, 4)) * 10) / 10;
            const double length = std::round(Uniform(random, 94, 99.5) * 10) / 10;
            const double stretch = std::round(Uniform(random, 970, 1030)) / 1000;
            if (top > depth) break;
            layout.sections.push_back({letters[b], n, top, length, stretch});
            end = top + length * stretch;
        }
    }
    // Drop the deepest sections until the rows fit, then fill up with markers.
    auto byTop = [](const Section& a, const Section& b) { return a.top > b.top; };
    while (static_cast<long>(Rows(layout, 0).size()) > tieRows)
        layout.sections.erase(std::min_element(layout.sections.begin(), layout.sections.end(), byTop));
    layout.extraMarkers = tieRows - static_cast<long>(Rows(layout, 0).size());
    return layout;
}

namespace {

// The correlation model's records; `master`, when given, adds the four master
// items to each (the header's titles first).
using MasterCells = std::vector<std::string> (*)(const CoreLayout& master, const Row* row);

std::string CorrelationRecords(const CoreLayout& layout, const CoreLayout* master, MasterCells masterCells) {
    std::string out;
    std::vector<std::string> cells = {"Lamina name"};
    for (char b : layout.letters) {
        cells.push_back(std::string("Core G") + b + " (" + b + ")");
        cells.push_back(std::string("PSP ") + b);
        cells.push_back(std::string("Drilling depth ") + b);
    }
    cells.push_back("Composite depth (cm)");
    auto appendMaster = [&](const Row* row) {
        if (!master) return;
        for (std::string& cell : masterCells(*master, row)) cells.push_back(std::move(cell));
    };
    appendMaster(nullptr);
    AppendCells(out, cells);

    for (const Row& row : Rows(layout, layout.extraMarkers)) {
        cells.assign(14, "*");
        for (int b = 0; b < 4; ++b) {
            const char letter = layout.letters[b];
            const Section* s = row.section;
            std::string label;
            double psp = 0;
            if (s && s->boreHole == letter) {
                label = std::string(1, s->boreHole) + "-" + TwoDigits(s->number) + (row.order == 1 ? "-top" : "-Bot");
                psp = row.order == 1 ? 0.0 : s->length;
            } else if (!s) {
                s = SectionAt(layout.sections, letter, row.depth);
                if (!s) continue;
                label = MarkerName(row.marker);
                psp = std::round(PspAt(*s, row.depth) * 10) / 10;
            } else {
                continue;
            }
            cells[1 + 3 * b] = label;
            cells[2 + 3 * b] = Fixed(psp);
            cells[3 + 3 * b] = Fixed(25.0 * b + 100.0 * (s->number - 1) + psp);
        }
        // The first row's label must be short: the layout test reads it.
        cells[0] = row.section ? "" : MarkerName(row.marker);
        cells[13] = row.section ? "---" : Fixed(row.depth);
        appendMaster(&row);
        AppendCells(out, cells);
    }
    return out;
}

// The master position of a Duo row: none for a section's top or bottom, else
// the first master section that holds the level.
std::vector<std::string> MasterPosition(const CoreLayout& master, const Row* row) {
    if (!row) return {"Master bore hole", "Master section", "Master PSP", "Master label (Core GA)"};
    if (!row->section) {
        const double depth = kDuoStretch * row->depth + kDuoOffset;
        for (char b : master.letters)
            if (const Section* s = SectionAt(master.sections, b, depth))
                return {std::string(1, b), TwoDigits(s->number), Fixed(std::round(PspAt(*s, depth) * 10) / 10),
                        "Duo" + MarkerName(row->marker)};
    }
    return {"---", "---", "---", "---"};
}

}  // namespace

std::string CorrelationModelFile(const CoreLayout& layout) { return CorrelationRecords(layout, nullptr, nullptr); }

std::string DuoCorrelationModelFile(const CoreLayout& duo, const CoreLayout& master) {
    return CorrelationRecords(duo, &master, MasterPosition);
}

std::string EventListFile(const CoreLayout& layout, int layers, unsigned seed) {
    static const char* kTypes[] = {"Tephra", "Void", "Turbidite", "Slump", "Cryptotephra", "void (gas)"};
    std::mt19937 random(seed);
    std::string out = "Bore hole,Section,Top (cm),Bottom (cm),Type\r\n";
    for (int i = 0; i < layers && !layout.sections.empty(); ++i) {
        const Section& s = layout.sections[random() % layout.sections.size()];
        const double top = std::round(Uniform(random, 1, s.length - 12) * 10) / 10;
        const double thickness = std::round(Uniform(random, 0.2, 10) * 10) / 10;
        out += std::string(1, s.boreHole) + "," + TwoDigits(s.number) + "," + Fixed(top) + "," +
               Fixed(top + thickness) + "," + kTypes[random() % 6] + "\r\n";
    }
    return out;
}

std::string AgeModelFile(const CoreLayout& layout, int points, unsigned seed) {
    std::mt19937 random(seed);
    double deepest = 0;
    for (const Section& s : layout.sections) deepest = std::max(deepest, s.top);
    std::string out = std::string("Label,Bore hole,Section,PSP (cm),Composite depth (cm) (") + kVersionLabel +
                      "),Error (+) 95.4,Age,Error (-) 95.4,Type,Unit,Remarks\r\n";
    for (int i = 1; i <= points; ++i) {
        const double depth = std::round(deepest * i / (points + 1) * 10) / 10;
        const double age = std::round(10.5 * depth + 0.0009 * depth * depth);
        const double error = std::round(20 + depth * 0.05 + Uniform(random, 0, 30));
        std::string position = "---,---,---," + Fixed(depth);
        const Section* s = i % 2 ? SectionAt(layout.sections, layout.letters[i % 4], depth) : nullptr;
        if (s)
            position = std::string(1, s->boreHole) + "," + TwoDigits(s->number) + "," +
                       Fixed(std::round(PspAt(*s, depth) * 10) / 10) + ",---";
        out += "P-" + std::to_string(i) + "," + position + "," + Fixed(error, 0) + "," + Fixed(age, 0) + "," +
               Fixed(error + 10, 0) + "," + (i % 5 ? "C1" : "V") + "," + (i % 5 ? "cal BP" : "varve yr BP") +
               ",generated\r\n";
    }
    return out;
}

std::string VarveCountsFile(const CoreLayout& layout, int counts, unsigned seed) {
    std::mt19937 random(seed);
    double deepest = 0;
    for (const Section& s : layout.sections) deepest = std::max(deepest, s.top);
    std::string out = "Composite depth (cm),Cumulative varve count\r\n";
    long total = 0;
    for (int i = 0; i < counts; ++i) {
        out += Fixed(std::round(deepest / 4) + 0.5 * i) + "," + std::to_string(total) + "\r\n";
        total += 3 + static_cast<long>(random() % 6);
    }
    return out;
}

std::string TrinitySamplesFile(const CoreLayout& layout, long records, unsigned seed) {
    static const double kSteps[] = {0.2, 0.5, 1.0};
    std::mt19937 random(seed);
    std::string out = "Sample,Bore hole,Section,PSP (cm)\r\n";
    out.reserve(static_cast<size_t>(records) * 32);
    for (long r = 1; r <= records && !layout.sections.empty();) {
        const Section& s = layout.sections[random() % layout.sections.size()];
        const std::string boreHole = random() % 4 ? std::string(1, s.boreHole) : std::string("Core G") + s.boreHole;
        const std::string where = "," + boreHole + "," + TwoDigits(s.number) + ",";
        const double step = kSteps[random() % 3];
        double psp = std::round(Uniform(random, 0, s.length / 2) * 10) / 10;
        const double end = s.length + Uniform(random, -5, 3);  // some runs pass the section's end
        for (long n = 50 + random() % 451; n > 0 && r <= records && psp <= end; --n, ++r, psp += step) {
            out += 'S';
            out += std::to_string(r);
            out += where;
            if (random() % 200 == 0) {
                out += "-9999";
            } else {
                AppendNumber(out, psp, 1);
            }
            out += "\r\n";
        }
    }
    return out;
}

std::string ProxyTrinityFile(const CoreLayout& layout, long samples, int columns, unsigned seed) {
    std::mt19937 random(seed);
    std::string out = "Bore hole,Section,PSP (cm)";
    for (int c = 1; c <= columns; ++c) out += ",E" + std::to_string(c);
    out += "\r\n";
    out.reserve(static_cast<size_t>(samples) * (12 + 7 * static_cast<size_t>(columns)));
    const long sections = static_cast<long>(layout.sections.size());
    for (long i = 0; i < samples && sections > 0; ++i) {
        // Sample i lies in section i * sections / samples, evenly down its length.
        const long k = i * sections / samples;
        const long first = (k * samples + sections - 1) / sections, next = ((k + 1) * samples + sections - 1) / sections;
        const Section& s = layout.sections[k];
        const double psp = 0.5 + (s.length - 1.0) * static_cast<double>(i - first) / static_cast<double>(next - first);
        out += s.boreHole;
        out += ',' + std::to_string(s.number) + ',';
        AppendNumber(out, psp, 1);
        for (int c = 1; c <= columns; ++c) {
            out += ',';
            // Counts of a few hundred with two decimals, now and then a missing one.
            const double v = random() % 200 == 0 ? 9999.0 : Uniform(random, 100, 999);
            AppendNumber(out, v, 2);
        }
        out += "\r\n";
    }
    return out;
}

std::string NumericFile(long records, int fields, unsigned seed) {
    std::mt19937 random(seed);
    std::string out;
    out.reserve(static_cast<size_t>(records) * fields * 7);
    for (long r = 1; r <= records; ++r) {
        out += std::to_string(r);
        for (int f = 1; f < fields; ++f) {
            out += ',';
            // Mostly two or three digits before the point, some negative values.
            double v = Uniform(random, -20, 200);
            AppendNumber(out, v, 2);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace bench
