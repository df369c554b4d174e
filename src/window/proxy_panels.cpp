// The proxy panels of a main window: "Import proxy", and what the panels'
// procedures (src/proxy) ask of the window, by the main window's rules.
#include "forms/application.h"
#include "model/age_conversion.h"
#include "model/proxy_import.h"
#include "model/proxy_positions.h"
#include "proxy/frm_select.h"
#include "proxy/panel_import.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

void CoreWindow::Command6_Click(int16_t panel) {
    // A fault after the window waited for the read gives it back.
    RunImport(
        nullptr,
        [this, panel](const std::string& path, model::ItemReader& file) {
            std::optional<std::string> title = model::ProxyFileTitle(path);
            if (!title) return EndImport(false);
            Refresh();
            ShowProgress(100);
            ProgressBar1.SetValue(1);
            App().SetMousePointer(vbHourglass);
            LoadProxyPanel(*this, tools_.select(), panel, ReadProxyFile(file, std::move(*title)));
        },
        [this](bool) { SetEnabled(true); });
}

model::ProxyImport CoreWindow::ReadProxyFile(model::ItemReader& file, std::string title) {
    return model::ImportMainProxy(state.model, file, std::move(title));
}

void CoreWindow::ConvertProxyPositions(model::ProxyPanelData& panel, model::ProxyAxis axis) {
    model::ConvertProxyPositions(state.model, panel, axis);
}

std::array<float, 2> CoreWindow::ProxyBandEdges() {
    model::DepthModel& m = state.model;
    // Rows that open or close one bore hole's section have no composite depth.
    const model::IndexedColumn& rowDepth = model::RowCells(m, 1);
    auto depth = [&rowDepth](long r) { return static_cast<float>(rowDepth.Val(r)); };
    long first = 1, last = m.gRowCount;
    while (first < m.gRowCount && depth(first) == model::kNoValue) ++first;
    while (last > 1 && depth(last) == model::kNoValue) --last;
    // A window drawn on the other's scale converts through the other's model.
    model::AgeReadoutKept kept(m), otherKept(OtherState().model);
    return {TrinityLevel(depth(first)), TrinityLevel(depth(last))};
}

void CoreWindow::LeavePanelControl(bool axisBox) {
    if (axisBox) EraseBothTargetLines();
    else EraseTargetLines();
}

}  // namespace quillory
