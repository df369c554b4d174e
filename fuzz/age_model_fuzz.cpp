// The age-depth model import on any file, over the example correlation model
// and event list; a loaded model must then give ages and depths without
// faults other than run-time errors.
#include <cstdint>

#include "fuzz_check.h"
#include "model/age_conversion.h"
#include "model/age_model_import.h"

namespace {

void CheckAgeTables(const model::DepthModel& m) {
    for (const auto* table : {&m.gAgeModel, &m.gAgeModelAux}) fuzz::Require(table->Columns() == 12 && table->Rows() >= 1);
    fuzz::Require(m.gAgeModelRows >= 0 && m.gAgeModelRows < m.gAgeModel.Rows());
    fuzz::Require(m.gAgeModelAuxRows >= 0 && m.gAgeModelAuxRows < m.gAgeModelAux.Rows());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const model::DepthModel base = fuzz::ExampleModel(true);
    model::DepthModel m = base;
    model::ItemReader file = fuzz::FileOf(data, size);
    model::AgeModelImport result;
    const bool loaded = fuzz::Loads([&] {
        model::BeginAgeModelImport(m, file, "ages_20240215.csv");
        result = model::FinishAgeModelImport(m, file, nullptr);
    });
    CheckAgeTables(m);
    fuzz::Require(m.gAgeModelLoaded == (loaded && !result.refused));
    if (!m.gAgeModelLoaded) return 0;
    for (float level : {-10.0f, 0.0f, 123.4f, 800.0f, 9999.0f, 1e7f}) {
        fuzz::Converts([&] { (void)model::CDToAge(m, level); });
        fuzz::Converts([&] { (void)model::EFDToAge(m, level); });
        fuzz::Converts([&] { (void)model::AgeToEFD(m, level); });
        fuzz::Require(m.gAgeRowLo >= 0 && m.gAgeRowHi <= m.gAgeModelRows);
    }
    return 0;
}
