// The Duo correlation model import on any file, tied to the example master
// cores. Whatever it stops with leaves tables that agree; a loaded model must
// then convert levels both ways, place its drilling positions, take an event
// list of its own sections and the master's age model, without faults other
// than run-time errors.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "model/age_model_import.h"
#include "model/duo_age_model.h"
#include "model/duo_conversion.h"
#include "model/duo_correlation_import.h"
#include "model/duo_event_list.h"

namespace {

const model::DepthModel& MasterCores() {
    static const model::DepthModel main = [] {
        model::DepthModel m = fuzz::ExampleModel(true);
        const std::string path = std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_age_model_20240215.csv";
        model::ItemReader ages = model::ItemReader::Open(path);
        model::BeginAgeModelImport(m, ages, path);
        model::FinishAgeModelImport(m, ages, nullptr);
        return m;
    }();
    return main;
}

void CheckTables(const model::DepthModel& duo, const model::DuoMasterCore& master, bool loaded) {
    const long rows = duo.gCorrRow.Rows();
    fuzz::Require(duo.gCorrTable.Rows() == rows && rows <= 5001);
    // A record cut short in its first fourteen items has its correlation row only.
    fuzz::Require(master.gMasterField.Rows() == master.gMasterRow.Rows());
    fuzz::Require(master.gMasterField.Rows() == rows || master.gMasterField.Rows() == rows - 1);
    if (!loaded) return;
    fuzz::Require(duo.gRowCount == rows - 1 && master.gMasterField.Rows() == rows);
    if (duo.gRowCount >= 1) fuzz::CheckCorrelation(duo, true);
    const model::MasterTiePairs& pairs = master.gTiePairs;
    fuzz::Require(pairs.own.size() == pairs.master.size() && pairs.own.size() <= static_cast<size_t>(duo.gRowCount));
    for (size_t i = 1; i < pairs.own.size(); ++i) {
        if (pairs.ownAscending) fuzz::Require(pairs.own[i] >= pairs.own[i - 1]);
        if (pairs.masterAscending) fuzz::Require(pairs.master[i] >= pairs.master[i - 1]);
    }
}

// Both directions give a number: 9999 without pairs, else finite.
void CheckLink(const model::MasterCoreLink& link, const model::DuoMasterCore& master) {
    for (float x : {-50.0f, 0.0f, 12.34f, 250.0f, 1e4f, 9999.0f}) {
        fuzz::Converts([&] {
            const float toMain = link.DuoToMainCD(x), toDuo = link.MainToDuoCD(x);
            fuzz::Require(std::isfinite(toMain) && std::isfinite(toDuo));
            if (master.gTiePairs.own.empty() || x == 9999.0f) fuzz::Require(toMain == 9999.0f && toDuo == 9999.0f);
        });
    }
}

// One layer near the top of every bore hole's first section.
std::string EventList(const model::DepthModel& duo) {
    std::string list = "Bore hole,Section,Top,Bottom,Type\n";
    for (int k = 1; k <= 4; ++k)
        if (duo.gSectionCount[k] >= 1) list += duo.gBoreHoleName[k] + "," + duo.gSectionName(k, 1) + ",1.0,2.5,Tephra\n";
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const model::DepthModel& main = MasterCores();
    model::DepthModel duo;
    model::DuoMasterCore master;
    const bool duoModelLoaded = true;
    const model::MasterCoreLink link(main, duo, master, duoModelLoaded);
    model::ItemReader file = fuzz::FileOf(data, size);
    model::DuoCorrelationImport out;
    const bool loaded =
        fuzz::Loads([&] { model::ImportDuoCorrelationModel(duo, master, main, file, "duo_20240301.csv", out); });
    if (loaded && out.olderLayout) return 0;
    CheckTables(duo, master, loaded);
    if (!loaded) return 0;
    fuzz::Require(out.sectionNumbers.size() == static_cast<size_t>(duo.gSectionCount[1]));
    CheckLink(link, master);
    for (int16_t k = 1; k <= 4; ++k)
        for (int16_t s = 1; s <= duo.gSectionCount[k]; ++s)
            for (float psp : {-5.0f, 0.0f, 33.3f, 1e6f})
                for (auto rule : {model::Extrapolation::kOneToOne, model::Extrapolation::kProportional})
                    fuzz::Require(!std::isnan(model::TrinityToCD2(duo, k, s, psp, rule)));

    model::ItemReader events(EventList(duo));
    const bool listed =
        fuzz::Loads([&] { model::ImportDuoEventList(duo, master, link, events, "duo_events_20240305.csv"); });
    fuzz::CheckEvents(duo, listed);
    if (!listed) return 0;
    CheckLink(link, master);
    fuzz::Converts([&] { (void)model::TransferAgeModel2(main, duo, link); });
    for (float cd : {0.0f, 100.0f, 1e4f}) fuzz::Converts([&] { (void)model::CDToAge2(duo, cd); });
    return 0;
}
