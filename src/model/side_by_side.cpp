#include "model/side_by_side.h"

namespace model {

void (*gBeforeThreadStart)() = nullptr;

long Processors() { return std::clamp<long>(std::thread::hardware_concurrency(), 1, 8); }

}  // namespace model
