#pragma once
// What every reader's fuzz target checks besides "no crash": the reader either
// loads the file or stops with the program's own run-time error, and whatever
// it stops with leaves tables whose sizes and counts agree. A violation traps,
// so libFuzzer keeps the input.
#include <exception>
#include <string>
#include <string_view>

#include "model/age_model_import.h"
#include "model/correlation_import.h"
#include "model/depth_model.h"
#include "model/event_layers.h"
#include "model/item_reader.h"
#include "values/runtime_error.h"

namespace fuzz {

inline void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// Runs an import; true when it loaded, false when it stopped with a run-time
// error. Any other exception is a finding.
template <class Import>
bool Loads(Import import) {
    try {
        import();
        return true;
    } catch (const values::RuntimeError&) {
        return false;
    } catch (...) {
        __builtin_trap();
    }
}

// Calls a conversion, which may refuse with a run-time error but with nothing else.
template <class Conversion>
void Converts(Conversion conversion) {
    try {
        conversion();
    } catch (const values::RuntimeError&) {
    } catch (...) {
        __builtin_trap();
    }
}

inline model::ItemReader FileOf(const uint8_t* data, size_t size) {
    return model::ItemReader(std::string(reinterpret_cast<const char*>(data), size));
}

// The example data set, loaded as far as a target needs it.
inline model::DepthModel ExampleModel(bool events) {
    const std::string dir = std::string(QUILLORY_SOURCE_DIR) + "/examples/";
    model::DepthModel m;
    model::ItemReader correlation = model::ItemReader::Open(dir + "QL22_correlation_20240209.csv");
    model::CorrelationImport out;
    model::ImportCorrelationModel(m, correlation, "QL22_correlation_20240209.csv", out);
    if (events) {
        model::ItemReader list = model::ItemReader::Open(dir + "QL22_event_layers_20240212.csv");
        model::ImportEventList(m, list, "QL22_event_layers_20240212.csv");
    }
    return m;
}

// The example data set with its age-depth model too.
inline model::DepthModel ExampleModelWithAges() {
    model::DepthModel m = ExampleModel(true);
    const std::string path = std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_age_model_20240215.csv";
    model::ItemReader file = model::ItemReader::Open(path);
    model::BeginAgeModelImport(m, file, path);
    model::FinishAgeModelImport(m, file, nullptr);
    return m;
}

// The correlation tables: one row count for all of them, and the row and
// section counts inside them.
inline void CheckCorrelation(const model::DepthModel& m, bool loaded) {
    Require(m.gCorrTable.Rows() == m.gCorrRow.Rows() && m.gCorrRow.Columns() == 4);
    Require(m.gCorrRow.Rows() <= 5001);
    if (!loaded) return;
    Require(m.gRowCount >= 1 && m.gRowCount == m.gCorrRow.Rows() - 1);
    for (int k = 1; k <= 4; ++k) {
        const long sections = m.gSectionCount[k];
        Require(sections >= 0 && sections < m.gSectionName.Rows() && sections < m.gSectionTop.Rows() &&
                sections < m.gSectionBottom.Rows());
        for (long s = 1; s <= sections; ++s) {
            Require(m.gSectionTop(k, s) >= 1 && m.gSectionTop(k, s) <= m.gRowCount);
            Require(m.gSectionBottom(k, s) >= 0 && m.gSectionBottom(k, s) <= m.gRowCount);
            if (s > 1) Require(m.gSectionTop(k, s) > m.gSectionTop(k, s - 1));
        }
    }
}

// The event tables: the list, the combined layers and their index agree; a
// failed import leaves both counts at "not loaded".
inline void CheckEvents(const model::DepthModel& m, bool loaded) {
    Require(m.gEventList.Columns() == 10);
    if (!loaded) {
        Require(m.gEventCount == model::kNotLoaded && m.gMergedEventCount == model::kNotLoaded);
        Require(!m.gEventsLoaded);
        return;
    }
    Require(m.gEventsLoaded && m.gEventCount >= 0 && m.gEventCount == m.gEventList.Rows() - 1);
    Require(m.gMergedEventCount >= 0 && m.gMergedEventCount <= m.gEventCount);
    Require(m.gEventTop.Rows() == m.gEventCount + 1 && m.gEventBottom.Rows() == m.gEventCount + 1);
    const size_t slots = static_cast<size_t>(m.gMergedEventCount) + 2;
    Require(m.gEventIndex.thicknessAbove.size() == slots && m.gEventIndex.gapAbove.size() == slots &&
            m.gEventIndex.thicknessAboveExact.size() == slots);
}

}  // namespace fuzz
