#pragma once
// A drawing surface in a user scale, as picture boxes and forms have it.
//
// Drawing is kept as lists of primitives in user coordinates. There are two
// layers, as on the old platform: the kept picture (`Picture`) and the
// current drawing (`Image`). `KeepDrawing()` is `Picture = Image`: the whole
// current drawing becomes the kept picture. `Cls()` drops what was drawn since
// and goes back to the kept picture, or to the background colour when there is
// none, so transient marks vanish. A changed BackColor shows only at the next
// Cls. The kept picture remembers the scale it was drawn in, so a later change
// of scale leaves it where it was on screen, as a bitmap would stay. Keeping
// a picture into another scale with nothing drawn since moves its primitives
// into that scale only once someone looks at them: a proxy panel kept by the
// drawing of another panel is usually drawn anew before that.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/colour.h"

namespace forms {

struct LoadedPicture;  // a decoded image, owned by the back end

// The largest screens made show 7680 x 4320 pixels, here in twips: a window
// is held to that size, as a window system holds a window to what its
// screens show, and a picture box keeps a picture of no more of itself.
inline constexpr int kLargestScreenWidthTwips = 7680 * 15, kLargestScreenHeightTwips = 4320 * 15;

// The user scale, in single precision as the old platform keeps ScaleLeft,
// ScaleTop, ScaleWidth and ScaleHeight: the drawing compares single-precision
// table values with these edges, and a level on an edge must equal it.
struct Scale {
    float left = 0, top = 0, width = 1, height = 1;
    bool operator==(const Scale&) const = default;
};

enum class PrimitiveKind { Line, Box, FilledBox, Circle, Point, Text };

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circle: centre x1,y1 and radius x2
    Colour colour = kBlack;                 // line, outline and text colour
    int drawWidth = 1;
    int drawStyle = 0;                      // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 transparent
    int fillStyle = 1;                      // 0 solid, 1 transparent (boxes and circles)
    Colour fillColour = kBlack;
    double fontSize = 8.25;
    bool fontBold = false;
    std::string text;
    bool operator==(const Primitive&) const = default;
};

// One layer: what was drawn, and the scale and background it was drawn on.
struct DrawingLayer {
    Scale scale;
    Colour background = kWhite;
    std::shared_ptr<const LoadedPicture> picture;  // a loaded picture under the primitives
    std::vector<Primitive> primitives;
};

class Form;

// A surface's whole appearance at one moment, for painting and the clipboard.
// The kept picture is shared, never changed once made: a snapshot holds the
// one its surface keeps, so taking one copies only what was drawn since.
struct Snapshot {
    const Form* window = nullptr;         // the window the surface is on, when known
    int widthTwips = 0, heightTwips = 0;  // inner size
    Colour background = kWhite;           // shown where there is no kept picture
    std::shared_ptr<const DrawingLayer> kept;  // the persistent picture
    DrawingLayer current;                 // drawn since the last Cls, in the current scale
};

// Text measuring, deterministic without a display and real with one.
class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // Size of the text in twips at the given point size.
    virtual double TextWidthTwips(const std::string& text, double fontSize, bool bold) const = 0;
    virtual double TextHeightTwips(double fontSize, bool bold) const = 0;
};

class Surface {
public:
    // window: the window the surface is on (a form's own surface or a picture
    // box's), which its snapshots name.
    explicit Surface(const FontMetrics& metrics, const Form* window = nullptr) : metrics_(&metrics), window_(window) {}

    // Inner size in twips; the default scale is twips from the top left.
    void SetInnerSize(int widthTwips, int heightTwips);
    int InnerWidthTwips() const { return innerW_; }
    int InnerHeightTwips() const { return innerH_; }

