#include "model/proxy_import.h"

#include "model/proxy_positions.h"

namespace model {

ProxyImport ReadProxyFile(ItemReader& file, std::string title, const ProxySide& side, const ProxyReading& reading) {
    ProxyHeader header(file);
    const long n = header.Count();
    // Every layout names at least n - 7 columns: more than a panel holds ends here.
    if (n - 7 > kMaxProxyCols) SubscriptOutOfRange();
    const long probe = 2 * n - 4;
    header.ReadThrough(file, probe);
    const ProxyShape& shape = ChooseLayout(header, probe, side);
    const long columns = n - shape.notColumns;
    if (columns < 1 || columns > kMaxProxyCols) SubscriptOutOfRange();

    ProxyImport out;
    out.layout = shape.layout;
    out.header = {header[0], header[1], header[2]};
    ProxyPanelData& p = out.panel;
    p.gProxyFileName = std::move(title);
    p.gProxyHasText = shape.hasText;
    p.gProxyHasTrinity = shape.hasTrinity;
    p.gProxyCols = static_cast<int16_t>(columns);
    p.gProxyColName.Redim(columns + 1);
    for (long j = 1; j <= columns; ++j) p.gProxyColName(j) = header[shape.leading + j - 1];

    ProxyItems records(file, header.All(), static_cast<size_t>(shape.leading + columns));
    ReadProxyRecords(file, records, side, reading, p);
    return out;
}

ProxyImport ImportMainProxy(DepthModel& m, ItemReader& file, std::string title) {
    ProxyImport out = ReadProxyFile(file, std::move(title), MainProxySide(m));
    FillDerivedPlanes(m, out.panel);
    return out;
}

ProxyImport ImportDuoProxy(const DuoModelLink& duo, ItemReader& file, std::string title) {
    ProxyImport out = ReadProxyFile(file, std::move(title), DuoProxySide(duo));
    // A file by one value has its values taken as the Duo's own composite
    // depth until the vertical-axis question says otherwise, so that a panel
    // whose question was cancelled is drawn at them on either depth.
    FillMasterPlane(duo, out.panel);
    return out;
}

}  // namespace model
