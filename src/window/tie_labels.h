#pragma once
// The labels the bore-hole columns print at their tie rows.
#include <string>

#include "model/depth_model.h"

namespace quillory::columns {

// "name (PSP cm)" of bore hole bh at a tie row.
std::string TieLabel(const model::DepthModel& m, int bh, long row);

}  // namespace quillory::columns