    // Sums of these (the bottom edge ScaleTop + ScaleHeight) are single too,
    // as on the old platform. A value beyond single precision is an overflow.
    float ScaleLeft() const { return scale_.left; }
    float ScaleTop() const { return scale_.top; }
    float ScaleWidth() const { return scale_.width; }
    float ScaleHeight() const { return scale_.height; }
    void SetScaleLeft(double v);
    void SetScaleTop(double v);
    void SetScaleWidth(double v);
    void SetScaleHeight(double v);
    // Scale(x1, y1)-(x2, y2): the top-left and bottom-right corners in user
    // units; the width and height are the single corners' differences.
    void SetScale(double x1, double y1, double x2, double y2);
    const Scale& GetScale() const { return scale_; }

    Colour ForeColor = kBlack;
    Colour FillColor = kBlack;
    int FillStyle = 1;
    int DrawWidth = 1;
    int DrawStyle = 0;
    double FontSize = 8.25;
    bool FontBold = false;
    double CurrentX = 0, CurrentY = 0;
    Colour BackColor() const { return backColour_; }
    void SetBackColor(Colour c) { backColour_ = c; }

    // Line (x1,y1)-(x2,y2), colour; box: B; filled box: BF. A negative colour
    // means ForeColor.
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {});
    void Box(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {});
    void FilledBox(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {});
    void Circle(double x, double y, double radius, std::optional<Colour> colour = {});
    void PSet(double x, double y, std::optional<Colour> colour = {});
    // Prints at CurrentX/CurrentY; a new line moves CurrentY down one line
    // and CurrentX back to ScaleLeft, otherwise CurrentX moves past the text.
    void Print(const std::string& text, bool newLine = true);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;

    void Cls();
    void KeepDrawing();                 // Picture = Image
    void SetPicture(std::shared_ptr<const LoadedPicture> picture);  // Picture = LoadPicture(...)
    void ClearPicture();                // Picture = LoadPicture()
    bool HasPicture() const { return kept_ != nullptr; }
    std::shared_ptr<const LoadedPicture> LoadedImage() const { return kept_ ? kept_->picture : nullptr; }

    Snapshot TakeSnapshot() const;
    Snapshot PictureSnapshot() const;  // only the kept picture (the `Picture` property)
    const std::vector<Primitive>& CurrentPrimitives() const { return current_.primitives; }
    // Room for `more` primitives drawn from now on, made at once: a drawing
    // of thousands grows its list a dozen times otherwise.
    void Reserve(size_t more) { current_.primitives.reserve(current_.primitives.size() + more); }
    size_t KeptPrimitiveCount() const { return kept_ ? kept_->primitives.size() : 0; }
    const DrawingLayer* KeptLayer() const { return Kept().get(); }
    unsigned long Revision() const { return revision_; }

    // Twips per user unit along each axis (signed: a negative scale mirrors).
    double TwipsPerUnitX() const;
    double TwipsPerUnitY() const;
    double ToUserX(double twipsX) const;
    double ToUserY(double twipsY) const;

private:
    Primitive Make(PrimitiveKind kind, std::optional<Colour> colour) const;
    void Add(Primitive p);
    // Line, box or filled box from (x1, y1) to (x2, y2); the pen ends at (x2, y2).
    void AddSpan(PrimitiveKind kind, double x1, double y1, double x2, double y2, std::optional<Colour> colour);
    // The kept picture, moved into every scale it was kept into since.
    const std::shared_ptr<const DrawingLayer>& Kept() const;

    // A scale the kept picture was kept into, with the inner size of then.
    struct KeptInto {
        Scale scale;
        int innerW, innerH;
    };

    const FontMetrics* metrics_;
    const Form* window_;
    int innerW_ = 0, innerH_ = 0;
    bool userScale_ = false;
    Scale scale_;
    Colour backColour_ = kWhite;
    Colour clearedColour_ = kWhite;  // the background the last Cls showed
    DrawingLayer current_;
    mutable std::shared_ptr<const DrawingLayer> kept_;
    mutable std::vector<KeptInto> keptInto_;  // in order; kept_ is still in the scale before the first
    unsigned long revision_ = 0;
};

}  // namespace forms
