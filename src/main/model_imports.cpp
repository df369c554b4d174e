// The main window's import buttons: each reads its file into the master depth
// model and opens the next step of the work.
#include <functional>

#include "forms/values.h"
#include "main/frm_main.h"
#include "tools/frm_rx93.h"
#include "tools/frm_version.h"
#include "model/age_model_import.h"
#include "model/depth_conversion.h"
#include "model/correlation_import.h"
#include "model/event_layers.h"
#include "model/file_names.h"
#include "model/item_reader.h"

namespace quillory {

using namespace forms;

void FrmMain::Command1_Click() {
    model::DepthModel& m = state.model;
    RunImport(nullptr, [&](const std::string& path, model::ItemReader& file) {
        Touch();
        // The version and the file's title are shown before the records are
        // read, and stay when they turn out unreadable.
        tools_.version().Label2(1).SetCaption(model::GetFileDate(path));
        SetCaption(Caption() + "   [" + model::GetFileTitle(path) + "]");
        ShowProgress(0);
        App().SetMousePointer(vbHourglass);
        model::CorrelationImport shown;
        model::ImportCorrelationModel(m, file, path, shown);
        ProgressBar1.SetMax(8.0 * m.gRowCount);
        ProgressBar1.SetValue(8.0 * m.gRowCount);

        for (int k = 1; k <= 4; ++k) {
            Label1(k).SetCaption(shown.columnTitles[k]);
            mnuBH(k).SetCaption(shown.boreHoleMenuCaptions[k]);
        }
        Slider1.SetMax(shown.sliderMax);
        Other().Slider1.SetMax(shown.sliderMax);
        for (const std::string& item : shown.sectionNumbers) Combo2.AddItem(item);
        for (const std::string& item : shown.sectionNames) Combo5.AddItem(item);

        for (int k = 0; k <= 4; ++k) {
            BoreHole(k).SetBackColor(RGB(255, 255, 255));
            BoreHole(k).SetEnabled(true);
        }
        BoreHole(5).SetEnabled(true);
        Label11.SetEnabled(true);
        for (int k = 0; k <= 2; ++k) Option1(k).SetEnabled(true);
        Option2(0).SetEnabled(true);
        Option2(1).SetEnabled(true);
        Option1(0).SetValue(true);
        for (Control* c : std::initializer_list<Control*>{&Combo1, &Combo2, &Combo5, &Text1, &Text2, &Frame5})
            c->SetEnabled(true);
        for (int k = 5; k <= 8; ++k) Label1(k).SetEnabled(true);
        Label1(11).SetEnabled(true);
        Label2.SetEnabled(true);
        for (int k = 0; k <= 4; ++k) Command6(k).SetEnabled(true);
        Command7.SetEnabled(true);
        Command1.SetEnabled(false);
        Command2.SetEnabled(true);
        Command3.SetEnabled(true);
        if (Command3.Enabled()) Command3.SetFocus();
        for (Menu* menu : {mnuRange, mnuFont, mnuTool, mnuInfo, mnuPrecision}) menu->SetEnabled(true);

        // The view opens at composite depth 240.
        state.gDrivenBy = DrivenBy::kTyped;
        shared.gActionCount.Set(ActionCount::kUserAction);
        Text2.SetText("240");
        state.gDrivenBy = DrivenBy::kNobody;

        const float level = static_cast<float>(Val(Text2.Text()));
        EvaluateBoreHoleMenus(level);

        Combo1.SetText(m.gBoreHoleName[1]);
        for (const std::string& item : shown.boreHoleItems) Combo1.AddItem(item);
        mnuCopyDepth->SetEnabled(true);

        mainTools_.rx93().FollowColumns();
        ProgressBar1.SetValue(0);
        ProgressBar1.SetVisible(false);
        App().SetMousePointer(vbDefault);
    });
}

void FrmMain::Command3_Click() {
    model::DepthModel& m = state.model;
    RunImport(&Command3, [&](const std::string& path, model::ItemReader& file) {
        Touch();
        tools_.version().Label2(3).SetCaption(model::GetFileDate(path));
        ShowProgress(1);
        App().SetMousePointer(vbHourglass);
        model::ImportEventList(m, file, path);
        Command3.SetEnabled(false);
        // Only a list that was read whole opens the next steps.
        for (Control* c : std::initializer_list<Control*>{&Label5, &Option3(0), &Option3(1)}) c->SetEnabled(true);
        mnuQYDuo->SetEnabled(true);
        mnuAlign->SetEnabled(true);
        if (m.gEventCount == 0) {
            Text3.SetText(Text2.Text());
        } else {
            const std::string efd = DepthText(model::CDToEFD(m, static_cast<float>(Val(Label1(8).Caption()))));
            Label1(10).SetCaption(efd);
            Text3.SetText(efd);
        }
        ProgressBar1.SetVisible(false);
        ProgressBar1.SetValue(0);
        App().SetMousePointer(vbDefault);
        DrawLamina();
        Draw().Cls();
        Touch();
        const bool typeIn = Option1(0).Value();
        if (typeIn || Option1(2).Value())
            for (Control* c : std::initializer_list<Control*>{&Label1(9), &Label1(10), &Label3, &Text3})
                c->SetEnabled(typeIn);
        Command4.SetEnabled(true);
        if (Command4.Enabled()) Command4.SetFocus();
    });
}

void FrmMain::Command4_Click() {
    model::DepthModel& m = state.model;
    RunImport(&Command4, [&](const std::string& path, model::ItemReader& file) {
        tools_.version().Label2(4).SetCaption(model::GetFileDate(path));
        App().SetMousePointer(vbHourglass);
        ShowProgress(200);
        ProgressBar1.SetValue(1);
        model::AgeModelHeader header = model::BeginAgeModelImport(m, file, path);
        if (!header.versionMatches && App().MsgBox(header.warning, vbYesNo, "WARNING!!") == vbNo)
            return EndImport(false);
        model::ReadAgePoints(m, file);
        // The age read-outs follow the input mode once the points are read,
        // whether or not their depths can then be derived.
        const bool typeIn = Option1(0).Value();
        for (Control* c : std::initializer_list<Control*>{&Label7, &Label8, &Label9, &Text4}) c->SetEnabled(typeIn);
        model::AgeModelImport result = model::DeriveAgeModelDepths(m, DuoModel());
        if (result.refused) {
            EndImport(false);
            App().MsgBox(result.message, vbExclamation, "Error");
            return;
        }
        shared.gAgeErrNamePlus = result.errorNamePlus;
        shared.gAgeErrNameMinus = result.errorNameMinus;
        App().SetMousePointer(vbDefault);
        DisplayAge();
        DrawLamina();
        mnuAge->SetEnabled(true);
        mnuDepth->SetEnabled(true);
        counterpart_.TakeAgeModel();
        Command4.SetEnabled(false);
        ProgressBar1.SetVisible(false);
        ProgressBar1.SetValue(0);
    });
}

void FrmMain::Command5_Click() {
    model::DepthModel& m = state.model;
    RunImport(nullptr, [&](const std::string& path, model::ItemReader& file) {
        App().SetMousePointer(vbHourglass);
        ShowProgress(2000);
        model::BeginVarveImport(m, file, path);
        tools_.version().Label2(5).SetCaption(m.gVerVarves);
        model::FinishVarveImport(m, file);
        DrawLamina();
        DisplayAge();
        counterpart_.DropAgeModel();
        Command5.SetEnabled(false);
        if (Text2.Enabled()) Text2.SetFocus();
        ProgressBar1.SetVisible(false);
        ProgressBar1.SetValue(0);
        App().SetMousePointer(vbDefault);
    });
}

}  // namespace quillory
