#pragma once
// A main window as the windows around it see it: the controls both main
// windows have (the holy-trinity controls, the type-in boxes and read-outs,
// the core columns, the proxy panels and their menus), its side's state and
// the procedures its tool windows call back. The main window and the Duo
// window are both one of these; the procedures behind them are the core
// window's (window/core_window.h).
#include <array>
#include <string>
#include <utility>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/shared_state.h"
#include "model/proxy_import.h"
#include "model/proxy_positions.h"
#include "side/side_state.h"

namespace quillory {

class SideWindow : public forms::Form {
public:
    SideWindow(forms::Application& app, const std::string& name, SharedState& shared, SideState& state)
        : Form(app, name), shared(shared), state(state) {}

    SharedState& shared;
    SideState& state;

    // Redraws the columns and panels; clears the target lines of this window.
    virtual void DrawLamina() = 0;
    virtual void EraseTargetLines() = 0;

    // --- what the proxy panels (src/proxy) ask of their window ---
    // A proxy file read for one of this window's panels, placed through its model.
    virtual model::ProxyImport ReadProxyFile(model::ItemReader& file, std::string title) = 0;
    // The vertical-axis answer: a panel's positions from its values as read.
    virtual void ConvertProxyPositions(model::ProxyPanelData& panel, model::ProxyAxis axis) = 0;
    // The plane of the panels' positions drawn now, and the one the
    // vertical-axis question previews.
    virtual int16_t ProxyPlane() const = 0;
    virtual int16_t ProxyPreviewPlane() const = 0;
    // Where the correlation model begins and ends on the drawn scale: the
    // panels grey what lies above the first and below the last.
    virtual std::array<float, 2> ProxyBandEdges() = 0;
    // The event table's columns of a layer's top and bottom on the drawn scale.
    virtual std::pair<int, int> EventColumns() const = 0;
    // The target lines a drawn panel takes away.
    virtual void EraseTargetLinesAfterProxy() = 0;

    // --- controls, in design order ---
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
    forms::Menu *mnuRange = nullptr, *mnuLink = nullptr, *mnuFont = nullptr, *mnuTool = nullptr,
               *mnuDivider2 = nullptr, *mnuAlign = nullptr, *mnuCompCopy = nullptr, *mnuHorizontalBH = nullptr,
               *mnuShowTiePoints = nullptr, *mnuShowLabCodes = nullptr, *mnuPhoto = nullptr, *mnuInfo = nullptr, *mnuVersion = nullptr,
               *mnuRB = nullptr, *mnuDivider = nullptr, *mnuCopyCore = nullptr, *mnuHorizontal = nullptr,
               *mnuRBdepth = nullptr, *mnuDepth = nullptr, *mnuAge = nullptr, *mnuCopyDepth = nullptr,
               *mnuExport_4 = nullptr;
    forms::ControlArray<forms::Menu> mnuCM, mnuSize, mnuBH;
    // Per proxy panel k: the pop-up and its items ("Multiple colour" in panel 0 only).
    struct PanelMenu {
        forms::Menu *popup = nullptr, *multi = nullptr, *flipH = nullptr, *copy = nullptr, *line = nullptr, *marker = nullptr,
                    *horizontal = nullptr, *filename = nullptr, *smooth = nullptr, *flat3 = nullptr,
                    *flat5 = nullptr, *flat11 = nullptr, *flat208 = nullptr, *exportItem = nullptr;
    };
    PanelMenu panelMenu[5];
};

}  // namespace quillory
