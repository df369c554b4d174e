// The Duo window's event list import on any file, over the example Duo model
// tied to the example master cores. A failed import leaves both counts at
// "not loaded" and the list unloaded; a loaded list leaves combined layers
// that do not overlap, in the order of their tops, and the Duo's levels must
// then convert to event-free and master depths without other faults.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "model/depth_conversion.h"
#include "model/duo_correlation_import.h"
#include "model/duo_event_list.h"

namespace {

struct DuoModels {
    model::DepthModel main = fuzz::ExampleModel(true);
    model::DepthModel duo;
    model::DuoMasterCore master;
};

const DuoModels& Loaded() {
    static const DuoModels models = [] {
        DuoModels m;
        const std::string path = std::string(QUILLORY_SOURCE_DIR) + "/examples/QL23_duo_correlation_20240301.csv";
        model::ItemReader file = model::ItemReader::Open(path);
        model::DuoCorrelationImport out;
        model::ImportDuoCorrelationModel(m.duo, m.master, m.main, file, path, out);
        return m;
    }();
    return models;
}

// Consecutive combined layers: apart or touching, and rising where both
// tops are depths the sort places (below 999999); the slots merged away hold -9999.
void CheckCombined(const model::DepthModel& duo) {
    for (long i = 2; i <= duo.gMergedEventCount; ++i) {
        fuzz::Require(!(duo.gEventBottom(1, i - 1) > duo.gEventTop(1, i)));
        if (duo.gEventTop(1, i - 1) < 999999 && duo.gEventTop(1, i) < 999999)
            fuzz::Require(duo.gEventTop(1, i - 1) <= duo.gEventTop(1, i));
    }
    for (long i = duo.gMergedEventCount + 1; i <= duo.gEventCount; ++i)
        fuzz::Require(duo.gEventTop(1, i) == -9999 && duo.gEventBottom(1, i) == -9999);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const DuoModels& base = Loaded();
    model::DepthModel duo = base.duo;
    model::DuoMasterCore master = base.master;
    const bool duoModelLoaded = true;
    const model::MasterCoreLink link(base.main, duo, master, duoModelLoaded);
    model::ItemReader file = fuzz::FileOf(data, size);
    const bool loaded =
        fuzz::Loads([&] { model::ImportDuoEventList(duo, master, link, file, "duo_events_20240305.csv"); });
    fuzz::CheckEvents(duo, loaded);
    if (!loaded) return 0;
    CheckCombined(duo);
    for (float level : {-10.0f, 0.0f, 123.4f, 800.0f, 9999.0f, 1e7f}) {
        fuzz::Converts([&] { (void)model::CDToEFD(duo, level); });
        fuzz::Converts([&] { (void)model::EFDToCD(duo, level); });
        fuzz::Converts([&] { (void)link.DuoToMainCD(level); });
    }
    return 0;
}
