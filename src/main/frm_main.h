#pragma once
// The main window: the core window over the main side, with what only it has:
// the logo, the imports of the master model files, the precision menu, the
// extrapolation choice, the Duo window's launch, the correlator and the
// debugging window with its lock.
#include <cstdint>

#include "window/core_window.h"

namespace quillory {

class FrmPass;
class FrmRX93;
class FrmTest;

// The tool windows only the main window opens.
struct MainTools {
    forms::FormSlot<FrmRX93>& rx93;
    forms::FormSlot<FrmTest>& test;
    forms::FormSlot<FrmPass>& pass;
    // Shows the Duo window beside this one (the logo and "Open Quillory Duo").
    std::function<void()> launchDuo;
};

class FrmMain : public CoreWindow {
public:
    FrmMain(forms::Application& app, const CoreEnvironment& env, const MainTools& mainTools);

    forms::ImageControl& Image1 = Add<forms::ImageControl>("Image1");
    forms::Menu *mnuQYDuo = nullptr, *mnuRX93 = nullptr, *mnuPrecision = nullptr, *mnuHelp = nullptr;
    forms::ControlArray<forms::Menu> mnuDepPrec, mnuAgePrec;

protected:
    void TraceLevelChange() override;
    void AfterRangePass() override;
    bool TakesAgeModelHeader(const model::AgeModelHeader& header) override;
    std::optional<std::string> PlaceAgePoints() override;
    void AgeModelShown() override;
    void ReadVarveCounts(model::ItemReader& file) override;
    void TakeFirstLevel() override;

private:
    void BuildDesign();
    void WireMainHandlers();

    // The logo's double click: the debugging window, or its lock.
    void Image1_DblClick();

    // Start-up.
    void Form_Load();

    // Imports of the master model files.
    void Command1_Click();
    void Command3_Click();

    // Scale and extrapolation options.
    void Option4_Click();

    const MainTools mainTools_;
};

}  // namespace quillory
