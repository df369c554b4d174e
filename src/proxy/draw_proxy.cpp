#include "proxy/draw_proxy.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "forms/application.h"
#include "model/depth_runs.h"
#include "model/event_types.h"
#include "model/plain_numbers.h"
#include "model/running_mean.h"
#include "proxy/plotted_values.h"
#include "side/side_window.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr Colour kBand = RGB(170, 170, 170);
constexpr Colour kCross = RGB(100, 100, 100);
constexpr Colour kTephraLayer = RGB(150, 150, 255);
constexpr Colour kOtherLayer = RGB(225, 225, 125);
// A marker's radius is the axis's width over this, in the axis's units.
constexpr double kMarkerDivisor = 67;
// What lies this many pixels beyond the view cannot show in it.
constexpr double kMarginPixels = 3;

// The panel's view in its own scale, widened by a margin: a primitive wholly
// outside it would not show, so it is left out.
class PanelView {
public:
    explicit PanelView(const Surface& s) {
        const double pixelX = std::fabs(s.ScaleWidth()) * kTwipsPerPixel / std::max(1, s.InnerWidthTwips());
        pixelY_ = std::fabs(s.ScaleHeight()) * kTwipsPerPixel / std::max(1, s.InnerHeightTwips());
        yPerX_ = pixelY_ / pixelX;
        const double left = s.ScaleLeft(), right = left + s.ScaleWidth();
        left_ = std::min(left, right) - kMarginPixels * pixelX;
        right_ = std::max(left, right) + kMarginPixels * pixelX;
        top_ = s.ScaleTop() - kMarginPixels * pixelY_;
        bottom_ = s.ScaleTop() + s.ScaleHeight() + kMarginPixels * pixelY_;
    }
    bool Hides(double x1, double y1, double x2, double y2) const {
        return std::max(y1, y2) < top_ || std::min(y1, y2) > bottom_ || std::max(x1, x2) < left_ ||
               std::min(x1, x2) > right_;
    }
    // A circle is as many pixels high as it is wide.
    bool HidesCircle(double x, double y, double radius) const {
        const double ry = radius * yPerX_;
        return Hides(x - radius, y - ry, x + radius, y + ry);
    }
    // The depths between which a marker of `radius` or a segment can show.
    std::pair<double, double> Reach(double radius) const {
        const double ry = radius * yPerX_;
        return {top_ - ry, bottom_ + ry};
    }
    // The rows a line `width` pixels wide may reach.
    model::MeanView Rows(int width) const {
        const double extra = width * pixelY_;
        return {static_cast<float>(top_ - extra), static_cast<float>(bottom_ + extra)};
    }

private:
    double left_, right_, top_, bottom_, pixelY_, yPerX_;
};

struct Across {
    double left, right;
    static Across Of(const Surface& s) { return {s.ScaleLeft(), s.ScaleLeft() + s.ScaleWidth()}; }
};

// Steps 2 to 9: the columns, the plotted values and the axis.
void PlanAxis(SideWindow& w, int16_t k) {
    SideState& st = w.state;
    const model::ProxyPanelData& p = st.proxy[k];
    ProxyDrawing& d = st.proxyDrawing[k];
    d.gProxyCol = ChosenColumn(p, w.Combo3(k).Text(), d.gProxyCol);
    d.gProxyDivCol = ChosenColumn(p, w.Combo4(k).Text(), d.gProxyDivCol);
    if (w.Combo4(k).Text() == "1" || !w.Combo4(k).Visible()) d.gProxyDivCol = 0;
    // The same file and columns plot the same values: a level change does
    // not compute them again.
    if (!d.plotted || d.plottedCol != d.gProxyCol || d.plottedDivCol != d.gProxyDivCol) {
        d.plotted = false;
        d.means.reset();
        PlotValues(p, d.gProxyCol, d.gProxyDivCol, d.gPlotX);
        const PlotRange range = RangeOf(std::span<const float>(d.gPlotX).subspan(1));
        d.gProxyMax = range.max;
        d.gProxyMin = range.min;
        d.plottedCol = d.gProxyCol;
        d.plottedDivCol = d.gProxyDivCol;
        d.plotted = true;
    }
    const std::array<float, 2> ends = DefaultAxisEnds({d.gProxyMax, d.gProxyMin});

    // The boxes' change handlers only clear the panel meanwhile; a box that
    // holds a text keeps it.
    TextBox* boxes[] = {&w.Text5(k), &w.Text6(k)};
    for (int e = 0; e < 2; ++e) {
        st.gAxisTextEnabled = false;
        if (boxes[e]->Text().empty()) boxes[e]->SetText(SingleText(ends[e]));
    }
    st.gAxisTextEnabled = true;

    Surface& s = w.Picture1(k).Draw();
    const double left = Val(w.Text5(k).Text()), right = Val(w.Text6(k).Text());
    s.SetScaleLeft(left);
    s.SetScaleWidth(right - left);
}

