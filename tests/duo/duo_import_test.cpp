// The Duo window's correlation import and its list of event layers: what the
// window shows and opens, the move to the main window's level, the question
// for the event list, the warning lamp and the hand-over of the age model.
#include <fstream>
#include <iterator>

#include "duo/warning_lamp.h"
#include "duo_window_fixture.h"
#include "model/correlation_lookup.h"
#include "model/duo_conversion.h"
#include "tools/frm_version.h"

namespace duo_test {
namespace {

using forms::RGB;

TEST_F(DuoWindowTest, TheImportOpensTheWindowAtTheMainLevelAndAsksForTheEventList) {
    LoadMain();
    // The move to the main level happens before the link is declared loaded,
    // so that it pushes nothing back.
    std::vector<bool> loadedDuringMove;
    Duo().Text2.Change = [this, old = Duo().Text2.Change, &loadedDuringMove] {
        loadedDuringMove.push_back(q.shared.gDuoModelLoaded);
        old();
    };
    LoadDuo(false);
    quillory::Frm2Main& d = Duo();
    EXPECT_EQ(loadedDuringMove.front(), false);
    EXPECT_EQ(d.Text2.Text(), "196.02");
    EXPECT_EQ(Main().Text2.Text(), "240");
    EXPECT_TRUE(q.shared.gDuoModelLoaded);
    EXPECT_EQ(d.Caption(), " QuilloryDuo    [QL23_duo_correlation_20240301]");
    EXPECT_EQ(q.frm2Version().Label2(1).Caption(), "01 Mar. 2024");
    EXPECT_EQ(d.Label1(0).Caption(), "QL22");
    EXPECT_EQ(d.Label1(1).Caption(), "Core QL23-1 (E)");
    EXPECT_EQ(d.mnuBH(4).Caption(), "Bore hole H");
    EXPECT_EQ(d.Combo1.ListCount(), 4);
    EXPECT_FALSE(d.Command1.Enabled());
    for (forms::Control* c : std::initializer_list<forms::Control*>{&d.Command2, &d.Command3, &d.Option4(0), &d.Label6,
                                                                    &d.Frame5, &d.Text2, &d.BoreHole(1)})
        EXPECT_TRUE(c->Enabled()) << c->QualifiedName();
    EXPECT_TRUE(Main().mnuLink->Enabled());
    // The Duo takes the main window's range and its check marks.
    EXPECT_EQ(q.duo.gRange, q.main.gRange);
    for (int v : {20, 500, 9999}) EXPECT_EQ(d.mnuCM(v).Checked(), Main().mnuCM(v).Checked()) << v;
    // Answered No: the lamp pulses.
    EXPECT_TRUE(d.Shape1.Visible());
    EXPECT_TRUE(d.Timer1.Enabled());
    EXPECT_EQ(d.Timer1.Interval(), 30);
    EXPECT_EQ(q.duoSide.lamp.gLampRed, 255);
    EXPECT_EQ(q.duoSide.lamp.gLampPhase, 0);
}

TEST_F(DuoWindowTest, AModelOfTheOlderLayoutOrCutShortIsRefused) {
    LoadMain();
    Open(Duo().Command1, "QL22_correlation_20240209.csv");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.title, "Error");
    EXPECT_EQ(TakeMessage(),
              "This is a correlation model for Quillory ver.6 or earlier. Obtain latest correlation model for ver.7");
    EXPECT_FALSE(q.shared.gDuoModelLoaded);
    EXPECT_TRUE(Duo().Command1.Enabled());
    EXPECT_FALSE(Duo().ProgressBar1.Visible());

    services.fileAnswers.push_back(WriteFile("duo_20240301.csv", "'Lamina,'E,'PSP\n'x,'y\n"));
    Duo().Command1.UserClick();
    EXPECT_EQ(TakeMessage(), "File format error.");
    EXPECT_FALSE(q.shared.gDuoModelLoaded);
    EXPECT_TRUE(Duo().Command1.Enabled());
    // The header of the example model alone (its first line): refused, and
    // the button stays usable.
    {
        std::ifstream in(kExamples + "QL23_duo_correlation_20240301.csv", std::ios::binary);
        std::string header;
        std::getline(in, header);
        services.fileAnswers.push_back(WriteFile("QL23_header_20240301.csv", header));
    }
    Duo().Command1.UserClick();
    EXPECT_EQ(TakeMessage(), "File format error.");
    EXPECT_FALSE(q.shared.gDuoModelLoaded);
    EXPECT_TRUE(Duo().Command1.Enabled());

