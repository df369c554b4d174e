// The Duo window's "Convert from data file": positions in its own bore holes
// give its own composite depth as they come, those in the master cores' bore
// holes are carried over from the main model's composite depth.
#include "duo/frm2_main.h"
#include "model/conversion_input.h"

namespace quillory {

model::ConversionSide Frm2Main::ConversionReadingSide() {
    return model::DuoWindowSide(state.model, OtherState().model, duo_.link);
}

}  // namespace quillory