// Steps 12 to 15: the background, the bands outside the model and the event layers.
void DrawUnderlay(SideWindow& w, int16_t k) {
    Surface& s = w.Picture1(k).Draw();
    const Across x = Across::Of(s);
    const float top = s.ScaleTop(), bottom = s.ScaleTop() + s.ScaleHeight();
    s.FilledBox(x.left, top, x.right, bottom, s.BackColor());

    const std::array<float, 2> edges = w.ProxyBandEdges();
    if (edges[0] > top) {
        s.FilledBox(x.left, top, x.right, edges[0], kBand);
        s.Line(x.left, edges[0], x.right, top, kCross);
        s.Line(x.right, edges[0], x.left, top, kCross);
    }
    if (edges[1] < bottom) s.FilledBox(x.left, edges[1], x.right, bottom, kBand);

    const model::DepthModel& m = w.state.model;
    if (!m.gEventsLoaded) return;
    const auto [topCol, bottomCol] = w.EventColumns();
    w.state.gEventDepthCol = static_cast<int16_t>(topCol);
    const Surface& composite = w.BoreHole(0).Draw();
    const float t0 = composite.ScaleTop(), b0 = composite.ScaleTop() + composite.ScaleHeight();
    struct Layer {
        float top, bottom;
    };
    std::vector<Layer> tephras, voids;
    const model::IndexedColumn& tops = model::EventCells(m, topCol);
    const model::IndexedColumn& bottoms = model::EventCells(m, bottomCol);
    for (long i = 1; i <= m.gEventCount; ++i) {
        const float lt = static_cast<float>(tops.Val(i));
        const float lb = static_cast<float>(bottoms.Val(i));
        const bool visible = (t0 < lt && lt < b0) || (t0 < lb && lb < b0) || (lt < t0 && lb > b0);
        if (!visible) continue;
        const std::string_view type = m.gEventList(5, i);
        if (model::IsTephra(type)) tephras.push_back({lt, lb});
        else if (model::IsVoid(type)) voids.push_back({lt, lb});
        else s.FilledBox(x.left, lt, x.right, lb, kOtherLayer);
    }
    for (const Layer& l : tephras) s.FilledBox(x.left, l.top, x.right, l.bottom, kTephraLayer);
    for (const Layer& l : voids) {
        s.FilledBox(x.left, l.top, x.right, l.bottom, kBand);
        s.Line(x.left, l.top, x.right, l.bottom, kCross);
        s.Line(x.left, l.bottom, x.right, l.top, kCross);
    }
}

// What was kept of the positions of another plane goes.
void KeepPlane(ProxyDrawing& d, int16_t plane) {
    if (d.keptPlane == plane) return;
    d.runs.reset();
    d.means.reset();
    d.keptPlane = plane;
}

// The runs of the positions of `plane`, found at the plane's first drawing
// since the positions were read.
const model::DepthRuns& RunsOf(ProxyDrawing& d, int16_t plane, std::span<const float> y, long n) {
    KeepPlane(d, plane);
    if (!d.runs) d.runs.emplace(y, n);
    return *d.runs;
}

// Step 16: the sample before the first one from the second on that lies at
// or below the top of the view; none when every one lies above it.
std::optional<long> StartRow(const model::DepthRuns& runs, std::span<const float> y, float top) {
    if (const std::optional<long> first = runs.FirstAtOrBelow(y, 2, top)) return *first - 1;
    return std::nullopt;
}

void Marker(Surface& s, const PanelView& view, double x, double y, double radius) {
    if (!view.HidesCircle(x, y, radius)) s.Circle(x, y, radius, kCurveColour);
}

// Step 18: segments where neither end is a no-value and the depth does not
// decrease, and a marker at every sample from the start row on. The rows
// whose depth never decreases form runs; in each run only the rows near the
// view can show anything, and a binary search finds them.
void DrawSamples(Surface& s, std::span<const float> x, std::span<const float> y, const model::DepthRuns& runs,
                 long start, long n, bool curve, bool markers) {
    const PanelView view(s);
    const double radius = std::fabs(s.ScaleWidth()) / kMarkerDivisor;
    const auto [lo, hi] = view.Reach(radius);
    auto draw = [&](long i) {
        const size_t a = static_cast<size_t>(i), b = a + 1;
        if (curve && !IsNoPlotValue(x[a]) && !IsNoPlotValue(x[b]) && y[a] != kNoPlotValue && y[b] != kNoPlotValue) {
            if (y[a] > y[b]) EmptyProcedure();
            else if (!view.Hides(x[a], y[a], x[b], y[b])) s.Line(x[a], y[a], x[b], y[b], kCurveColour);
        }
        if (markers) Marker(s, view, x[a], y[a], radius);
    };
    const float* depth = y.data();
    for (long first = start; first <= n - 1;) {
        const long last = runs.EndOf(first);
        const long from = std::lower_bound(depth + first, depth + last + 1, lo) - depth;
        const long to = std::upper_bound(depth + first, depth + last + 1, hi) - depth - 1;
        for (long i = std::max(first, from - 1); i <= std::min({to, last, n - 1}); ++i) draw(i);
        first = last + 1;
    }
}

