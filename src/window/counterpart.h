#pragma once
// The other main window as one main window reaches it: the main window's
// counterpart is the Duo window, the Duo window's is the main window (its
// master core).
#include "model/duo_link.h"
#include "side/side_state.h"

namespace quillory {

class CoreWindow;

class Counterpart {
public:
    virtual ~Counterpart() = default;
    // The other window; reaching it loads it, hidden, the first time.
    virtual CoreWindow& Window() = 0;
    // The other window while it is loaded, else null.
    virtual CoreWindow* LoadedWindow() = 0;
    // The other window's state, reached without loading its window.
    virtual SideState& State() = 0;
    // A composite depth of this window's model in the other's; 9999 when
    // there is none.
    virtual float ToOtherCD(float depth) = 0;
    // The Duo model as this window's importers and bottom test read it: the
    // main window's link to the Duo model, null while none is loaded (and
    // always for the Duo window, which reads the master model itself).
    virtual const model::DuoModelLink* DuoModel() = 0;

    // What the main window's steps ask of the Duo window (nothing is asked
    // the other way): take over the main age-depth model once it is read,
    // and let its copy go when varve counts arrive, so that it is made again.
    virtual void TakeAgeModel() = 0;
    virtual void DropAgeModel() = 0;
};

}  // namespace quillory
