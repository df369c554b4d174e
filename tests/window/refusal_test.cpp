// A refused level leaves the windows at the level they showed; a program
// step whose own level is refused goes on.
#include <gtest/gtest.h>

#include "main/main_window_fixture.h"

namespace main_test {
namespace {

// Cores that end at composite depth 200, above the first level an import
// opens at.
std::string ShortModel() {
    return Record({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)", "PSP", "Depth", "Bore hole (C)",
                   "PSP", "Depth", "Bore hole (D)", "PSP", "Depth", "Composite depth"}) +
           TieRow("0", "A-01-top", "0", "*", "*") + TieRow("100", "A-01-a", "100", "B-01-top", "0") +
           TieRow("200", "A-01-Bot", "200", "B-01-Bot", "100");
}

TEST_F(MainWindowTest, AStepThatGivesALevelGoesOnWhereItIsRefused) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "short_20240209.csv", ShortModel());
    ASSERT_EQ(services.messages.size(), 1u);
    // The import went on to its end at the level shown before.
    EXPECT_TRUE(f.Command3.Enabled());
    EXPECT_EQ(f.Text2.Text(), "---");
    Type(f.Text2, "150");
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(f.Text1.Text(), "150");
}

}  // namespace
}  // namespace main_test