// The segments of the running mean over `width` samples: from the pairs
// kept for the panel's plotted values and positions of `plane`, summed when
// they are first drawn; plotted values cut short by a fault are summed anew.
std::vector<model::MeanSegment> MeanSegments(ProxyDrawing& d, int width, std::span<const float> y, int16_t plane,
                                             int32_t rows, int32_t start, model::MeanView view) {
    if (!d.plotted) return model::RunningMean(width, d.gPlotX, y, rows, start, view);
    KeepPlane(d, plane);
    if (!d.means || d.means->Width() != width) {
        d.means.reset();
        d.means.emplace(width, d.gPlotX, y, rows);
    }
    return d.means->Segments(y, start, view);
}

// The running mean whose smoothing item carries a check mark, in red two
// pixels wide; the panel draws one pixel wide again afterwards.
void DrawRunningMeans(SideWindow& w, int16_t k, std::span<const float> y, int16_t plane, long start) {
    const SideWindow::PanelMenu& pm = w.panelMenu[k];
    Surface& s = w.Picture1(k).Draw();
    const std::pair<forms::Menu*, int> sizes[] = {{pm.flat3, 3}, {pm.flat5, 5}, {pm.flat11, 11}, {pm.flat208, 208}};
    for (auto [item, width] : sizes) {
        if (!item->Checked()) continue;
        s.DrawWidth = 2;
        const std::vector<model::MeanSegment> segments =
            MeanSegments(w.state.proxyDrawing[k], width, y, plane, w.state.proxy[k].gProxyRows,
                         static_cast<int32_t>(start), PanelView(s).Rows(2));
        for (const model::MeanSegment& m : segments) s.Line(m.x0, m.y0, m.x1, m.y1, kRunningMeanColour);
        s.DrawWidth = 1;
    }
}

}  // namespace

void EmptyProcedure() {}

void DrawProxy(SideWindow& w, int16_t k) {
    SideState& st = w.state;
    const model::ProxyPanelData& p = st.proxy[k];
    const long n = p.gProxyRows;
    Surface& s = w.Picture1(k).Draw();
    std::span<const float> y;
    int16_t plane = 0;
    long start = 0;
    bool markers = false;
    try {
        plane = w.ProxyPlane();
        y = p.gProxyY.Column(plane);
        PlanAxis(w, k);
        for (TextBox* box : {&w.Text5(k), &w.Text6(k)}) box->SetVisible(true);
        w.Combo3(k).SetVisible(true);
        w.Check1(k).SetVisible(true);
        for (int j = 0; j <= 4; ++j) w.Picture1(j).Draw().Cls();
        // About as much as the panel's last drawing, which it keeps till now.
        s.Reserve(s.KeptPrimitiveCount());
        DrawUnderlay(w, k);
        s.FillStyle = 0;
        s.FillColor = kCurveColour;
        markers = w.panelMenu[k].marker->Checked();
        // Without a start row (one sample, or every one from the second on
        // above the view) only the last sample's marker is left to draw.
        const model::DepthRuns& runs = RunsOf(st.proxyDrawing[k], plane, y, n);
        if (const std::optional<long> first = StartRow(runs, y, s.ScaleTop())) {
            start = *first;
            DrawSamples(s, st.proxyDrawing[k].gPlotX, y, runs, start, n, w.panelMenu[k].line->Checked(), markers);
        }
    } catch (const RuntimeError&) {
        // The drawing ends at its finishing steps; what it drew stays.
    }

    w.ProgressBar1.SetVisible(false);
    w.ProgressBar1.SetValue(0);
    w.App().SetMousePointer(vbDefault);
    try {
        // The loop above stops before the last sample.
        if (markers && n >= 1)
            Marker(s, PanelView(s), st.proxyDrawing[k].gPlotX[static_cast<size_t>(n)], y[static_cast<size_t>(n)],
                   std::fabs(s.ScaleWidth()) / kMarkerDivisor);
        if (!y.empty()) DrawRunningMeans(w, k, y, plane, start);
    } catch (const RuntimeError&) {
        // A finishing step that fails ends only itself.
    }
    for (int j = 0; j <= 4; ++j) w.Picture1(j).Draw().KeepDrawing();
    w.EraseTargetLinesAfterProxy();
}

}  // namespace quillory
