// The core window's procedures run over either window side: over the Duo
// window's own state, controls and tool windows, and towards whatever
// counterpart the window is given.
#include <gtest/gtest.h>

#include "columns_fixture.h"
#include "model/correlation_import.h"
#include "model/item_reader.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using quillory::CoreWindow;

// The Duo side holding the same correlation model as the main side, read
// straight into its state, its columns on the main window's view.
class DuoSideTest : public ColumnsTest {
protected:
    void SetUp() override {
        ColumnsTest::SetUp();
        Load();
        model::ItemReader file(ColumnsModel());
        model::CorrelationImport shown;
        model::ImportCorrelationModel(q.duo.model, file, "model_20240209.csv", shown);
        // No row is tied to the master core.
        q.duoSide.master.gMasterRow.Redim(3, q.duo.model.gRowCount + 1);
        for (long r = 0; r <= q.duo.model.gRowCount; ++r)
            for (int c = 0; c < 3; ++c) q.duoSide.master.gMasterRow(c, r) = "9999";
        Duo().Command1.SetEnabled(false);
    }
    CoreWindow& Duo() { return q.frm2Main(); }
    void ShowTheMainView() {
        CoreWindow& main = Main();
        Duo().SetHeight(main.Height());
        for (int i = 0; i <= 5; ++i) {
            Duo().BoreHole(i).SetBackColor(main.BoreHole(i).Draw().BackColor());
            Duo().BoreHole(i).Draw().SetScaleTop(main.BoreHole(i).Draw().ScaleTop());
            Duo().BoreHole(i).Draw().SetScaleHeight(main.BoreHole(i).Draw().ScaleHeight());
        }
        q.duo.gRange = q.main.gRange;
        q.duo.gFontSize = q.main.gFontSize;
        q.duo.gLayoutA = q.main.gLayoutA;
    }
};

TEST_F(DuoSideTest, TheDuoSideDrawsItsOwnModelOnItsOwnColumns) {
    GoTo("250");
    ShowTheMainView();
    Duo().DrawLamina();
    Main().DrawLamina();
    // The tie lines and bands of the bore holes are the main side's; the
    // frames differ (the Duo outlines what the main window crosses).
    auto levels = [](const std::vector<forms::Primitive>& list) {
        std::vector<std::pair<double, double>> out;
        for (const forms::Primitive& p : list) out.emplace_back(p.y1, p.y2);
        return out;
    };
    using forms::PrimitiveKind;
    for (int i = 1; i <= 4; ++i) {
        const auto& duo = Duo().BoreHole(i).Draw().KeptLayer()->primitives;
        for (forms::Colour c : {quillory::columns::kTie, quillory::columns::kSectionTie})
            EXPECT_EQ(levels(Of(duo, PrimitiveKind::Line, c)), levels(Of(Kept(i), PrimitiveKind::Line, c))) << i;
        EXPECT_EQ(levels(Of(duo, PrimitiveKind::FilledBox, quillory::columns::kLightCyan)),
                  levels(Of(Kept(i), PrimitiveKind::FilledBox, quillory::columns::kLightCyan)))
            << i;
    }
    // The Duo's redraw touched nothing of the main window.
    q.main.model.gRowCount = 0;
    Duo().DrawLamina();
    EXPECT_FALSE(Kept(1).empty());
}

TEST_F(DuoSideTest, APositionSearchOverTheDuoSideFillsItsOwnStateAndDivider) {
    ShowTheMainView();
    q.duo.gRange = 500;
    Duo().BoreHole(1).Draw().SetScaleTop(150 - 250);
    const float mainPSP = q.main.gPSP;
    const std::string mainSection = q.frmDivider().Label5.Caption();
    ASSERT_TRUE(Duo().GetPSP(1, 150));
    EXPECT_FLOAT_EQ(q.duo.gPSP, 150);
    EXPECT_FLOAT_EQ(q.main.gPSP, mainPSP);
    EXPECT_EQ(q.frm2Divider().Label5.Caption(), "A-01");
    EXPECT_NE(mainSection, "A-01");
    EXPECT_EQ(q.frm2Divider().Combo1(0).ListCount(), 3);
    EXPECT_EQ(q.duo.gSectionLaminae[2].label, "M1");
    EXPECT_EQ(q.frmDivider().Label5.Caption(), mainSection);
}

TEST_F(DuoSideTest, ARangeFromTheDuoWindowRunsTheMasterPassFirstWhileLinked) {
    q.shared.gDuoModelLoaded = true;
    Duo().Option4(0).SetValue(true);  // drawn on the master core: the Duo takes the main scales
    Duo().SetRange(1000);
    EXPECT_EQ(q.main.gRange, 1000);
    EXPECT_EQ(q.duo.gRange, 1000);
    EXPECT_TRUE(Main().mnuCM(1000).Checked());
    EXPECT_TRUE(Duo().mnuCM(1000).Checked());
    EXPECT_DOUBLE_EQ(Duo().BoreHole(1).Draw().ScaleTop(), Main().BoreHole(1).Draw().ScaleTop());

    // Unlinked, the range stays in the window that chose it.
    Duo().mnuLink->SetChecked(false);
    Duo().Option4(1).SetValue(true);
    Duo().SetRange(200);
    EXPECT_EQ(q.main.gRange, 1000);
    EXPECT_EQ(q.duo.gRange, 200);
    EXPECT_TRUE(Main().mnuCM(1000).Checked());
}

