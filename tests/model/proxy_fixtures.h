#pragma once
// A small correlation model and helpers for the proxy tests.
#include <algorithm>
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

// Every count, flag and cell of two panels alike.
inline bool SamePanel(const model::ProxyPanelData& a, const model::ProxyPanelData& b) {
    auto sameTable = [](const auto& x, const auto& y) {
        if (x.Columns() != y.Columns() || x.Rows() != y.Rows()) return false;
        for (long c = 0; c < x.Columns(); ++c)
            for (long r = 0; r < x.Rows(); ++r)
                if (x(c, r) != y(c, r)) return false;
        return true;
    };
    auto sameList = [](const auto& x, const auto& y) {
        return x.Rows() == y.Rows() && std::equal(x.Cells().begin(), x.Cells().end(), y.Cells().begin());
    };
    return a.gProxyRows == b.gProxyRows && a.gProxyCols == b.gProxyCols && a.gProxyHasText == b.gProxyHasText &&
           a.gProxyHasTrinity == b.gProxyHasTrinity && a.gProxyFileName == b.gProxyFileName &&
           sameList(a.gProxyText, b.gProxyText) && sameList(a.gProxyAsRead, b.gProxyAsRead) &&
           sameList(a.gProxyColName, b.gProxyColName) && sameTable(a.gProxyY, b.gProxyY) &&
           sameTable(a.gProxyValue, b.gProxyValue);
}

}  // namespace proxy_test