    // A model that fails after its header named the bore holes and the master
    // core (an own composite depth that is no number) shows none of its names
    // and lists.
    std::ifstream in(kExamples + "QL23_duo_correlation_20240301.csv", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = text.find(",'603.8,'A,'08");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 7, ",'60x.8");
    services.fileAnswers.push_back(WriteFile("QL23_broken_20240301.csv", text));
    const std::string title = Duo().Label1(1).Caption(), item = Duo().mnuBH(1).Caption();
    Duo().Command1.UserClick();
    EXPECT_EQ(TakeMessage(), "File format error.");
    EXPECT_EQ(Duo().Label1(1).Caption(), title);
    EXPECT_EQ(Duo().Label1(0).Caption(), "Composite");
    EXPECT_EQ(Duo().mnuBH(1).Caption(), item);
    EXPECT_EQ(Duo().Combo2.ListCount(), 0);
    EXPECT_TRUE(Duo().Command1.Enabled());
}

TEST(WarningLamp, ItsColourIsAFunctionOfThePhase) {
    using quillory::LampLookAt;
    EXPECT_EQ(LampLookAt(0).fill, RGB(255, 0, 0));
    EXPECT_EQ(LampLookAt(0).red, 255);
    // sin at three quarters of the cycle: light grey.
    EXPECT_EQ(LampLookAt(148).fill, RGB(205, 205, 205));
    EXPECT_EQ(LampLookAt(148).red, 205);
    // Between the two: red fades in while green and blue fade out together.
    const quillory::LampLook mid = LampLookAt(176);
    EXPECT_GT(mid.red, 205);
    EXPECT_LT(mid.red, 255);
    EXPECT_EQ(forms::RedOf(mid.fill), values::CInt(mid.red));
    EXPECT_EQ(forms::GreenOf(mid.fill), forms::BlueOf(mid.fill));
    EXPECT_EQ(quillory::NextLampPhase(31414), 31416);
    EXPECT_EQ(quillory::NextLampPhase(31415), 0);
}

TEST_F(DuoWindowTest, TheLampPulsesUntilTheEventListIsRead) {
    LoadAll(false);
    quillory::Frm2Main& d = Duo();
    app.AdvanceClock(30);
    EXPECT_EQ(q.duoSide.lamp.gLampPhase, 2);
    EXPECT_EQ(d.Shape1.FillColor, RGB(255, 0, 0));
    app.AdvanceClock(30 * 73);
    EXPECT_EQ(d.Shape1.FillColor, RGB(205, 205, 205));

    // Asked for later, the list is not asked about; a cancelled dialog keeps
    // the lamp pulsing, from the start of its cycle.
    services.fileAnswers.push_back(std::nullopt);
    d.Command3.UserClick();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(d.Timer1.Enabled());
    EXPECT_EQ(q.duoSide.lamp.gLampPhase, 0);
    EXPECT_TRUE(d.Command3.Enabled());

    // A list that cannot be read keeps it pulsing too, and the link on the
    // composite-depth route.
    services.fileAnswers.push_back(WriteFile("events.csv", "Bore hole,Section,Top,Bottom,Type\nE,02,7.6\n"));
    d.Command3.UserClick();
    EXPECT_EQ(TakeMessage(), "File format error.");
    EXPECT_FALSE(q.duo.model.gEventsLoaded);
    EXPECT_EQ(q.duo.model.gEventCount, -9999);
    EXPECT_TRUE(d.Timer1.Enabled());
    EXPECT_TRUE(d.Command3.Enabled());
    Type(d.Text2, "200");
    EXPECT_EQ(Main().Text2.Text(), "245");

    Open(d.Command3, "QL23_duo_event_layers_20240305.csv");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(d.Shape1.Visible());
    EXPECT_FALSE(d.Timer1.Enabled());
    EXPECT_FALSE(d.Command3.Enabled());
    EXPECT_TRUE(q.duo.model.gEventsLoaded);
    EXPECT_EQ(d.Text3.Text(), "195.5");
    // Both lists loaded: the link runs through event-free depths, and the
    // main age-depth model is the Duo's now.
    EXPECT_TRUE(q.duo.model.gAgeModelLoaded);
    EXPECT_EQ(d.Text4.Text(), "2612");
    EXPECT_TRUE(d.Text4.Enabled());
    EXPECT_TRUE(d.mnuAge->Enabled());
    EXPECT_EQ(q.frm2Version().Label2(4).Caption(), q.main.model.gVerAgeModel);
    EXPECT_EQ(q.duo.model.gVerAgeModel, q.main.model.gVerAgeModel);
    Type(d.Text2, "200");
    EXPECT_EQ(Main().Text2.Text(), "244.99");
}

TEST_F(DuoWindowTest, TheAgeModelArrivesWhicheverImportCompletesTheConditionsLast) {
    LoadMain(false);
    LoadDuo(true);
    EXPECT_FALSE(q.duo.model.gAgeModelLoaded);
    Open(Main().Command4, "QL22_age_model_20240215.csv");
    EXPECT_TRUE(q.duo.model.gAgeModelLoaded);
    EXPECT_TRUE(Duo().Label7.Enabled());
    Type(Duo().Text2, "600");
    EXPECT_EQ(Main().Text2.Text(), "717.79");
    EXPECT_EQ(Main().Text4.Text(), "8007");
    EXPECT_EQ(Duo().Text4.Text(), "8019");
    EXPECT_EQ(Duo().Label7.Caption(), Main().Label7.Caption());

    // Varve counts in the main window renew the Duo's copy.
    q.duo.model.gAgeModel(7, 1) = "-1";
    services.fileAnswers.push_back(kExamples + "QL22_varve_counts_20240220.csv");
    Main().Command5.Press();
    EXPECT_NE(q.duo.model.gAgeModel(7, 1), "-1");
}

// The Duo's own readers behind its two hidden buttons: an age-depth model
// placed on the Duo's own composite depth, without the main window's question
// about its version, which the main model arriving later leaves in place; and
// varve counts on the Duo's event-free depths, which renew no copy.
TEST_F(DuoWindowTest, ItsHiddenReadersTakeItsOwnAgeModelAndVarveCounts) {
    LoadMain(false);
    LoadDuo(true);
    quillory::Frm2Main& d = Duo();
    EXPECT_FALSE(d.Command4.Visible());
    EXPECT_FALSE(d.Command5.Visible());
    services.fileAnswers.push_back(WriteFile(
        "duo_ages_20240310.csv",
        "Label,Bore hole,Section,PSP,Composite depth (01 Jan. 2020),Error (+),Age,Error (-),Type,Unit,Remark\n"
        "Q1,E,01,30,999,10,500,10,c1,cal BP,x\n"
        "Q2,---,---,---,400,20,6000,20,C1,cal BP,x\n"));
    d.Command4.Press();
    EXPECT_TRUE(services.messages.empty());
    const model::DepthModel& m = q.duo.model;
    ASSERT_TRUE(m.gAgeModelLoaded);
    ASSERT_EQ(m.gAgeModelRows, 2);
    const int16_t e01 = model::GetSectionNo(m, 1, "01");
    EXPECT_EQ(m.gAgeModel(5, 1),
              values::SingleText(static_cast<float>(model::TrinityToCD2(m, 1, e01, 30, model::Extrapolation::kOneToOne))));
    EXPECT_EQ(m.gAgeModel(5, 2), "400");
    EXPECT_EQ(q.frm2Version().Label2(4).Caption(), "10 Mar. 2024");
    EXPECT_FALSE(d.Command4.Enabled());
    EXPECT_TRUE(d.Command5.Enabled());
    EXPECT_TRUE(d.mnuAge->Enabled());
    EXPECT_TRUE(d.Text4.Enabled());
    Type(d.Text2, "400");
    EXPECT_EQ(d.Text4.Text(), "6000");
    Open(Main().Command4, "QL22_age_model_20240215.csv");
    EXPECT_EQ(m.gAgeModel(7, 2), "6000");

    services.fileAnswers.push_back(WriteFile("duo_varves_20240312.csv", "Composite depth,Count\n100,0\n300,500\n"));
    d.Command5.Press();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(m.gVarvesLoaded);
    EXPECT_FLOAT_EQ(m.gVarveBottomEFD, static_cast<float>(*model::CDToEFD2(m, 300)));
    EXPECT_EQ(q.frm2Version().Label2(5).Caption(), "12 Mar. 2024");
    EXPECT_FALSE(d.Command5.Enabled());
    EXPECT_EQ(m.gAgeModel(7, 2), "6000");
    EXPECT_FALSE(q.main.model.gVarvesLoaded);
}

}  // namespace
}  // namespace duo_test
