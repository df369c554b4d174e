#pragma once
// What a successful proxy read does to its panel, all in one go: the tables,
// counts, flags and title, the choosers, the axis boxes, the pop-up items;
// then the vertical-axis question is prepared, and a file placed by drilling
// position is drawn at once while one placed by one value waits, with its
// window disabled, for the question's answer.
#include <cstdint>

#include "model/proxy_import.h"

namespace quillory {

class FrmSelect;
class SideWindow;

void LoadProxyPanel(SideWindow& window, FrmSelect& select, int16_t panel, model::ProxyImport import);

}  // namespace quillory
