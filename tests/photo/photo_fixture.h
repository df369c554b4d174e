#pragma once
// Four photo windows over their state sets, called by two stand-in main
// windows (the main window and the Duo window), on the headless back end.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"
#include "photo/photo_command.h"
#include "photo/photo_window.h"

namespace phototest {

using namespace forms;
using namespace quillory;

// What the photo command and windows need of a main window.
struct StandInMain : Form {
    StandInMain(Application& a, const std::string& name) : Form(a, name) {
        Move(0, 0, 9840, 11055);
        mnuPhoto.SetEnabled(false);
    }
    CommandButton& Command7 = Add<CommandButton>("Command7");
    CommonDialog& CommonDialog1 = Add<CommonDialog>("CommonDialog1");
    Menu& mnuTool = AddMenu("mnuTool", "Tool");
    Menu& mnuPhoto = AddMenu("mnuPhoto", "Show photo", &mnuTool);
};

// A folder of this test process's own: ctest runs tests in parallel.
inline std::string PhotoTempDir() {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / ("quillory-photo-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir.string();
}

// A file the headless loader takes for a JPEG of that many pixels (a
// picture box shows 15 twips a pixel).
inline std::string Jpeg(int widthPx, int heightPx) {
    std::string path = PhotoTempDir() + "/photo_" + std::to_string(widthPx) + "x" + std::to_string(heightPx) + ".jpg";
    const unsigned char bytes[] = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08,
                                   static_cast<unsigned char>(heightPx >> 8), static_cast<unsigned char>(heightPx),
                                   static_cast<unsigned char>(widthPx >> 8), static_cast<unsigned char>(widthPx),
                                   0x01, 0x01, 0x11, 0x00, 0xFF, 0xDA, 0x00, 0x02, 0x12, 0x34, 0xFF, 0xD9};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
    return path;
}

struct PhotoFixture : ::testing::Test {
    HeadlessServices services;
    Application app{services};
    PhotoStates states;
    std::vector<std::string> calls;  // the links to the main windows, in order
    StandInMain main{app, "frmMain"}, duo{app, "frm2Main"};
    PhotoWindowLinks links{
        [this] { calls.push_back("erase"); },
        [this] { calls.push_back("refresh"); },
        [this] {
            calls.push_back("photo buttons");
            main.Command7.SetEnabled(true);
            duo.Command7.SetEnabled(true);
        },
        [this] { calls.push_back("show photo"); }};
    FormSlot<PhotoWindow> w1{app, "frmPhoto", Maker(1)}, w2{app, "frm2Photo", Maker(2)},
        w3{app, "frm3Photo", Maker(3)}, w4{app, "frm4Photo", Maker(4)};
    PhotoWindowSlots windows{&w1, &w2, &w3, &w4};

    std::function<std::unique_ptr<PhotoWindow>()> Maker(int number) {
        return [this, number] { return std::make_unique<PhotoWindow>(app, number, states, links); };
    }
    // The caller's "Photo" button with the dialog answering file (nothing: Cancel).
    void Photo(StandInMain& caller, std::optional<std::string> file) {
        services.fileAnswers.push_back(std::move(file));
        PhotoCommand({caller.CommonDialog1, caller.mnuPhoto, main, duo, main.Command7, duo.Command7}, states, windows);
    }
    PhotoWindow& W(int k) { return (*windows[k - 1])(); }
    bool Open(int k) const { return states[k - 1].gPhotoOpen; }
};

}  // namespace phototest
