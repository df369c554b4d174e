// The event layers on the core columns: other layers first, then tephras
// with their names, then voids, each on its bore hole and the composite column.
#include <vector>

#include "values/values.h"
#include "window/column_drawing.h"
#include "window/core_window.h"
#include "model/correlation_lookup.h"
#include "model/event_types.h"

namespace quillory {

using namespace forms;
using namespace columns;

std::pair<int, int> CoreWindow::EventColumns() const {
    switch (state.model.gVerticalScale) {
        case 2: return {8, 8};
        case 3: return {9, 9};
        case 1: return {6, 7};
        default: return {state.gEventDepthCol, 7};
    }
}

Colour CoreWindow::TephraColour() const { return kTephra; }

void CoreWindow::DrawEvents() {
    const model::DepthModel& m = state.model;
    const auto [topCol, bottomCol] = EventColumns();
    state.gEventDepthCol = static_cast<int16_t>(topCol);

    struct Layer {
        int boreHole;
        float top, bottom;
        long row;
    };
    std::vector<Layer> tephras, voids;
    Surface& composite = BoreHole(0).Draw();
    auto onBoth = [&](const Layer& l, auto draw) {
        const double w = BoreHole(l.boreHole).Draw().ScaleWidth();
        draw(BoreHole(l.boreHole).Draw(), w, l);
        draw(composite, w, l);
    };

    const model::IndexedColumn& tops = model::EventCells(m, topCol);
    const model::IndexedColumn& bottoms = model::EventCells(m, bottomCol);
    for (long i = 1; i <= m.gEventCount; ++i) {
        const float T = composite.ScaleTop(), H = composite.ScaleHeight();  // T + H in single precision
        const float t = static_cast<float>(tops.Val(i));
        const float b = static_cast<float>(bottoms.Val(i));
        const bool visible = (T < t && t < T + H) || (T < b && b < T + H) || (t < T && b > T + H);
        if (!visible) continue;
        // A layer in a bore hole the model does not have has no column.
        const int k = model::BHNo(m, m.gEventList(1, i));
        if (k < 1 || k > 4) continue;
        const Layer layer{k, t, b, i};
        const std::string_view type = m.gEventList(5, i);
        if (model::IsTephra(type)) {
            tephras.push_back(layer);
        } else if (model::IsVoid(type)) {
            voids.push_back(layer);
        } else {
            onBoth(layer, [](Surface& s, double w, const Layer& l) { s.FilledBox(0, l.top, w, l.bottom, kOtherEvent); });
        }
    }

    const double nameOffset =
        static_cast<double>(state.gLayoutA) / Height() * (state.gRange / 60.0) * (state.gFontSize / 6.0);
    const Colour tephra = TephraColour();
    for (const Layer& layer : tephras) {
        onBoth(layer, [tephra](Surface& s, double w, const Layer& l) { s.FilledBox(0, l.top, w, l.bottom, tephra); });
        if (!mnuSize(1).Checked()) {
            composite.CurrentX = 0.2;
            composite.CurrentY = layer.bottom - nameOffset;
            composite.Print(model::GetTephraName(m.gEventList(5, layer.row)));
        }
    }
    const EmptyMark mark = Drawing().emptyMark;
    for (const Layer& layer : voids) {
        onBoth(layer, [mark](Surface& s, double w, const Layer& l) {
            s.FilledBox(0, l.top, w, l.bottom, kGrey);
            MarkEmpty(s, mark, l.top, l.bottom, w);
        });
    }
}

}  // namespace quillory
