#include "forms/surface.h"

#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace values;

namespace forms {

void Surface::SetInnerSize(int widthTwips, int heightTwips) {
    innerW_ = widthTwips;
    innerH_ = heightTwips;
    if (!userScale_) scale_ = {0, 0, static_cast<float>(innerW_), static_cast<float>(innerH_)};
    ++revision_;
}

namespace {

float NonZero(float v) {
    if (v == 0) throw RuntimeError(380, "Invalid property value");
    return v;
}

}  // namespace

void Surface::SetScaleLeft(double v) {
    scale_.left = CSng(v);
    userScale_ = true;
}

void Surface::SetScaleTop(double v) {
    scale_.top = CSng(v);
    userScale_ = true;
}

void Surface::SetScaleWidth(double v) {
    scale_.width = NonZero(CSng(v));
    userScale_ = true;
}

void Surface::SetScaleHeight(double v) {
    scale_.height = NonZero(CSng(v));
    userScale_ = true;
}

void Surface::SetScale(double x1, double y1, double x2, double y2) {
    float left = CSng(x1), top = CSng(y1);
    float width = NonZero(CSng(x2) - left), height = NonZero(CSng(y2) - top);
    scale_ = {left, top, width, height};
    userScale_ = true;
}

Primitive Surface::Make(PrimitiveKind kind, std::optional<Colour> colour) const {
    Primitive p;
    p.kind = kind;
    p.colour = colour.value_or(ForeColor);
    p.drawWidth = DrawWidth;
    p.drawStyle = DrawStyle;
    p.fillStyle = FillStyle;
    p.fillColour = FillColor;
    p.fontSize = FontSize;
    p.fontBold = FontBold;
    return p;
}

void Surface::Add(Primitive p) {
    current_.primitives.push_back(std::move(p));
    ++revision_;
}

void Surface::AddSpan(PrimitiveKind kind, double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    Primitive p = Make(kind, colour);
    p.x1 = x1; p.y1 = y1; p.x2 = x2; p.y2 = y2;
    if (kind == PrimitiveKind::FilledBox) {
        p.fillStyle = 0;
        p.fillColour = p.colour;
    }
    Add(std::move(p));
    CurrentX = x2;
    CurrentY = y2;
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    AddSpan(PrimitiveKind::Line, x1, y1, x2, y2, colour);
}

void Surface::Box(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    AddSpan(PrimitiveKind::Box, x1, y1, x2, y2, colour);
}

void Surface::FilledBox(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    AddSpan(PrimitiveKind::FilledBox, x1, y1, x2, y2, colour);
}

void Surface::Circle(double x, double y, double radius, std::optional<Colour> colour) {
    Primitive p = Make(PrimitiveKind::Circle, colour);
    p.x1 = x; p.y1 = y; p.x2 = radius;
    Add(std::move(p));
    CurrentX = x;
    CurrentY = y;
}

void Surface::PSet(double x, double y, std::optional<Colour> colour) {
    Primitive p = Make(PrimitiveKind::Point, colour);
    p.x1 = x; p.y1 = y;
    Add(std::move(p));
    CurrentX = x;
    CurrentY = y;
}

void Surface::Print(const std::string& text, bool newLine) {
    Primitive p = Make(PrimitiveKind::Text, std::nullopt);
    p.x1 = CurrentX; p.y1 = CurrentY;
    p.text = text;
    Add(std::move(p));
    if (newLine) {
        CurrentX = scale_.left;
        CurrentY += TextHeight(text);
    } else {
        CurrentX += TextWidth(text);
    }
}

double Surface::TwipsPerUnitX() const { return scale_.width == 0 ? 1 : innerW_ / static_cast<double>(scale_.width); }
double Surface::TwipsPerUnitY() const { return scale_.height == 0 ? 1 : innerH_ / static_cast<double>(scale_.height); }

double Surface::TextWidth(const std::string& text) const {
    double tw = metrics_->TextWidthTwips(text, FontSize, FontBold);
    double per = TwipsPerUnitX();
    return per == 0 ? 0 : std::fabs(tw / per);
}

double Surface::TextHeight(const std::string&) const {
    double th = metrics_->TextHeightTwips(FontSize, FontBold);
    double per = TwipsPerUnitY();
    return per == 0 ? 0 : std::fabs(th / per);
}

double Surface::ToUserX(double twipsX) const { return scale_.left + twipsX / TwipsPerUnitX(); }
double Surface::ToUserY(double twipsY) const { return scale_.top + twipsY / TwipsPerUnitY(); }

void Surface::Cls() {
    current_.primitives.clear();
    clearedColour_ = backColour_;
    CurrentX = scale_.left;
    CurrentY = scale_.top;
    ++revision_;
}

namespace {

// A filled box over the whole surface hides everything drawn before it.
bool CoversWholeSurface(const Primitive& p, const Scale& s) {
    if (p.kind != PrimitiveKind::FilledBox) return false;
    double xlo = std::min(p.x1, p.x2), xhi = std::max(p.x1, p.x2);
    double ylo = std::min(p.y1, p.y2), yhi = std::max(p.y1, p.y2);
    // The edges summed in single precision, as the program's own box over the
    // view sums them.
    float sxlo = std::min(s.left, s.left + s.width), sxhi = std::max(s.left, s.left + s.width);
    float sylo = std::min(s.top, s.top + s.height), syhi = std::max(s.top, s.top + s.height);
    return xlo <= sxlo && xhi >= sxhi && ylo <= sylo && yhi >= syhi;
}

// The kept picture as a bitmap kept into another scale (and inner size)
// would show: its primitives re-expressed so that they stay where they were
// on the surface, then room for `more`.
std::shared_ptr<DrawingLayer> InScale(const DrawingLayer& kept, const Scale& to, int innerW, int innerH,
                                      size_t more = 0) {
    auto layer = std::make_shared<DrawingLayer>();
    layer->scale = to;
    layer->background = kept.background;
    layer->picture = kept.picture;
    if (kept.scale == to) {
        layer->primitives.reserve(kept.primitives.size() + more);
        layer->primitives = kept.primitives;
        return layer;
    }
    if (kept.primitives.empty()) return layer;
    const double perX = to.width == 0 ? 1 : innerW / static_cast<double>(to.width);
    const double perY = to.height == 0 ? 1 : innerH / static_cast<double>(to.height);
    auto mapX = [&](double x) {
        double tw = (x - kept.scale.left) * innerW / kept.scale.width;
        return to.left + tw / perX;
    };
    auto mapY = [&](double y) {
        double tw = (y - kept.scale.top) * innerH / kept.scale.height;
        return to.top + tw / perY;
    };
    layer->primitives.reserve(kept.primitives.size() + more);
    for (Primitive p : kept.primitives) {
        p.x1 = mapX(p.x1);
        p.y1 = mapY(p.y1);
        if (p.kind == PrimitiveKind::Circle) {
            p.x2 = p.x2 * std::fabs((innerW / static_cast<double>(kept.scale.width)) / perX);
        } else {
            p.x2 = mapX(p.x2);
            p.y2 = mapY(p.y2);
        }
        layer->primitives.push_back(std::move(p));
    }
    return layer;
}

// Scales kept into without a look at the kept picture in between; beyond
// this many it is moved into them at once.
constexpr size_t kMostScalesKeptInto = 4;

}  // namespace

const std::shared_ptr<const DrawingLayer>& Surface::Kept() const {
    for (const KeptInto& into : keptInto_) kept_ = InScale(*kept_, into.scale, into.innerW, into.innerH);
    keptInto_.clear();
    return kept_;
}

void Surface::KeepDrawing() {
    // Nothing drawn since, in the scale of the kept picture: it stays as it is.
    const bool nothingNew = current_.primitives.empty();
    if (nothingNew && kept_ && (keptInto_.empty() ? kept_->scale : keptInto_.back().scale) == scale_) return;
    for (size_t i = current_.primitives.size(); i-- > 0;) {
        if (CoversWholeSurface(current_.primitives[i], scale_)) {
            current_.primitives.erase(current_.primitives.begin(), current_.primitives.begin() + i);
            kept_.reset();
            keptInto_.clear();
            break;
        }
    }
    // Only the scale changed: the kept picture moves into it when it is next
    // looked at, which a drawing that covers it makes needless.
    if (nothingNew && kept_ && !kept_->primitives.empty() && keptInto_.size() < kMostScalesKeptInto) {
        keptInto_.push_back({scale_, innerW_, innerH_});
        ++revision_;
        return;
    }
    // The kept picture becomes everything on the surface now, as a bitmap:
    // what was kept before, then what was drawn since, each in its own scale.
    std::shared_ptr<DrawingLayer> layer;
    if (Kept()) {
        layer = InScale(*kept_, scale_, innerW_, innerH_, current_.primitives.size());
    } else {
        layer = std::make_shared<DrawingLayer>();
        layer->scale = scale_;
        layer->background = clearedColour_;
    }
    if (layer->primitives.empty()) layer->primitives = std::move(current_.primitives);
    else layer->primitives.insert(layer->primitives.end(), std::make_move_iterator(current_.primitives.begin()),
                                  std::make_move_iterator(current_.primitives.end()));
    kept_ = std::move(layer);
    current_.primitives.clear();
    ++revision_;
    // A kept picture only moved into another scale is mostly drawn over next.
    if (!nothingNew && window_) window_->App().Platform().DrawingKept(*this);
}

void Surface::SetPicture(std::shared_ptr<const LoadedPicture> picture) {
    keptInto_.clear();
    auto layer = std::make_shared<DrawingLayer>();
    layer->scale = scale_;
    layer->background = backColour_;
    layer->picture = std::move(picture);
    kept_ = std::move(layer);
    ++revision_;
}

void Surface::ClearPicture() {
    kept_.reset();
    keptInto_.clear();
    ++revision_;
}

Snapshot Surface::TakeSnapshot() const {
    Snapshot s;
    s.window = window_;
    s.widthTwips = innerW_;
    s.heightTwips = innerH_;
    s.background = clearedColour_;
    s.kept = Kept();
    s.current = current_;
    s.current.scale = scale_;
    s.current.background = clearedColour_;
    return s;
}

Snapshot Surface::PictureSnapshot() const {
    Snapshot s;
    s.window = window_;
    s.widthTwips = innerW_;
    s.heightTwips = innerH_;
    s.background = Kept() ? kept_->background : clearedColour_;
    s.kept = kept_;
    s.current.scale = scale_;
    return s;
}

}  // namespace forms
