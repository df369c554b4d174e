#pragma once
// The main window: import buttons, holy-trinity controls, type-in boxes and
// read-outs, the core columns, the proxy panels and the menus. Its design
// (positions, captions, menus) is built in frm_main_design.cpp; its
// procedures live in one file per topic.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace model {
class ItemReader;
}

namespace quillory {

struct Quillory;
namespace columns { struct TieDepths; }
struct MainState;
struct SharedState;

class FrmMain : public forms::Form {
public:
    explicit FrmMain(Quillory& q);

    // --- controls, in design order ---
    forms::ImageControl& Image1 = Add<forms::ImageControl>("Image1");
    forms::Label& Label4 = Add<forms::Label>("Label4");
    forms::Frame& Frame4 = Add<forms::Frame>("Frame4");
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1", -1, &Frame4);
    forms::CommandButton& Command3 = Add<forms::CommandButton>("Command3", -1, &Frame4);
    forms::CommandButton& Command4 = Add<forms::CommandButton>("Command4", -1, &Frame4);
    forms::CommandButton& Command5 = Add<forms::CommandButton>("Command5", -1, &Frame4);
    forms::Frame& Frame5 = Add<forms::Frame>("Frame5");
    forms::ComboBox& Combo1 = Add<forms::ComboBox>("Combo1", -1, &Frame5);
    forms::ComboBox& Combo2 = Add<forms::ComboBox>("Combo2", -1, &Frame5);
    forms::ComboBox& Combo5 = Add<forms::ComboBox>("Combo5", -1, &Frame5);
    forms::ControlArray<forms::Label> Label1;
    forms::TextBox& Text1 = Add<forms::TextBox>("Text1");
    forms::Label& Label2 = Add<forms::Label>("Label2");
    forms::TextBox& Text2 = Add<forms::TextBox>("Text2");
    forms::Label& Label3 = Add<forms::Label>("Label3");
    forms::TextBox& Text3 = Add<forms::TextBox>("Text3");
    forms::Label& Label7 = Add<forms::Label>("Label7");
    forms::TextBox& Text4 = Add<forms::TextBox>("Text4");
    forms::Label& Label8 = Add<forms::Label>("Label8");
    forms::Label& Label9 = Add<forms::Label>("Label9");
    forms::Label& Label10 = Add<forms::Label>("Label10");
    forms::LineControl& Line1 = Add<forms::LineControl>("Line1");
    forms::ControlArray<forms::LineControl> Line2;
    forms::Frame& Frame2 = Add<forms::Frame>("Frame2");
    forms::Label& Label11 = Add<forms::Label>("Label11", -1, &Frame2);
    forms::ControlArray<forms::OptionButton> Option2;
    forms::CommandButton& Command2 = Add<forms::CommandButton>("Command2", -1, &Frame2);
    forms::CommandButton& Command7 = Add<forms::CommandButton>("Command7", -1, &Frame2);
    forms::Frame& Frame1 = Add<forms::Frame>("Frame1");
    forms::Label& Label6 = Add<forms::Label>("Label6", -1, &Frame1);
    forms::ControlArray<forms::OptionButton> Option4;
    forms::Frame& Frame6 = Add<forms::Frame>("Frame6");
    forms::Label& Label5 = Add<forms::Label>("Label5", -1, &Frame6);
    forms::ControlArray<forms::OptionButton> Option3;
    forms::Frame& Frame3 = Add<forms::Frame>("Frame3");
    forms::ControlArray<forms::OptionButton> Option1;
    forms::ControlArray<forms::PictureBox> BoreHole;
    forms::Slider& Slider1 = Add<forms::Slider>("Slider1");
    forms::ControlArray<forms::PictureBox> Picture1;
    forms::ControlArray<forms::CommandButton> Command6;
    forms::ControlArray<forms::ComboBox> Combo3, Combo4;
    forms::ControlArray<forms::CheckBox> Check1;
    forms::ControlArray<forms::TextBox> Text5, Text6;
    forms::ProgressBar& ProgressBar1 = Add<forms::ProgressBar>("ProgressBar1");
    forms::CommonDialog& CommonDialog1 = Add<forms::CommonDialog>("CommonDialog1");

