// "Import proxy" and the vertical-axis question, in the main window.
#include <gtest/gtest.h>

#include "model/depth_conversion.h"
#include "proxy_window_fixture.h"
#include "values/values.h"

namespace proxy_test {
namespace {

using forms::Menu;

TEST_F(ProxyWindowTest, AFileByDrillingPositionIsDrawnAtOnceWithItsChoosersAndItems) {
    LoadModel();
    LoadProxy(2, EvenTrinityFile(9), "core XRF for_QY.csv");
    quillory::FrmMain& f = Main();
    EXPECT_TRUE(f.Enabled());
    EXPECT_TRUE(f.state.gProxyLoaded[2]);
    EXPECT_EQ(Panel(2).gProxyFileName, "core XRF");
    EXPECT_EQ(f.Combo3(2).Items(), (std::vector<std::string>{"Ti", "Fe"}));
    EXPECT_EQ(f.Combo4(2).Items(), (std::vector<std::string>{"Ti", "Fe", "1"}));
    EXPECT_EQ(f.Combo3(2).Text(), "Ti");
    EXPECT_EQ(f.Combo4(2).Text(), "1");
    // Drawn: its controls shown, the default ends of Ti (1 to 9) in the boxes.
    for (forms::Control* c : std::initializer_list<forms::Control*>{&f.Combo3(2), &f.Check1(2), &f.Text5(2), &f.Text6(2)})
        EXPECT_TRUE(c->Visible()) << c->QualifiedName();
    EXPECT_FALSE(f.Combo4(2).Visible());
    EXPECT_EQ(f.Text5(2).Text(), "0");
    EXPECT_EQ(f.Text6(2).Text(), "10");
    EXPECT_EQ(KeptOf(2, forms::PrimitiveKind::Line, kBlue).size(), 8u);
    const quillory::SideWindow::PanelMenu& pm = f.panelMenu[2];
    for (Menu* item : {pm.flipH, pm.line, pm.marker, pm.smooth, pm.flat3, pm.flat5, pm.copy, pm.horizontal, pm.filename,
                       pm.exportItem})
        EXPECT_TRUE(item->Enabled()) << item->Name();
    EXPECT_FALSE(f.panelMenu[1].copy->Enabled());
    // The question is filled, not asked.
    EXPECT_FALSE(Select().Visible());
    EXPECT_EQ(Select().Label1.Caption(), "2");
    EXPECT_TRUE(services.messages.empty());
}

// The import by one value waits for the question, whose OK converts the
// positions, draws the panel and gives the window back.
TEST_F(ProxyWindowTest, AFileByOneValueWaitsForTheQuestion) {
    LoadModel();
    Import(Main().Command3, "events.csv", main_test::EventList());
    Import(Main().Command4, "ages.csv", main_test::AgeModel());
    LoadProxy(0, ValueFile({"100", "200", "300", "400", "500", "600", "700", "800", "900"}, true));
    quillory::FrmMain& f = Main();
    EXPECT_FALSE(f.Enabled());
    ASSERT_TRUE(Select().Visible());
    EXPECT_EQ(Select().Caption(), "Vertical axis");
    EXPECT_EQ(Select().Top(), f.Top() + 15);
    EXPECT_TRUE(Select().Option1(0).Value());
    EXPECT_TRUE(Select().Option1(1).Enabled());
    EXPECT_EQ(Select().Text1(0).Text(), "Sample");
    EXPECT_EQ(Select().Text3(0).Text(), "Ti");
    EXPECT_EQ(Select().Text1(2).Text(), "S2");
    EXPECT_EQ(Select().Text2(2).Text(), "200");
    EXPECT_EQ(Select().Text3(2).Text(), "2");
    EXPECT_TRUE(f.ProgressBar1.Visible());

    Select().Option1(1).UserClick();
    Select().Command1.UserClick();
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(q.frmSelect.IsLoaded());
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(f.ActiveControl(), &f.Text2);
    // Age 100 lies at event-free depth 29, above the tephra; age 300 at 87,
    // 10 cm of tephra deeper in composite depth.
    const model::ProxyPanelData& p = Panel(0);
    EXPECT_FLOAT_EQ(p.gProxyY(1, 1), 29);
    EXPECT_FLOAT_EQ(p.gProxyY(1, 3), 97);
    // The event-free positions follow the converted ones.
    for (long i = 1; i <= p.gProxyRows; ++i)
        EXPECT_FLOAT_EQ(p.gProxyY(2, i), static_cast<float>(model::CDToEFD(f.state.model, p.gProxyY(1, i))));
    // The green mid line is drawn over the panel's new drawing.
    const forms::Surface& s = Drawing(0);
    const double mid = s.ScaleTop() + f.state.gRange / 2.0;
    EXPECT_TRUE(std::any_of(s.CurrentPrimitives().begin(), s.CurrentPrimitives().end(), [&](const forms::Primitive& l) {
        return l.kind == forms::PrimitiveKind::Line && l.colour == kGreen && l.y1 == mid;
    }));
    EXPECT_FALSE(KeptOf(0, forms::PrimitiveKind::Line, kBlue).empty());
}

// Every way out of the question gives the window back: Cancel and the close
// box keep the positions as read, which the panel then shows.
TEST_F(ProxyWindowTest, CancelAndTheCloseBoxGiveTheWindowBackWithThePositionsAsRead) {
    LoadModel();
    for (bool closeBox : {false, true}) {
        LoadProxy(1, ValueFile({"10", "20", "30", "40", "50", "60", "70", "80"}));
        ASSERT_FALSE(Main().Enabled());
        if (closeBox) Select().UserClose();
        else Select().Command2.UserClick();
        EXPECT_TRUE(Main().Enabled()) << closeBox;
        EXPECT_FALSE(Main().ProgressBar1.Visible());
        EXPECT_FALSE(q.frmSelect.IsLoaded());
        EXPECT_EQ(Main().ActiveControl(), &Main().Text2);
        EXPECT_FLOAT_EQ(Panel(1).gProxyY(1, 2), 20);
    }
    EXPECT_TRUE(Main().state.gProxyLoaded[1]);
}

// Fewer than eight samples load; the preview shows as many rows as there are.
TEST_F(ProxyWindowTest, AFileOfFewerThanEightSamplesLoadsWithTheWindowUsable) {
    LoadModel();
    LoadProxy(0, EvenTrinityFile(7));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(Main().Enabled());
    EXPECT_EQ(Panel(0).gProxyRows, 7);
    LoadProxy(3, ValueFile({"5", "6", "7"}));
    ASSERT_TRUE(Select().Visible());
    EXPECT_EQ(Select().Text1(3).Text(), "7");
    EXPECT_EQ(Select().Text3(3).Text(), "30");
    for (int i = 4; i <= 8; ++i) EXPECT_EQ(Select().Text1(i).Text() + Select().Text2(i).Text(), "") << i;
    Select().Command1.UserClick();
    EXPECT_TRUE(Main().Enabled());
}

// The age options follow the age-depth model whenever the window is filled,
// also when it stayed loaded from an import by drilling position.
TEST_F(ProxyWindowTest, TheAgeOptionsFollowTheAgeModelAtEveryImport) {
    LoadModel();
    LoadProxy(0, EvenTrinityFile(8));
    ASSERT_TRUE(q.frmSelect.IsLoaded());
    EXPECT_FALSE(Select().Option1(1).Enabled());
    Import(Main().Command3, "events.csv", main_test::EventList());
    Import(Main().Command4, "ages.csv", main_test::AgeModel());
    LoadProxy(1, ValueFile({"10", "20", "30", "40", "50", "60", "70", "80"}));
    EXPECT_TRUE(Select().Option1(1).Enabled());
    EXPECT_TRUE(Select().Option1(2).Enabled());
}

// A file that cannot be read leaves the panel as it was and the window usable.
TEST_F(ProxyWindowTest, AFileThatCannotBeReadLeavesThePanelAsItWas) {
    LoadModel();
    LoadProxy(0, EvenTrinityFile(8), "first.csv");
    const model::ProxyPanelData before = Panel(0);
    const auto kept = Kept(0);
    LoadProxy(0, "Bore hole,Section,PSP,Ti\nA,1,5,1\nA,1,6\n", "second.csv");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "File format error.");
    EXPECT_EQ(services.messages[0].request.title, "Error");
    EXPECT_TRUE(Main().Enabled());
    EXPECT_FALSE(Main().ProgressBar1.Visible());
    EXPECT_EQ(Panel(0), before);
    EXPECT_EQ(Main().Combo3(0).Items(), (std::vector<std::string>{"Ti", "Fe"}));
    EXPECT_EQ(Kept(0), kept);
    // A cancelled dialog changes nothing either.
    services.fileAnswers.push_back(std::nullopt);
    Main().Command6(0).UserClick();
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(Panel(0), before);
}

// The event-free and age positions of a loaded panel follow the event list
// and the age-depth model when they arrive.
TEST_F(ProxyWindowTest, LoadedPanelsTakeTheEventFreeDepthsAndAgesWhenTheModelsArrive) {
    LoadModel();
    LoadProxy(4, EvenTrinityFile(8));
    EXPECT_FLOAT_EQ(Panel(4).gProxyY(2, 3), 75);
    EXPECT_FLOAT_EQ(Panel(4).gProxyY(3, 3), 9999);
    Import(Main().Command3, "events.csv", main_test::EventList());
    EXPECT_FLOAT_EQ(Panel(4).gProxyY(2, 3), 65);  // 10 cm of tephra above it
    Import(Main().Command4, "ages.csv", main_test::AgeModel());
    EXPECT_NEAR(Panel(4).gProxyY(3, 3), 1000.0 * 65 / 290, 1e-3);
}

}  // namespace
}  // namespace proxy_test
