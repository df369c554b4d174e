#pragma once
// A master core and a Duo model tied to it, small enough to work by hand.
//
// Master (main model): bore hole A, one section whose composite depth equals
// its PSP from 0 to 1000 cm; after LoadMasterEvents a tephra from 200 to
// 210 cm. Duo: bore hole E, one section, ties D1 (own 10 cm, master A-01 PSP
// 20 = 20 cm), D2 (50, 100), D3 (80, a master bore hole "X" that the master
// does not know: no tie pair), D4 (100, 150); the section runs from PSP 0 to
// 120, one to one beyond its ties. After LoadDuoEvents a void from 60 to 70 cm
// of own composite depth.
#include <string>
#include <vector>

#include "model/duo_correlation_import.h"
#include "model/duo_event_list.h"
#include "model/duo_master_link.h"
#include "model_fixtures.h"

namespace model_test {

// A Duo record: the main 14 cells, then master bore hole, section, PSP, label.
inline std::string DuoRecord(const std::vector<std::string>& cells, const std::vector<std::string>& masterCells) {
    std::vector<std::string> all = cells;
    all.insert(all.end(), masterCells.begin(), masterCells.end());
    return CorrelationRecord(all);
}

inline std::string DuoHeader(const std::string& boreHoleE = "Bore hole (E)",
                             const std::string& masterLabel = "Master label (QL22)") {
    return DuoRecord({"Lamina name", boreHoleE, "PSP", "Depth", "Core QL23-2 (F)", "PSP", "Depth", "Core (GG)",
                      "PSP", "Depth", "Core QL23-4", "PSP", "Depth", "Composite depth"},
                     {"Master bore hole", "Master section", "Master PSP", masterLabel});
}

// A Duo tie row with a level in bore hole E only.
inline std::string DuoRow(const std::string& name, const std::string& cd, const std::string& label,
                          const std::string& psp, const std::vector<std::string>& master = {"---", "---", "---", "---"}) {
    return DuoRecord({name, label, psp, psp, "*", "*", "*", "*", "*", "*", "*", "*", "*", cd}, master);
}

inline std::string HandDuoModel() {
    return DuoHeader() + DuoRow("", "---", "E-01-top", "0") +
           DuoRow("D1", "10", "D1", "10", {"A", "01", "20", "M20"}) +
           DuoRow("D2", "50", "D2", "50", {"A", "01", "100", "M100"}) +
           DuoRow("D3", "80", "D3", "80", {"X", "01", "120", "M120"}) +
           DuoRow("D4", "100", "D4", "100", {"A", "1", "150", "M150"}) +
           DuoRow("", "---", "E-01-Bot", "120");
}

// The master core, the Duo model and the link between them, as the program
// holds them once the Duo model is loaded.
struct DuoModels {
    model::DepthModel main, duo;
    model::DuoMasterCore master;
    bool duoModelLoaded = false;
    model::MasterCoreLink link{main, duo, master, duoModelLoaded};
    model::DuoCorrelationImport shown;

    DuoModels() { LoadCorrelation(main, StraightCorrelation()); }

    void LoadDuo(const std::string& text = HandDuoModel()) {
        model::ItemReader file(text);
        model::ImportDuoCorrelationModel(duo, master, main, file, "C:\\cores\\QL23_duo_20240301.csv", shown);
        duoModelLoaded = true;
    }
    void LoadMasterEvents() { LoadEvents(main, EventHeader() + "A,01,200,210,Tephra\n"); }
    void LoadDuoEvents(const std::string& rows = "E,01,60,70,Void\n") {
        model::ItemReader file(EventHeader() + rows);
        model::ImportDuoEventList(duo, master, link, file, "duo_events_20240305.csv");
    }
};

}  // namespace model_test