    // --- menus (filled by the design) ---
    forms::Menu *mnuRange, *mnuLink, *mnuFont, *mnuTool, *mnuDivider2, *mnuAlign, *mnuCompCopy, *mnuHorizontalBH,
        *mnuShowTiePoints, *mnuShowLabCodes, *mnuQYDuo, *mnuPhoto, *mnuRX93, *mnuPrecision, *mnuInfo, *mnuHelp,
        *mnuVersion, *mnuRB, *mnuDivider, *mnuCopyCore, *mnuHorizontal, *mnuRBdepth, *mnuDepth, *mnuAge,
        *mnuCopyDepth, *mnuExport_4;
    forms::ControlArray<forms::Menu> mnuCM, mnuSize, mnuBH, mnuDepPrec, mnuAgePrec;
    // Per proxy panel k: the pop-up and its items.
    struct PanelMenu {
        forms::Menu *popup, *flipH, *copy, *line, *marker, *horizontal, *filename, *smooth, *flat3, *flat5, *flat11,
            *flat208, *exportItem;
    };
    PanelMenu panelMenu[5];

    // --- public operations ---
    void SearchCoreTop();
    void GetCompositDepth();
    void BoreHoleChange(int16_t b);
    // Finds bore hole b's section, tie rows and PSP at a composite depth.
    // Returns false when no PSP was computed: gPSP then holds nothing valid
    // for this call, and callers treat the bore hole as having no level here.
    bool GetPSP(int16_t b, float depth);
    void DisplayAge();
    // The full redraw of the columns and panels; drawn by the column display.
    void DrawLamina();
    void InvTrinityToCD() {}

    // --- core-column display ---
    void DrawBH5();
    void DrawEvents();
    void TargetLine(float y);
    void EraseTargetLines();
    void MouseMoveProcedure(int16_t index, int button, int shift, float x, float y);
    void MouseDownProcedure(int16_t index, int button, int shift, float x, float y);
    void SetRange(int16_t window, int16_t range);

private:
    void BuildDesign();
    void WireHandlers();

    // Core-column display: markers, layout and folding, pointing, menus.
    void WireColumnHandlers();
    void DrawMarkers(const columns::TieDepths& depths);
    void Form_Resize();
    void Form_MouseDown(float x);
    void Form_MouseMove(float y);
    void FoldAtRuler();
    void BoreHole_MouseMove(int16_t index, int button, int shift, float x, float y);
    void BoreHole_MouseDown(int16_t index, int button, int shift, float x, float y);
    void PickOnBoreHole(int16_t index, int button, int shift, float x, float y);
    void mnuSize_Click(int16_t index);
    void mnuRuler_Click(bool depth);
    void mnuBH_Click(int16_t index);
    void mnuDivider_Click();
    void mnuHorizontal_Click();
    void mnuLink_Click();
    void mnuCopyDepth_Click();

    // Start-up and shut-down.
    void Form_Load();
    void Form_Activate();
    void Form_GotFocus();

    // Imports.
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    // Shows the open dialog; nothing when the user cancelled.
    std::optional<std::string> AskFileName();
    void EndImport(bool opened);
    // The frame of every import: the dialog, the opened file, and the error
    // trap that reports a fault after the file was opened.
    void RunImport(forms::CommandButton* retry,
                   const std::function<void(const std::string& path, model::ItemReader& file)>& read);

    // Scale and extrapolation options.
    void Option2_Click();
    void Option4_Click();

    // Holy trinity.
    void Combo1_Change();
    void Combo1_Click();
    void Combo2_Change();
    void Combo2_Click();
    void Combo5_Change();
    void Combo5_Click();
    void Text1_Change();
    void Slider1_Change();
    // Runs a holy-trinity step; a run-time error ends it with the guard open.
    template <class F> void Guarded(F step);
    void ChangeBoreHoleByName();
    void ShowSectionName();
    void SelectSectionByName(bool userPick);
    void PickSectionNumber(bool userPick);
    int16_t BoreHoleIndex(const std::string& name) const;

    // Type-in boxes and level synchronisation.
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Label1_Change(int index);
    void SaveBoxes(bool text3, bool text4);
    void ConnectLinesTo(const forms::TextBox& box);
    void PrintTrace();
    bool RefuseBelowBottom(float compositeDepth);
    void EvaluateBoreHoleMenus(float level);
    void PushLevel(float level);
    void ShowHolyTrinity(float level);
    void CentreColumns();
    void ShowInterpolation();
    std::string DepthText(double v) const;
    std::string AgeText(double v) const;

    Quillory& q_;
    MainState& s_;
    SharedState& sh_;
};

}  // namespace quillory
