#pragma once
// Depth models loaded from the generated inputs, as far as a benchmark needs.
#include <random>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "model/age_model_import.h"
#include "model/correlation_import.h"
#include "model/depth_model.h"
#include "model/duo_correlation_import.h"
#include "model/duo_event_list.h"
#include "model/duo_master_link.h"
#include "model/event_layers.h"

namespace bench {

// One million levels spread evenly at random from 0 to `bottom`.
inline std::vector<float> RandomLevels(float bottom, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> level(0, bottom);
    std::vector<float> levels(1000000);
    for (float& l : levels) l = level(random);
    return levels;
}

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

// The main model and the generated Duo model tied to it, loaded as the
// program holds them; with `events`, both event lists too.
struct LoadedDuo {
    model::DepthModel main, duo;
    model::DuoMasterCore master;
    bool duoModelLoaded = true;
    model::MasterCoreLink link{main, duo, master, duoModelLoaded};

    explicit LoadedDuo(bool events) {
        LoadCorrelation(main);
        if (events) LoadEvents(main);
        LoadDuoCorrelation();
        if (events) {
            model::ItemReader file = model::ItemReader::Open(Files().duoEvents);
            model::ImportDuoEventList(duo, master, link, file, Files().duoEvents);
        }
    }
    void LoadDuoCorrelation() {
        model::ItemReader file = model::ItemReader::Open(Files().duoCorrelation);
        model::DuoCorrelationImport shown;
        model::ImportDuoCorrelationModel(duo, master, main, file, Files().duoCorrelation, shown);
    }
};

}  // namespace bench
