// The correlation model import on any file; a loaded model must then place
// levels without faults other than run-time errors.
#include <cstdint>

#include "fuzz_check.h"
#include "model/depth_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    model::DepthModel m;
    model::ItemReader file = fuzz::FileOf(data, size);
    model::CorrelationImport out;
    const bool loaded = fuzz::Loads([&] { model::ImportCorrelationModel(m, file, "model_20240209.csv", out); });
    fuzz::CheckCorrelation(m, loaded);
    if (!loaded) return 0;
    fuzz::Require(out.sectionNumbers.size() == static_cast<size_t>(m.gSectionCount[1]));
    for (int16_t k = 1; k <= 4; ++k)
        for (int16_t s = 1; s <= m.gSectionCount[k]; ++s)
            for (float psp : {-5.0f, 0.0f, 33.3f, 1e6f})
                fuzz::Converts([&] { (void)model::TrinityToCD(m, k, s, psp); });
    return 0;
}
