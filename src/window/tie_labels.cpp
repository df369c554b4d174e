// The columns print the same tie labels at every level: once a correlation
// model is read, or the labels' font size chosen, the platform is told them
// all, so that it can prepare them before the levels that show them.
#include "window/tie_labels.h"

#include <vector>

#include "forms/application.h"
#include "window/column_drawing.h"
#include "window/core_window.h"

namespace quillory {

std::string columns::TieLabel(const model::DepthModel& m, int bh, long row) {
    return m.gCorrTable(0, bh, 0, row) + " (" + m.gCorrTable(0, bh, 1, row) + " cm)";
}

void CoreWindow::AnnounceTieLabels() {
    const model::DepthModel& m = state.model;
    // Labels are printed from font size 2 on, once a model has tie rows.
    const bool printed = state.gFontSize > 1 && m.gRowCount >= 1;
    std::vector<std::string> names;
    for (long i = 1; printed && i <= m.gRowCount; ++i)
        if (const columns::CompositeTie tie = CompositeTieOf(i); tie.text) names.push_back(*tie.text);
    App().Platform().TextsAhead(BoreHole(0).Draw(), names, state.gFontSize, BoreHole(0).FontBold());
    // The rows a column draws on the drilling or the composite depth, the
    // scales a model opens with (the event-free and age scales follow the
    // composite depth).
    using columns::TieDepths;
    const TieDepths drilling = printed ? TieDepths::Read(m, 0) : TieDepths{};
    const TieDepths composite = printed ? TieDepths::Read(m, 1) : TieDepths{};
    for (int bh = 1; bh <= 4; ++bh) {
        std::vector<std::string> labels;
        for (long i = 1; printed && i <= m.gRowCount; ++i)
            if (columns::DrawsTie(drilling, bh, i) || columns::DrawsTie(composite, bh, i))
                labels.push_back(columns::TieLabel(m, bh, i));
        App().Platform().TextsAhead(BoreHole(bh).Draw(), labels, state.gFontSize, BoreHole(bh).FontBold());
    }
}

}  // namespace quillory
