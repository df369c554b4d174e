// Memory that runs out during "Convert from data file" and "Convert and
// Save", one allocation after the other, through the main window: nothing
// escapes the handlers; a reading that fails says "File format error." and
// closes the conversion window over tables that stay whole; a save that
// fails says what every failed save says, closes the window and leaves the
// target as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "faults/allocation_faults.h"
#include "main/main_window_fixture.h"
#include "tools/frm_conversion.h"

namespace main_test {
namespace {

constexpr const char* kCannotWrite =
    "The file might be being used by another software. Please close the file and try again.";

// Positions in bore hole A, `records` of them, each label with the prefix.
std::string Positions(const std::string& prefix, long records) {
    std::string text = "Sample,Bore hole,Section,PSP\n";
    for (long r = 1; r <= records; ++r) text += prefix + std::to_string(r) + ",A,01," + std::to_string(r % 300) + "\n";
    return text;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::vector<long> Chosen(long count) {
    std::vector<long> chosen;
    const long step = std::max(1L, count / 300);
    for (long n = 0; n < count; n += step) chosen.push_back(n);
    chosen.push_back(count - 1);
    return chosen;
}

class ConversionWindowMemory : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ImportAll();
        earlier = WriteFile("earlier.csv", Positions("e", 200));
        chosen = WriteFile("chosen.csv", Positions("s", 400));
    }

    quillory::FrmConversion* Window() { return q.frmConversion.IfLoaded(); }
    void Read(const std::string& path) {
        services.fileAnswers.push_back(path);
        Main().Command2.UserClick();
    }
    std::string TakeMessages() {
        std::string texts;
        for (const auto& m : services.messages) texts += m.request.text + "\n";
        services.messages.clear();
        return texts;
    }

    std::string earlier, chosen;
};

TEST_F(ConversionWindowMemory, WhileAChosenFileIsRead) {
    Read(earlier);
    faults::Allocations();
    Read(chosen);
    const long count = faults::Allocations();
    ASSERT_TRUE(Window() && Window()->Visible());
    ASSERT_EQ(TakeMessages(), "");

    long failed = 0;
    for (long n : Chosen(count)) {
        Read(earlier);
        ASSERT_EQ(q.main.conversion.gConvTrinity.fields(0, 1), "e1");
        services.fileAnswers.push_back(chosen);
        {
            faults::FailingAllocation fault(n);
            EXPECT_NO_THROW(Main().Command2.UserClick()) << n;
        }
        services.fileAnswers.clear();
        const std::string messages = TakeMessages();
        const model::ConversionTrinity& t = q.main.conversion.gConvTrinity;
        // Whole tables: the chosen file's, or the earlier one's where the
        // reading failed (or the dialog, which says nothing, as a cancelled
        // one). Where only the window could not be shown, the chosen one's.
        EXPECT_TRUE((t.Rows() == 200 && t.fields(0, 200) == "e200") || (t.Rows() == 400 && t.fields(0, 400) == "s400"))
            << n;
        EXPECT_EQ(t.composite.size(), static_cast<size_t>(t.Rows()) + 1) << n;
        if (messages.empty()) {
            EXPECT_TRUE(Window() && Window()->Visible()) << n;
        } else {
            ++failed;
            EXPECT_EQ(messages, "File format error.\n") << n;
            EXPECT_EQ(Window(), nullptr) << n;
        }
    }
    EXPECT_GT(failed, 0);
}

TEST_F(ConversionWindowMemory, WhileAConversionIsSaved) {
    const std::string target = WriteFile("converted.csv", "old");
    auto save = [&] {
        Read(chosen);
        services.fileAnswers.push_back(target);
        services.messageAnswers.push_back(forms::vbYes);  // replace the old file
        Window()->Command1.UserClick();
    };
    save();
    const std::string whole = Contents(target);
    const auto files = [&] {
        const std::filesystem::path folder = std::filesystem::path(target).parent_path();
        return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
    };
    const auto filesThere = files();
    ASSERT_TRUE(whole.starts_with("\"Sample\""));
    ASSERT_EQ(TakeMessages(), "converted.csv already exists. Do you want to replace it?\n");
    std::ofstream(target, std::ios::binary) << "old";
    Read(chosen);
    services.fileAnswers.push_back(target);
    services.messageAnswers.push_back(forms::vbYes);
    faults::Allocations();
    Window()->Command1.UserClick();
    const long count = faults::Allocations();
    TakeMessages();

    long failed = 0;
    for (long n : Chosen(count)) {
        std::ofstream(target, std::ios::binary) << "old";
        Read(chosen);
        services.fileAnswers.push_back(target);
        services.messageAnswers.push_back(forms::vbYes);
        {
            faults::FailingAllocation fault(n);
            EXPECT_NO_THROW(Window()->Command1.UserClick()) << n;
        }
        services.messageAnswers.clear();
        services.fileAnswers.clear();
        const std::string messages = TakeMessages();
        EXPECT_EQ(Window(), nullptr) << n;
        EXPECT_EQ(files(), filesThere) << n;  // nothing beside the target
        if (messages.ends_with(std::string(kCannotWrite) + "\n")) {
            ++failed;
            EXPECT_EQ(Contents(target), "old") << n;
        } else {
            EXPECT_TRUE(Contents(target) == whole) << n << " " << messages;
        }
    }
    EXPECT_GT(failed, 0);
}

}  // namespace
}  // namespace main_test
