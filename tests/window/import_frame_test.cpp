// Every import of both windows refuses at once, with "File format error.", a
// path it cannot read whole: a pipe without a writer, a device that never
// ends, a folder, a missing name, a file larger than memory. The button stays
// usable and the window goes on with what it had loaded.
#include <gtest/gtest.h>

#include <string>

#include "duo/duo_window_fixture.h"
#include "odd_files.h"

namespace duo_test {
namespace {

class ImportFrameTest : public DuoWindowTest {
protected:
    const test_files::OddFiles odd;

    // `hidden`: a button the user never sees (the varve counts'), pressed by the program.
    void RefusesEveryOddPath(forms::CommandButton& button, bool hidden = false) {
        if (!hidden) {
            ASSERT_TRUE(button.Enabled() && button.Visible()) << button.QualifiedName();
        }
        const test_files::Deadline deadline(10);
        for (const std::string& path : {odd.Pipe(), odd.Device(), odd.Folder(), odd.Missing(), odd.Huge()}) {
            services.fileAnswers.push_back(path);
            if (hidden) {
                button.Press();
            } else {
                button.UserClick();
            }
            ASSERT_EQ(services.messages.size(), 1u) << button.QualifiedName() << " " << path;
            EXPECT_EQ(services.messages[0].request.title, "Error");
            EXPECT_EQ(TakeMessage(), "File format error.") << button.QualifiedName() << " " << path;
            EXPECT_EQ(button.Enabled(), !hidden) << button.QualifiedName() << " " << path;
            EXPECT_TRUE(button.Parent().Enabled()) << button.QualifiedName() << " " << path;
        }
    }
};

TEST_F(ImportFrameTest, EveryImportOfBothWindowsRefusesWhatItCannotReadWhole) {
    quillory::FrmMain& f = Main();
    RefusesEveryOddPath(f.Command1);
    EXPECT_FALSE(f.Command3.Enabled());
    Open(f.Command1, "QL22_correlation_20240209.csv");
    RefusesEveryOddPath(f.Command3);
    EXPECT_EQ(q.main.model.gEventCount, model::kNotLoaded);
    Open(f.Command3, "QL22_event_layers_20240212.csv");
    RefusesEveryOddPath(f.Command4);
    EXPECT_FALSE(q.main.model.gAgeModelLoaded);
    Open(f.Command4, "QL22_age_model_20240215.csv");
    RefusesEveryOddPath(f.Command5, true);
    EXPECT_FALSE(q.main.model.gVarvesLoaded);
    RefusesEveryOddPath(f.Command6(0));
    EXPECT_FALSE(Main().state.gProxyLoaded[0]);
    RefusesEveryOddPath(f.Command2);

    f.mnuQYDuo->UserChoose();
    quillory::Frm2Main& d = Duo();
    RefusesEveryOddPath(d.Command1);
    EXPECT_FALSE(q.shared.gDuoModelLoaded);
    LoadDuo(false);
    RefusesEveryOddPath(d.Command3);
    EXPECT_FALSE(q.duo.model.gEventsLoaded);
    RefusesEveryOddPath(d.Command6(0));
    EXPECT_FALSE(Duo().state.gProxyLoaded[0]);

    // Both windows go on with what they had: a good file still loads.
    EXPECT_GT(q.main.model.gMergedEventCount, 0);
    Open(d.Command3, "QL23_duo_event_layers_20240305.csv");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(q.duo.model.gEventsLoaded);
}

}  // namespace
}  // namespace duo_test