// A counterpart that converts by a fixed offset and records what it was asked.
class OffsetCounterpart : public quillory::Counterpart {
public:
    explicit OffsetCounterpart(quillory::Quillory& q) : q_(q) {}
    CoreWindow& Window() override { return q_.frm2Main(); }
    CoreWindow* LoadedWindow() override { return q_.frm2Main.IfLoaded(); }
    quillory::SideState& State() override { return q_.duo; }
    float ToOtherCD(float depth) override {
        asked.push_back(depth);
        return depth + 1000;
    }
    const model::DuoModelLink* DuoModel() override { return nullptr; }
    void TakeAgeModel() override { calls.push_back("take ages"); }
    void DropAgeModel() override { calls.push_back("drop ages"); }
    std::vector<float> asked;
    std::vector<std::string> calls;

private:
    quillory::Quillory& q_;
};

// A main window of its own over the main side, whose other window is reached
// through the stand-in.
class StandInCounterpartTest : public MainWindowTest {
protected:
    OffsetCounterpart counterpart{q};
    forms::FormSlot<quillory::FrmMain> slot{app, "frmMainUnderTest", [this] {
        quillory::CoreEnvironment env{q.shared,
                                      q.main,
                                      quillory::SideTools{q.frmDivider, q.frmVersion, q.frmExport, q.frmSelect,
                                                          q.frmConversion},
                                      counterpart,
                                      {&q.frmPhoto, &q.frm2Photo, &q.frm3Photo, &q.frm4Photo},
                                      [](const forms::Form&) {}};
        return std::make_unique<quillory::FrmMain>(app, env, quillory::MainTools{q.frmRX93, q.frmTest, q.frmPass, [] {}});
    }};
    quillory::FrmMain& Window() { return slot(); }

    void SetUp() override {
        Window().Show();
        Import(Window().Command1, "model_20240209.csv", CorrelationModel());
        counterpart.asked.clear();
    }
};

TEST_F(StandInCounterpartTest, AUserActionIsPushedOnceThroughTheCounterpartsConversion) {
    q.shared.gDuoModelLoaded = true;
    Type(Window().Text2, "32");
    EXPECT_EQ(q.frm2Main().Text2.Text(), "1032");
    EXPECT_EQ(counterpart.asked, (std::vector<float>{3, 32}));
    EXPECT_EQ(q.duo.gDrivenBy, quillory::DrivenBy::kNobody);
    EXPECT_EQ(q.shared.gActionCount.Get(), quillory::ActionCount::kPushed);

    // Without a Duo model nothing is pushed or converted.
    q.shared.gDuoModelLoaded = false;
    counterpart.asked.clear();
    Type(Window().Text2, "40");
    EXPECT_TRUE(counterpart.asked.empty());
    EXPECT_EQ(q.frm2Main().Text2.Text(), "1032");
}

TEST_F(StandInCounterpartTest, TheTargetLineIsMirroredAtTheConvertedLevelUnlessTheDuoFitsTheMaster) {
    q.shared.gDuoModelLoaded = true;
    CoreWindow& duo = q.frm2Main();
    Window().TargetLine(250);
    EXPECT_EQ(counterpart.asked, (std::vector<float>{250}));
    EXPECT_TRUE(ColumnsTest::HasLine(duo.BoreHole(1).Draw().CurrentPrimitives(), 0, 1250, 7.6f, 1250,
                                     quillory::columns::kTargetLine));

    duo.Option4(0).SetValue(true);
    counterpart.asked.clear();
    Window().TargetLine(260);
    EXPECT_TRUE(counterpart.asked.empty());
    EXPECT_TRUE(ColumnsTest::HasLine(duo.BoreHole(1).Draw().CurrentPrimitives(), 0, 260, 7.6f, 260,
                                     quillory::columns::kTargetLine));
}

TEST_F(StandInCounterpartTest, TheMainStepsThatConcernTheDuoWindowAskItsCounterpart) {
    quillory::FrmMain& f = Window();
    Import(f.Command3, "events.csv", EventList());
    Import(f.Command4, "ages.csv", AgeModel());
    EXPECT_EQ(counterpart.calls, (std::vector<std::string>{"take ages"}));
    services.fileAnswers.push_back(WriteFile("varves.csv", "Depth,Count\n100,10\n200,30\n"));
    f.Command5.Press();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(counterpart.calls, (std::vector<std::string>{"take ages", "drop ages"}));
}

// The Duo window re-centres on its own trinity only once it has a model.
TEST_F(DuoSideTest, AChangeOfScaleRecentresTheDuoWindowOnceItHasAModel) {
    const int32_t rows = q.duo.model.gRowCount;
    q.duo.model.gRowCount = 1;
    Main().Option2(0).SetValue(true);
    EXPECT_EQ(Duo().Text2.Text(), "---");
    q.duo.model.gRowCount = rows;
    q.shared.gDuoModelLoaded = true;
    Main().Option2(1).SetValue(true);
    EXPECT_EQ(Duo().Label1(8).Caption(), Duo().Text2.Text());
    EXPECT_NE(Duo().Text2.Text(), "---");
}

}  // namespace
}  // namespace main_test
