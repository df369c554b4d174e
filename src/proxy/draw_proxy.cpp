#include "proxy/draw_proxy.h"

namespace quillory {

// The panels hold no data until the proxy import exists, so there is nothing
// to draw yet.
void DrawProxy(SideWindow&, int16_t) {}

}  // namespace quillory
