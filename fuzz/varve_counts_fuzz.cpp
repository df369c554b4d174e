// The varve count import on any file, over the example correlation model and
// event list; loaded counts must then give ages without other faults.
#include <cstdint>

#include "fuzz_check.h"
#include "model/age_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const model::DepthModel base = fuzz::ExampleModelWithAges();
    model::DepthModel m = base;
    model::ItemReader file = fuzz::FileOf(data, size);
    const bool loaded = fuzz::Loads([&] { model::ImportVarveCounts(m, file, "varves_20240220.csv"); });
    // Count 0 needs no row: the table may still be the empty one of a new model.
    fuzz::Require(m.gVarve.Columns() == 2 && m.gVarveCount >= 0 && (m.gVarveCount == 0 || m.gVarveCount < m.gVarve.Rows()));
    fuzz::Require(m.gVarvesLoaded == loaded);
    if (!loaded) return 0;
    fuzz::Require(m.gVarveCount >= 1);
    for (float level : {-10.0f, 0.0f, 305.0f, 320.5f, 800.0f, 9999.0f}) {
        fuzz::Converts([&] { (void)model::CDToAge(m, level); });
        fuzz::Converts([&] { (void)model::EFDToAge(m, level); });
        fuzz::Converts([&] { (void)model::AgeToEFD(m, level * 10); });
    }
    return 0;
}
