#pragma once
// Depth models loaded from the generated inputs, as far as a benchmark needs.
#include <string>

#include "bench/bench_files.h"
#include "model/age_model_import.h"
#include "model/correlation_import.h"
#include "model/depth_model.h"
#include "model/event_layers.h"

namespace bench {

inline void LoadCorrelation(model::DepthModel& m) {
    model::ItemReader file = model::ItemReader::Open(Files().correlation);
    model::CorrelationImport out;
    model::ImportCorrelationModel(m, file, Files().correlation, out);
}

inline void LoadEvents(model::DepthModel& m) {
    model::ItemReader file = model::ItemReader::Open(Files().events);
    model::ImportEventList(m, file, Files().events);
}

inline void LoadAges(model::DepthModel& m) {
    model::ItemReader file = model::ItemReader::Open(Files().ages);
    model::BeginAgeModelImport(m, file, Files().ages);
    model::FinishAgeModelImport(m, file, nullptr);
}

inline void LoadVarves(model::DepthModel& m) {
    model::ItemReader file = model::ItemReader::Open(Files().varves);
    model::ImportVarveCounts(m, file, Files().varves);
}

// The correlation model, then as many of events, ages and varves as asked for.
inline model::DepthModel LoadedModel(int parts) {
    model::DepthModel m;
    LoadCorrelation(m);
    if (parts >= 1) LoadEvents(m);
    if (parts >= 2) LoadAges(m);
    if (parts >= 3) LoadVarves(m);
    return m;
}

}  // namespace bench
