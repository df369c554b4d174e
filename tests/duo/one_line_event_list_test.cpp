// An event list of one long line, the item "7," over and over, read through
// each window's button: five items a record, so it reads whole when they come
// out even (200,000 records, no layer placed) and is refused when the last
// record is cut short, either way in memory of a small multiple of the file.
#include <fstream>
#include <string>

#include "duo_window_fixture.h"
#include "odd_files.h"

namespace duo_test {
namespace {

double StatusMB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key + ":")) return std::stod(line.substr(key.size() + 1)) / 1024;
    return 0;
}

class OneLineListTest : public DuoWindowTest {
protected:
    const test_files::OddFiles folder;
    const std::string whole = OneLine(0), cut = OneLine(2);

    // "7," repeated to 2 MB and `more` bytes.
    std::string OneLine(size_t more) const {
        std::string text(2000000 + more, ',');
        for (size_t i = 0; i < text.size(); i += 2) text[i] = '7';
        return folder.Write(std::to_string(more) + ".csv", text);
    }
    // Reads `path` with the button: a hundred bytes a layer at the peak, these
    // taking ten in the file; before, a string a cell, some 65 times the file.
    void Read(forms::CommandButton& button, const std::string& path, const std::string& message) {
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
        const double start = StatusMB("VmRSS");
        services.fileAnswers.push_back(path);
        button.UserClick();
        EXPECT_LT(StatusMB("VmHWM") - start, 20 * 2.0) << button.QualifiedName() << " " << path;
        ASSERT_EQ(TakeMessage(), message);
    }
};

TEST_F(OneLineListTest, EachWindowReadsTheWholeLineOrRefusesItCutShort) {
    const model::DepthModel &m = q.main.model, &d = q.duo.model;
    Open(Main().Command1, "QL22_correlation_20240209.csv");
    Read(Main().Command3, cut, "File format error.");
    EXPECT_EQ(m.gEventCount, model::kNotLoaded);
    Read(Main().Command3, whole, "");
    EXPECT_EQ(m.gEventCount, 199999);
    // No bore hole "7": every layer at the no-value depth, none absorbed.
    EXPECT_EQ(m.gMergedEventCount, 199999);
    EXPECT_EQ(m.gEventList(6, 199999), "9999");

    Main().mnuQYDuo->UserChoose();
    services.messageAnswers.push_back(forms::vbNo);
    Open(Duo().Command1, "QL23_duo_correlation_20240301.csv");
    services.messages.clear();
    Read(Duo().Command3, cut, "File format error.");
    EXPECT_EQ(d.gEventCount, model::kNotLoaded);
    EXPECT_TRUE(Duo().Command3.Enabled());
    Read(Duo().Command3, whole, "");
    EXPECT_EQ(d.gEventCount, 199999);
    EXPECT_EQ(d.gEventList(9, 199999), "9999");
}

}  // namespace
}  // namespace duo_test
