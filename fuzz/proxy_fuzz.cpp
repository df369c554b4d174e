// The proxy import on any file, for the main window (over the example model
// with its age-depth model) and for the Duo window (over a small link): a
// loaded panel's tables must agree with its counts, and the preview, the
// choosers, the axis conversions and the running means must work on it
// without reading past a table. Reading a file in parts side by side must
// give what one reader gives.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "model/proxy_import.h"
#include "model/proxy_positions.h"
#include "model/proxy_preview.h"
#include "model/running_mean.h"

namespace {

// The Duo model: bore holes "E" to "H", sections "1" to "3", 20 cm below its PSP.
struct DuoLink : model::DuoModelLink {
    bool ModelLoaded() const override { return true; }
    std::string BoreHoleName(int k) const override { return std::string(1, static_cast<char>('D' + k)); }
    int16_t GetSectionNo2(int16_t boreHole, std::string_view name) const override {
        return boreHole >= 1 && name.size() == 1 && name[0] >= '1' && name[0] <= '3' ? int16_t(name[0] - '0') : 9999;
    }
    model::TrinityDepth TrinityToCD2(int16_t, int16_t section, float psp) const override {
        if (section == 3) return std::nullopt;  // a section without ties
        return section == 9999 ? model::TrinityDepth(model::kNoValue) : model::TrinityDepth(psp + 20.0);
    }
    float DuoToMainCD(float d) const override { return d == 9999.0f ? 9999.0f : d + 3.5f; }
    std::string BoreHoleLongName(int) const override { return ""; }
    model::SectionEnds SectionEnds2(int16_t, int16_t) const override { return {}; }
};

void CheckPanel(const model::ProxyImport& r, int16_t planes) {
    const model::ProxyPanelData& p = r.panel;
    const long rows = p.gProxyRows, cols = p.gProxyCols;
    fuzz::Require(rows >= 1 && rows <= model::kMaxProxyRows && cols >= 1 && cols <= model::kMaxProxyCols);
    fuzz::Require(p.gProxyY.Columns() == planes && p.gProxyY.Rows() == rows + 1);
    fuzz::Require(p.gProxyValue.Columns() == cols + 1 && p.gProxyValue.Rows() == rows + 1);
    fuzz::Require(p.gProxyColName.Rows() == cols + 1 && p.gProxyAsRead.Rows() == rows + 1);
    fuzz::Require(p.gProxyText.Rows() == (p.gProxyHasText ? rows + 1 : 0));
    const bool text = r.layout == model::ProxyLayout::kTextTrinity || r.layout == model::ProxyLayout::kTextValue;
    const bool trinity = r.layout == model::ProxyLayout::kTextTrinity || r.layout == model::ProxyLayout::kTrinity;
    fuzz::Require(p.gProxyHasText == text && p.gProxyHasTrinity == trinity);
    for (long i = 1; i <= rows; ++i) (void)p.SampleText(i);
    for (int16_t plane = 0; plane < planes; ++plane) {
        const model::ProxyPreview preview = model::PreviewOf(r, plane);
        fuzz::Require(preview.rows.size() == static_cast<size_t>(std::min<long>(rows, 8)));
    }
    const model::ProxyChoosers c = model::ChoosersOf(p);
    fuzz::Require(c.columns.size() == static_cast<size_t>(cols) && c.divisors.size() == c.columns.size() + 1);
}

// Every running mean over the panel's first column, from a few start rows,
// with and without a view.
void CheckMeans(const model::ProxyPanelData& p, int16_t plane) {
    const std::span<const float> x = p.gProxyValue.Column(1), y = p.gProxyY.Column(plane);
    for (int width : {3, 5, 11, 208})
        for (int32_t start : {0, 1, p.gProxyRows / 2, p.gProxyRows, p.gProxyRows + 3}) {
            (void)model::RunningMean(width, x, y, p.gProxyRows, start);
            (void)model::RunningMean(width, x, y, p.gProxyRows, start, model::MeanView{y[1], y[1] + 50});
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const model::DepthModel base = fuzz::ExampleModelWithAges();
    static const DuoLink duo;
    model::DepthModel m = base;

    model::ItemReader file = fuzz::FileOf(data, size);
    model::ProxyImport r;
    if (fuzz::Loads([&] { r = model::ImportMainProxy(m, file, "proxy"); })) {
        CheckPanel(r, model::kMainProxyPlanes);
        CheckMeans(r.panel, 1);
        for (auto axis : {model::ProxyAxis::kAgeKa, model::ProxyAxis::kAgeB1950, model::ProxyAxis::kCompositeDepth}) {
            model::ConvertProxyPositions(m, r.panel, axis);
            CheckPanel(r, model::kMainProxyPlanes);
        }
        CheckMeans(r.panel, 3);
    }

    // Read in parts side by side wherever the file allows it, by one reader
    // elsewhere: the same panel, or the same failure.
    model::ItemReader one = fuzz::FileOf(data, size), parts = fuzz::FileOf(data, size);
    const model::MainProxySide side(base);
    model::ProxyImport byOne, byParts;
    const bool oneLoads = fuzz::Loads([&] { byOne = model::ReadProxyFile(one, "p", side, {1, 1}); });
    const bool partsLoad = fuzz::Loads([&] { byParts = model::ReadProxyFile(parts, "p", side, {3, 1}); });
    fuzz::Require(oneLoads == partsLoad && byOne.panel == byParts.panel);

    model::ItemReader again = fuzz::FileOf(data, size);
    if (fuzz::Loads([&] { r = model::ImportDuoProxy(duo, again, "duo"); })) {
        CheckPanel(r, model::kDuoProxyPlanes);
        model::ConvertDuoProxyPositions(m, duo, r.panel, model::ProxyAxis::kAgeB1950);
        CheckMeans(r.panel, 1);
    }
    return 0;
}
