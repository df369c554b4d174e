#include "model/proxy_preview.h"

#include <algorithm>

#include "values/values.h"

namespace model {

ProxyChoosers ChoosersOf(const ProxyPanelData& panel) {
    std::vector<std::string> columns;
    for (long j = 1; j <= panel.gProxyCols; ++j) columns.push_back(panel.gProxyColName(j));
    std::vector<std::string> divisors = columns;
    divisors.emplace_back("1");
    return {std::move(columns), std::move(divisors), panel.gProxyColName(1), std::string(1, '1')};
}

ProxyPreview PreviewOf(const ProxyImport& import, int16_t plane) {
    const ProxyPanelData& p = import.panel;
    auto text = [](float v) { return values::SingleText(v); };
    ProxyPreview preview;
    preview.header = import.header;
    const long shown = std::min<long>(ProxyPreview::kRows, p.gProxyRows);
    for (long i = 1; i <= shown; ++i) {
        const std::string position = text(p.gProxyY(plane, i)), first = text(p.gProxyValue(1, i));
        if (p.gProxyHasText)
            preview.rows.push_back({p.gProxyText(i), position, first});
        else
            preview.rows.push_back({position, first, p.gProxyCols >= 2 ? text(p.gProxyValue(2, i)) : std::string()});
    }
    if (p.gProxyHasText) preview.header[2] = p.gProxyColName(1);
    else if (p.gProxyCols == 1) preview.header[2].clear();
    return preview;
}

}  // namespace model
