#pragma once
// A small correlation model and helpers for the proxy tests.
#include <string>

#include "model/proxy_import.h"
#include "model_fixtures.h"

namespace proxy_test {

// Bore hole A: section 1 straight from 0 to 1000 cm, section 2 without ties;
// bore hole B: section 1 from 0 to 100 cm, section 2 from 100 to 200 cm.
inline std::string TwoBoreHoles() {
    using model_test::TieRow;
    return model_test::CorrelationHeader() + TieRow("", "0", "A-01-top", "0", "B-01-top", "0") +
           TieRow("", "100", "*", "*", "B-01-Bot", "100") + TieRow("", "100", "*", "*", "B-02-top", "0") +
           TieRow("", "200", "*", "*", "B-02-Bot", "100") + TieRow("", "1000", "A-01-Bot", "1000") +
           TieRow("", "---", "A-02-top", "0") + TieRow("", "---", "A-02-Bot", "90");
}

inline model::DepthModel TwoBoreHoleModel() {
    model::DepthModel m;
    model_test::LoadCorrelation(m, TwoBoreHoles());
    return m;
}

inline model::ProxyImport Import(model::DepthModel& m, const std::string& text, const std::string& title = "proxy") {
    model::ItemReader file(text);
    return model::ImportMainProxy(m, file, title);
}

}  // namespace proxy_test
