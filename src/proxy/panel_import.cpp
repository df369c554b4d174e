#include "proxy/panel_import.h"

#include <string>
#include <tuple>

#include "forms/application.h"
#include "model/proxy_preview.h"
#include "proxy/draw_proxy.h"
#include "proxy/frm_select.h"
#include "side/side_window.h"

namespace quillory {

using namespace forms;

void LoadProxyPanel(SideWindow& w, FrmSelect& select, int16_t k, model::ProxyImport import) {
    SideState& st = w.state;
    const model::ProxyPreview preview = model::PreviewOf(import, w.ProxyPreviewPlane());
    const model::ProxyChoosers choosers = model::ChoosersOf(import.panel);
    const bool byDrillingPosition = import.panel.gProxyHasTrinity;

    for (auto [box, items, shown] : {std::tuple{&w.Combo3(k), &choosers.columns, &choosers.column},
                                     std::tuple{&w.Combo4(k), &choosers.divisors, &choosers.divisor}}) {
        box->Clear();
        for (const std::string& item : *items) box->AddItem(item);
        box->SetText(*shown);
    }
    st.gAxisTextEnabled = false;
    w.Text5(k).SetText("");
    w.Text6(k).SetText("");
    st.gAxisTextEnabled = true;
    st.proxy[k] = std::move(import.panel);
    st.proxyDrawing[k].Forget();
    st.gProxyLoaded[k] = true;
    const SideWindow::PanelMenu& pm = w.panelMenu[k];
    for (Menu* item : {pm.flipH, pm.line, pm.marker, pm.smooth, pm.flat3, pm.flat5, pm.copy, pm.horizontal,
                       pm.filename, pm.exportItem})
        item->SetEnabled(true);

    w.SetEnabled(false);
    w.App().SetMousePointer(vbDefault);
    select.Prepare(k, preview);
    if (byDrillingPosition) {
        w.Picture1(k).SetBackColor(kWhite);
        DrawProxy(w, k);
        w.SetEnabled(true);
    } else {
        select.Show();
    }
}

}  // namespace quillory
