#pragma once
// Small model files for the depth-model tests. Every correlation cell gets the
// one leading character that the import strips ("'").
#include <string>
#include <vector>

#include "model/correlation_import.h"
#include "model/depth_model.h"
#include "model/event_layers.h"
#include "model/item_reader.h"

namespace model_test {

// Joins cells with commas, each behind the leading character, ending the line.
inline std::string CorrelationRecord(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) line += (i ? ",'" : "'") + cells[i];
    return line + "\r\n";
}

inline std::string CorrelationHeader() {
    return CorrelationRecord({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)", "PSP", "Depth",
                              "Bore hole (C)", "PSP", "Depth", "Bore hole (D)", "PSP", "Depth",
                              "Composite depth"});
}

// A tie row with levels in bore holes A and B only ("*" = no level); the
// drilling depth repeats the PSP.
inline std::string TieRow(const std::string& name, const std::string& cd, const std::string& labelA,
                          const std::string& pspA, const std::string& labelB = "*",
                          const std::string& pspB = "*") {
    return CorrelationRecord({name, labelA, pspA, pspA, labelB, pspB, pspB, "*", "*", "*", "*", "*", "*", cd});
}

// Bore hole A as one section whose composite depth equals its PSP from 0 to
// 1000 cm; B, C and D empty.
inline std::string StraightCorrelation() {
    return CorrelationHeader() + TieRow("", "0", "A-01-top", "0") + TieRow("", "1000", "A-01-Bot", "1000");
}

inline void LoadCorrelation(model::DepthModel& m, const std::string& text,
                            const std::string& name = "C:\\cores\\model_20240209.csv") {
    model::ItemReader file(text);
    model::CorrelationImport out;
    model::ImportCorrelationModel(m, file, name, out);
}

inline void LoadEvents(model::DepthModel& m, const std::string& text) {
    model::ItemReader file(text);
    model::ImportEventList(m, file, "events.csv");
}

inline std::string EventHeader() { return "Bore hole,Section,Top,Bottom,Type\n"; }

}  // namespace model_test
