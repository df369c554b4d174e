#pragma once
// A small model for the conversion tests, and a stand-in for the Duo model.
//
// Bore hole A ("Core Q-1") is one section A-01 from PSP 10 to 90 with ties at
// PSP 20 (120 cm) and 80 (180 cm); B ("Core Q-2") has one section B-01 whose
// first row is a tie (PSP 0, 120 cm), a tie at PSP 50 (180 cm) and no closing
// row. The event list holds one layer, A-01 PSP 40 to 45 (140 to 145 cm).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "model/age_model_import.h"
#include "model/conversion_output.h"
#include "model/conversion_input.h"
#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model_fixtures.h"

namespace model_test {

inline std::string ConversionModelFile() {
    return CorrelationRecord({"Lamina name", "Core Q-1 (A)", "PSP A", "Depth A", "Core Q-2 (B)", "PSP B", "Depth B",
                              "Core Q-3 (C)", "PSP C", "Depth C", "Core Q-4 (D)", "PSP D", "Depth D",
                              "Composite depth"}) +
           TieRow("", "---", "A-01-top", "10") + TieRow("m1", "120", "m1", "20", "B-01-top", "0") +
           TieRow("m2", "180", "m2", "80", "m2", "50") + TieRow("", "---", "A-01-Bot", "90", "y", "60");
}

inline model::DepthModel ConversionModel(bool events = true) {
    model::DepthModel m;
    LoadCorrelation(m, ConversionModelFile(), "C:\\cores\\Q_model_20240209.csv");
    if (events) {
        model::ItemReader file(EventHeader() + "A,01,40,45,Tephra\n");
        model::ImportEventList(m, file, "/data/Q_events_20240212.csv");
    }
    return m;
}

// Age points at 100, 200 and 300 cm composite depth (event-free depths 100,
// 195 and 295) with ages 1000, 2000 and 3000, errors +10/-20, +30/-40 and
// +30/-40, the last in another unit.
inline model::AgeModelImport LoadConversionAges(model::DepthModel& m) {
    model::ItemReader file(
        "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 68.3,Type,Unit,Remark\n"
        "a,---,---,---,100,10,1000,20,C,cal BP,\n"
        "b,---,---,---,200,30,2000,40,C,cal BP,\n"
        "c,---,---,---,300,30,3000,40,V,varve yr,\n");
    model::BeginAgeModelImport(m, file, "/data/Q_ages_20240301.csv");
    return model::FinishAgeModelImport(m, file, nullptr);
}

// The titles of a test model, with the error names its age import gave.
inline model::ConversionTitles Titles(const model::DepthModel& m, const model::AgeModelImport& ages = {}) {
    return model::TitlesOf(m, ages.errorNamePlus, ages.errorNameMinus);
}

// A folder of its own for each test, removed afterwards.
struct ScratchFolder {
    std::filesystem::path path = std::filesystem::path(testing::TempDir()) /
                                 ("quillory-conversion-" + std::to_string(getpid()) + "-" +
                                  testing::UnitTest::GetInstance()->current_test_info()->name());
    ScratchFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    // The names of everything in the folder.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

inline std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Duo bore holes E to H ("Duo core 1" to "Duo core 4"), each one section "01"
// from PSP 0 to 100 whose composite depth is PSP + 40; the Duo composite
// depth d is the main model's d + 1000.
struct DuoStandIn : model::DuoModelLink {
    bool loaded = true;
    bool ModelLoaded() const override { return loaded; }
    std::string BoreHoleName(int k) const override { return std::string(1, static_cast<char>('D' + k)); }
    std::string BoreHoleLongName(int k) const override { return "Duo core " + std::to_string(k); }
    int16_t GetSectionNo2(int16_t, std::string_view name) const override { return name == "01" ? 1 : 9999; }
    model::SectionEnds SectionEnds2(int16_t, int16_t) const override { return {"0", "100"}; }
    model::TrinityDepth TrinityToCD2(int16_t, int16_t, float psp) const override { return psp + 40.0; }
    float DuoToMainCD(float d) const override { return d + 1000; }
};

inline model::ConversionReading ReadConversion(model::ConversionTables& t, const std::string& text,
                                               const model::DepthModel& m,
                                               const model::DuoModelLink* duo = nullptr) {
    model::ItemReader file(text);
    return model::ReadConversionFile(file, t, model::MainWindowSide(m, duo));
}

}  // namespace model_test
