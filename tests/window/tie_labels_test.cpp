// Once a correlation model is read, each window tells the platform the
// labels its columns print at the tie rows, in the columns' font: every tie
// label a bore-hole column prints is one it announced, at any level, and a
// new font size announces them again in that size.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"

namespace {

using namespace forms;

const std::string kExamples = QUILLORY_SOURCE_DIR "/examples/";

struct Announced {
    std::set<std::string> texts;
    double size = 0;
    bool bold = false;
};

class AnnouncingServices : public HeadlessServices {
public:
    std::map<const Surface*, Announced> announced;
    void TextsAhead(const Surface& surface, const std::vector<std::string>& texts, double size, bool bold) override {
        announced[&surface] = {{texts.begin(), texts.end()}, size, bold};
    }
};

class TieLabelsTest : public ::testing::Test {
protected:
    AnnouncingServices services;
    Application app{services};
    quillory::Quillory q{app};

    void SetUp() override { q.frmMain().Show(); }
    void Open(CommandButton& button, const std::string& file) {
        services.fileAnswers.push_back(kExamples + file);
        button.UserClick();
    }
    // Every text the kept drawing of bore-hole column bh shows is announced
    // for it, in the size it is printed in.
    void ExpectPrintedLabelsAnnounced(quillory::CoreWindow& w, const std::string& when) {
        int labels = 0;
        for (int bh = 1; bh <= 4; ++bh) {
            const Surface& column = w.BoreHole(bh).Draw();
            const Announced& ahead = services.announced[&column];
            const DrawingLayer* kept = column.KeptLayer();
            ASSERT_NE(kept, nullptr);
            for (const Primitive& p : kept->primitives) {
                if (p.kind != PrimitiveKind::Text) continue;
                ++labels;
                EXPECT_TRUE(ahead.texts.contains(p.text)) << w.Name() << " " << bh << " " << p.text << " " << when;
                EXPECT_EQ(p.fontSize, ahead.size) << when;
                EXPECT_EQ(p.fontBold, ahead.bold) << when;
            }
        }
        EXPECT_GT(labels, 0) << w.Name() << " " << when;
    }
};

TEST_F(TieLabelsTest, EveryTieLabelAColumnPrintsWasAnnouncedInItsFont) {
    quillory::FrmMain& f = q.frmMain();
    Open(f.Command1, "QL22_correlation_20240209.csv");
    Open(f.Command3, "QL22_event_layers_20240212.csv");
    const Announced& a = services.announced[&f.BoreHole(1).Draw()];
    EXPECT_TRUE(a.texts.contains("M001 (6.1 cm)"));
    EXPECT_TRUE(a.texts.contains("A-01-top (0.0 cm)"));
    EXPECT_FALSE(a.texts.contains("9999 (9999 cm)"));
    EXPECT_TRUE(services.announced[&f.BoreHole(0).Draw()].texts.contains("M001"));
    for (const char* level : {"240", "1033.5", "1750"}) {
        f.Text2.UserSelectAll();
        for (const char* c = level; *c; ++c) f.Text2.UserKeyChar(*c);
        ExpectPrintedLabelsAnnounced(f, level);
    }
    f.mnuSize(9).UserChoose();
    EXPECT_EQ(services.announced[&f.BoreHole(2).Draw()].size, 9);
    ExpectPrintedLabelsAnnounced(f, "at size 9");

    f.mnuQYDuo->UserChoose();
    services.messageAnswers.push_back(vbYes);
    services.fileAnswers.push_back(kExamples + "QL23_duo_correlation_20240301.csv");
    services.fileAnswers.push_back(kExamples + "QL23_duo_event_layers_20240305.csv");
    quillory::Frm2Main& duo = q.frm2Main();
    duo.Command1.UserClick();
    duo.Text2.UserSelectAll();
    for (char c : std::string("150")) duo.Text2.UserKeyChar(c);
    EXPECT_TRUE(services.announced[&duo.BoreHole(1).Draw()].texts.contains("E-01-top (0.0 cm)"));
    ExpectPrintedLabelsAnnounced(duo, "in the Duo window");
}

}  // namespace
