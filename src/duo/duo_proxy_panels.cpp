// The Duo window's proxy panels: the same panels as the main window's over
// the Duo's store, whose positions are the Duo model's own composite depth
// (as read or answered through its own age-depth model) and the master
// core's, reached through the link.
#include "duo/frm2_main.h"
#include "model/proxy_import.h"
#include "model/proxy_positions.h"

namespace quillory {

model::ProxyImport Frm2Main::ReadProxyFile(model::ItemReader& file, std::string title) {
    return model::ImportDuoProxy(duo_.link, file, std::move(title));
}

void Frm2Main::ConvertProxyPositions(model::ProxyPanelData& panel, model::ProxyAxis axis) {
    model::ConvertDuoProxyPositions(state.model, duo_.link, panel, axis);
}

int16_t Frm2Main::ProxyPlane() const { return FitsMaster() ? 1 : model::kDuoPlacedPlane; }

int16_t Frm2Main::ProxyPreviewPlane() const { return model::kDuoPlacedPlane; }

// A Duo panel's drawing takes only the Duo window's target lines away.
void Frm2Main::EraseTargetLinesAfterProxy() { EraseTargetLines(); }

// Its controls take both windows' away, whether or not the model is loaded.
void Frm2Main::LeavePanelControl(bool) {
    EraseTargetLines();
    Other().EraseTargetLines();
}

}  // namespace quillory
