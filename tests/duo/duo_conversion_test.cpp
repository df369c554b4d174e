// "Convert from data file" and "Conversion (Duo)" in the Duo window: the
// main window's reading and saving over the Duo's model, its positions kept
// on its own composite depth, and the master core's column in the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "duo_window_fixture.h"
#include "model/conversion_output.h"
#include "tools/frm_conversion.h"

namespace duo_test {
namespace {

// A label with quotes; one position in each model; a no-value PSP; a
// section and a bore hole neither model has.
const std::string kPositions =
    "Sample,Bore hole,Section,PSP (cm)\n"
    "\"s \"\"1\"\"\",E,01,50.0\ns2,A,02,20.0\ns3,E,01,-9999\ns4,A,25,10.0\ns5,Z,01,10.0\n";

class DuoConversionTest : public DuoWindowTest {
protected:
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    // "Convert and Save" of the Duo's window into a file of that name.
    std::string Target(const std::string& name, const std::string& old = "") {
        const std::string path = WriteFile(name, old);
        if (old.empty()) std::filesystem::remove(path);
        return path;
    }
    void Save(const std::optional<std::string>& path) {
        services.fileAnswers.push_back(path);
        q.frm2Conversion().Command1.UserClick();
    }
};

// Main bore holes come over through MainToDuoCD, the Duo's own stay as they
// come, a no-value PSP places nothing (the main window copies it), and
// nothing unplaceable is ever 0.
TEST_F(DuoConversionTest, PositionsOfBothModelsOnTheDuosOwnDepth) {
    LoadAll();
    Import(Main().Command2, "positions.csv", kPositions);
    const auto main = q.main.conversion.gConvTrinity.composite;
    Import(Duo().Command2, "positions.csv", kPositions);
    ASSERT_TRUE(q.frm2Conversion().Visible());
    EXPECT_TRUE(q.frm2Conversion().Option1(1).Value());
    const auto& duo = q.duo.conversion.gConvTrinity.composite;
    ASSERT_EQ(duo.size(), 6u);
    EXPECT_EQ(duo[1], 50);
    EXPECT_EQ(main[1], q.duoSide.link.DuoToMainCD(50));
    EXPECT_EQ(duo[2], q.duoSide.link.MainToDuoCD(static_cast<float>(main[2])));
    EXPECT_EQ(main[3], -9999);
    for (size_t r : {3u, 4u, 5u}) EXPECT_EQ(duo[r], 9999) << r;
    EXPECT_EQ(q.duo.conversion.gConvTrinity.compositeTitle,
              "Composite depth (correlation model: version " + q.duo.model.gVerCorrelation + ")");
    EXPECT_EQ(q.duo.conversion.gConvTrinity.eventFree[3], 9999);
}

// The mended ways of the main conversion hold in the Duo's: Cancel in the
// save dialog is silent and keeps the window; a target that cannot be
// written keeps its contents; quotes are doubled; the master column follows
// the Duo's composite depth.
TEST_F(DuoConversionTest, ItSavesAsTheMainConversionDoesWithTheMasterColumn) {
    LoadAll();
    Import(Duo().Command2, "positions.csv", kPositions);
    Save(std::nullopt);
    EXPECT_TRUE(services.messages.empty());
    ASSERT_TRUE(q.frm2Conversion.IsLoaded());
    EXPECT_TRUE(q.frm2Conversion().Visible());

    const std::string kept = Target("kept.csv", "old contents\n");
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    Save(kept);
    EXPECT_EQ(TakeMessage(), "The file might be being used by another software. Please close the file and try again.");
    EXPECT_EQ(Read(kept), "old contents\n");
    EXPECT_FALSE(q.frm2Conversion.IsLoaded());

    Import(Duo().Command2, "positions.csv", kPositions);
    q.frm2Conversion().Check1(4).UserClick();
    q.frm2Conversion().Check1(8).UserClick();
    const std::string path = Target("converted.csv");
    Save(path);
    EXPECT_TRUE(services.messages.empty());
    const std::string master = "Composite depth (" + Duo().Label1(0).Caption() + ")";
    const std::string text = Read(path);
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "\"Sample\",\"Bore hole\",\"Section\",\"PSP (cm)\",\"" + q.duo.conversion.gConvTrinity.compositeTitle +
                  "\",\"" + master + "\"");
    const float toMaster = q.duoSide.link.DuoToMainCD(50);
    EXPECT_NE(text.find("\r\n\"s \"\"1\"\"\",\"E\",\"01\",\"50.0\",50," + values::SingleText(toMaster) + "\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\"s3\",\"E\",\"01\",\"-9999\",9999,9999\r\n"), std::string::npos) << text;
}

// Without an age-depth model an age file is refused with its message before
// anything is asked or written.
TEST_F(DuoConversionTest, AnAgeFileWithoutTheAgeModelIsRefusedWithItsMessage) {
    LoadMain(false);
    LoadDuo(true);
    ASSERT_FALSE(q.duo.model.gAgeModelLoaded);
    Import(Duo().Command2, "ages.csv", "Sample,Age (cal BP)\nS1,1000\nS2,2000\nS3,3000\n");
    ASSERT_TRUE(q.frm2Conversion().Option1(8).Value());
    const size_t asked = services.fileRequests.size();
    q.frm2Conversion().Command1.UserClick();
    EXPECT_EQ(TakeMessage(), model::kConversionNeedsAgeModel);
    EXPECT_EQ(services.fileRequests.size(), asked);
    EXPECT_TRUE(q.frm2Conversion().Visible());
}

}  // namespace
}  // namespace duo_test
