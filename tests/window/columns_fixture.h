#pragma once
// The main window with a correlation model written for the column drawings:
// each row names its lamina, its composite depth and the label and PSP of
// each bore hole, and the drawings are read back as primitive lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/surface.h"
#include "main/main_window_fixture.h"

namespace forms {
// Primitives in failure messages as a line of their fields.
inline void PrintTo(const Primitive& p, std::ostream* os) {
    *os << "{kind " << static_cast<int>(p.kind) << " (" << p.x1 << ", " << p.y1 << ")-(" << p.x2 << ", " << p.y2
        << ") colour " << p.colour << " fill " << p.fillStyle << "/" << p.fillColour << " \"" << p.text << "\"}";
}
}  // namespace forms

namespace main_test {

struct Level {
    std::string label = "*", psp = "*";
};

// One record: lamina name, the four bore holes' levels, composite depth.
inline std::string Row(const std::string& lamina, const std::string& cd, Level a, Level b = {}, Level c = {},
                       Level d = {}) {
    std::vector<std::string> cells{lamina};
    for (const Level& l : {a, b, c, d}) cells.insert(cells.end(), {l.label, l.psp, l.psp});
    cells.push_back(cd);
    return Record(cells);
}

inline std::string Header() {
    return Record({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)", "PSP", "Depth", "Bore hole (C)",
                   "PSP", "Depth", "Bore hole (D)", "PSP", "Depth", "Composite depth"});
}

// The first row's lamina name must stay empty: a longer first item marks the
// layout with master-core fields. An empty name is kept as 9999.
// Bore hole A: section 01 from 0 to 300, section 02 from 350 to 700, marker
// laminae M1 at 100 and M2 at 500; bore hole B one section from 100 to 500
// with a pin at 200; C and D without sections.
inline std::string ColumnsModel() {
    return Header() + Row("", "0", {"A-01-top", "0"}) +
           Row("M1", "100", {"M1", "100"}, {"B-01-top", "0"}) +
           Row("M1b", "200", {"*", "*"}, {"Pin-1", "100"}) +
           Row("---", "300", {"A-01-Bot", "300"}) + Row("---", "350", {"A-02-top", "0"}) +
           Row("M2", "500", {"M2", "150"}, {"B-01-Bot", "400"}) + Row("---", "700", {"A-02-Bot", "350"});
}

class ColumnsTest : public MainWindowTest {
protected:
    void Load(const std::string& model = ColumnsModel()) {
        Import(Main().Command1, "model_20240209.csv", model);
        ASSERT_TRUE(services.messages.empty()) << services.messages[0].request.text;
    }
    // Moves the view to a composite depth as a typed level does.
    void GoTo(const std::string& level) {
        Type(Main().Text2, level);
        ASSERT_EQ(Main().Label1(8).Caption(), level);
    }

public:
    static bool HasLine(const std::vector<forms::Primitive>& list, double x1, double y1, double x2, double y2,
                        forms::Colour colour) {
        return std::any_of(list.begin(), list.end(), [&](const forms::Primitive& p) {
            return p.kind == forms::PrimitiveKind::Line && p.colour == colour && p.x1 == x1 && p.y1 == y1 &&
                   p.x2 == x2 && p.y2 == y2;
        });
    }
    static std::vector<forms::Primitive> Of(const std::vector<forms::Primitive>& list, forms::PrimitiveKind kind,
                                            forms::Colour colour) {
        std::vector<forms::Primitive> out;
        std::copy_if(list.begin(), list.end(), std::back_inserter(out),
                     [&](const forms::Primitive& p) { return p.kind == kind && p.colour == colour; });
        return out;
    }

protected:
    forms::Surface& Column(int i) { return Main().BoreHole(i).Draw(); }
    const std::vector<forms::Primitive>& Kept(int i) { return Column(i).KeptLayer()->primitives; }

    static std::vector<std::string> Texts(const std::vector<forms::Primitive>& list) {
        std::vector<std::string> out;
        for (const forms::Primitive& p : list)
            if (p.kind == forms::PrimitiveKind::Text) out.push_back(p.text);
        return out;
    }
    static bool HasBand(const std::vector<forms::Primitive>& list, forms::Colour colour, double y1, double y2) {
        return std::any_of(list.begin(), list.end(), [&](const forms::Primitive& p) {
            return p.kind == forms::PrimitiveKind::FilledBox && p.colour == colour && p.x1 == 0 && p.x2 == 7.6 &&
                   p.y1 == y1 && p.y2 == y2;
        });
    }
};

}  // namespace main_test
