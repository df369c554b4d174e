// The event list import on any file, over the example correlation model; a
// loaded list must then convert depths both ways without other faults.
#include <cstdint>

#include "fuzz_check.h"
#include "model/depth_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const model::DepthModel base = fuzz::ExampleModel(false);
    model::DepthModel m = base;
    model::ItemReader file = fuzz::FileOf(data, size);
    const bool loaded = fuzz::Loads([&] { model::ImportEventList(m, file, "events_20240212.csv"); });
    fuzz::CheckEvents(m, loaded);
    fuzz::CheckCorrelation(m, true);
    if (!loaded) return 0;
    for (float level : {-10.0f, 0.0f, 123.4f, 800.0f, 9999.0f, 1e7f}) {
        fuzz::Converts([&] { (void)model::CDToEFD(m, level); });
        fuzz::Converts([&] { (void)model::EFDToCD(m, level); });
    }
    return 0;
}
