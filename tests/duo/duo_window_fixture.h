#pragma once
// Both main windows with the example models loaded through their buttons, in
// the order a user loads them: the master cores QL22 in the main window, the
// second site QL23 in the Duo window.
#include <gtest/gtest.h>

#include <string>

#include "main/main_window_fixture.h"
#include "values/values.h"

namespace duo_test {

inline const std::string kExamples = std::string(QUILLORY_SOURCE_DIR) + "/examples/";

class DuoWindowTest : public main_test::MainWindowTest {
protected:
    quillory::Frm2Main& Duo() { return q.frm2Main(); }

    void Open(forms::CommandButton& button, const std::string& file) {
        services.fileAnswers.push_back(kExamples + file);
        button.UserClick();
    }
    // The main window's correlation model and event list, and (with `ages`)
    // its age-depth model; then the Duo window is opened.
    void LoadMain(bool ages = true) {
        Open(Main().Command1, "QL22_correlation_20240209.csv");
        Open(Main().Command3, "QL22_event_layers_20240212.csv");
        if (ages) Open(Main().Command4, "QL22_age_model_20240215.csv");
        Main().mnuQYDuo->UserChoose();
        ASSERT_TRUE(services.messages.empty()) << services.messages[0].request.text;
    }
    // The Duo model, answering its question for the event list with Yes (and
    // reading the list) or No.
    void LoadDuo(bool events) {
        services.messageAnswers.push_back(events ? forms::vbYes : forms::vbNo);
        services.fileAnswers.push_back(kExamples + "QL23_duo_correlation_20240301.csv");
        if (events) services.fileAnswers.push_back(kExamples + "QL23_duo_event_layers_20240305.csv");
        Duo().Command1.UserClick();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].request.title, "Quillory_Duo");
        services.messages.clear();
    }
    void LoadAll(bool duoEvents = true) {
        LoadMain();
        LoadDuo(duoEvents);
    }
    // The last message box's text, or "" when none was shown; clears them.
    std::string TakeMessage() {
        const std::string text = services.messages.empty() ? "" : services.messages.back().request.text;
        services.messages.clear();
        return text;
    }
    static double Level(const forms::TextBox& box) { return values::Val(box.Text()); }
};

}  // namespace duo_test
