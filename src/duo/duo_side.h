#pragma once
// What only the Duo window keeps beside its side's state: the master-core
// fields of its model, the link between its composite depth and the master
// core's (the main model's), and its warning lamp. The program holds one.
#include "duo/warning_lamp.h"
#include "model/duo_master_link.h"
#include "model/duo_model.h"
#include "side/shared_state.h"
#include "side/side_state.h"

namespace quillory {

struct DuoSide {
    DuoSide(const SideState& main, const SideState& duo, const SharedState& shared)
        : link(main.model, duo.model, master, shared.gDuoModelLoaded), shared_(shared) {}

    model::DuoMasterCore master;
    // DuoToMainCD and MainToDuoCD over the models as they are at each call.
    model::MasterCoreLink link;
    LampState lamp;

    // The Duo model as the main window's importers and bottom test read it;
    // null until the Duo window has loaded its model.
    const model::DuoModelLink* DuoLink() const { return shared_.gDuoModelLoaded ? &link : nullptr; }

private:
    const SharedState& shared_;
};

}  // namespace quillory
