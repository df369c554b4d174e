#pragma once
// A running program on the headless back end with small model files: bore
// hole A has sections 01 (composite depth 0 to 300) and 02 (350 to 700), bore
// hole B one section from 100 to 500; C and D are empty.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"

namespace main_test {

inline std::string Record(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) line += (i ? ",'" : "'") + cells[i];
    return line + "\n";
}

inline std::string TieRow(const std::string& cd, const std::string& labelA, const std::string& pspA,
                          const std::string& labelB, const std::string& pspB) {
    return Record({"", labelA, pspA, pspA, labelB, pspB, pspB, "*", "*", "*", "*", "*", "*", cd});
}

inline std::string CorrelationModel() {
    return Record({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)", "PSP", "Depth", "Bore hole (C)",
                   "PSP", "Depth", "Bore hole (D)", "PSP", "Depth", "Composite depth"}) +
           TieRow("0", "A-01-top", "0", "*", "*") + TieRow("100", "A-01-a", "100", "B-01-top", "0") +
           TieRow("300", "A-01-Bot", "300", "B-01-b", "200") + TieRow("350", "A-02-top", "0", "*", "*") +
           TieRow("500", "*", "*", "B-01-Bot", "400") + TieRow("700", "A-02-Bot", "350", "*", "*");
}

// One tephra 10 cm thick at composite depth 50 to 60 in bore hole A.
inline std::string EventList() { return "Bore hole,Section,Top,Bottom,Type\nA,01,50,60,Tephra AT\n"; }

// Ages 0, 1000 and 3000 at composite depths 0, 300 and 700 (event-free 0,
// 290 and 690); errors +-10, 20 and 30.
inline std::string AgeModel() {
    return "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 95.4,Type,Unit,"
           "Remark\n"
           "L1,---,---,---,0,10,0,10,C1,yr BP,\n"
           "L2,---,---,---,300,20,1000,20,C1,yr BP,\n"
           "L3,---,---,---,700,30,3000,30,C1,yr BP,\n";
}

class MainWindowTest : public testing::Test {
protected:
    forms::HeadlessServices services;
    forms::Application app{services};
    quillory::Quillory q{app};
    std::vector<std::string> ran;

    void SetUp() override { q.frmMain().Show(); }

    quillory::FrmMain& Main() { return q.frmMain(); }

    // Each test process writes into its own folder: ctest runs tests in
    // parallel, and the file names carry meaning (the version date).
    std::string WriteFile(const std::string& name, const std::string& text) {
        const std::filesystem::path dir =
            std::filesystem::path(testing::TempDir()) / ("quillory-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    void Import(forms::CommandButton& button, const std::string& name, const std::string& text) {
        services.fileAnswers.push_back(WriteFile(name, text));
        button.UserClick();
    }
    void ImportAll() {
        Import(Main().Command1, "model_20240209.csv", CorrelationModel());
        Import(Main().Command3, "events.csv", EventList());
        Import(Main().Command4, "ages.csv", AgeModel());
    }

    // Records each run of a handler by name from now on.
    void Watch(std::function<void()>& handler, const std::string& name) {
        handler = [old = handler, name, this] {
            ran.push_back(name);
            if (old) old();
        };
    }
    void RecordLevelHandlers() {
        quillory::FrmMain& f = Main();
        Watch(f.Text1.Change, "Text1");
        Watch(f.Text2.Change, "Text2");
        Watch(f.Text3.Change, "Text3");
        Watch(f.Text4.Change, "Text4");
        Watch(f.Combo1.Change, "Combo1");
        Watch(f.Combo2.Change, "Combo2");
        Watch(f.Combo5.Change, "Combo5");
        Watch(f.Label1(8).Change, "Label1(8)");
        ran.clear();
    }
    long Count(const std::string& name) const { return std::count(ran.begin(), ran.end(), name); }

    // The lines printed on a window's own background since it was last cleared.
    static std::vector<std::string> Printed(forms::Form& f) {
        std::vector<std::string> lines;
        for (const forms::Primitive& p : f.Draw().CurrentPrimitives())
            if (p.kind == forms::PrimitiveKind::Text) lines.push_back(p.text);
        return lines;
    }

    // Types a whole text into a box as the user does: focus, select all, keys.
    void Type(forms::TextBox& box, const std::string& text) {
        box.SetFocus();
        box.UserSelectAll();
        for (char c : text) box.UserKeyChar(c);
    }
};

}  // namespace main_test
