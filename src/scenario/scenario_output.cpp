#include "scenario/scenario_output.h"

#include <charconv>
#include <filesystem>
#include <ostream>

#include "forms/form.h"
#include "forms/services.h"
#include "values/values.h"

namespace scenario {

using forms::Form;

namespace {

std::string ColourText(forms::Colour c) {
    return std::to_string(forms::RedOf(c)) + "," + std::to_string(forms::GreenOf(c)) + "," +
           std::to_string(forms::BlueOf(c));
}

void WritePrimitive(std::ostream& out, const forms::Primitive& p) {
    using forms::PrimitiveKind;
    out << "  ";
    switch (p.kind) {
        case PrimitiveKind::Line: out << "line " << Num(p.x1) << ' ' << Num(p.y1) << ' ' << Num(p.x2) << ' ' << Num(p.y2); break;
        case PrimitiveKind::Box: out << "box " << Num(p.x1) << ' ' << Num(p.y1) << ' ' << Num(p.x2) << ' ' << Num(p.y2); break;
        case PrimitiveKind::FilledBox: out << "fbox " << Num(p.x1) << ' ' << Num(p.y1) << ' ' << Num(p.x2) << ' ' << Num(p.y2); break;
        case PrimitiveKind::Circle: out << "circle " << Num(p.x1) << ' ' << Num(p.y1) << ' ' << Num(p.x2); break;
        case PrimitiveKind::Point: out << "point " << Num(p.x1) << ' ' << Num(p.y1); break;
        case PrimitiveKind::Text: out << "text " << Num(p.x1) << ' ' << Num(p.y1) << " \"" << p.text << "\" size=" << Num(p.fontSize); break;
    }
    out << " colour=" << ColourText(p.colour);
    if (p.kind != PrimitiveKind::Text) out << " width=" << p.drawWidth << " style=" << p.drawStyle;
    if ((p.kind == PrimitiveKind::Box || p.kind == PrimitiveKind::Circle) && p.fillStyle == 0)
        out << " fill=" << ColourText(p.fillColour);
    out << '\n';
}

void WriteLayer(std::ostream& out, const char* title, const forms::DrawingLayer& layer) {
    out << title << " scale=" << Num(layer.scale.left) << ',' << Num(layer.scale.top) << ',' << Num(layer.scale.width)
        << ',' << Num(layer.scale.height) << " back=" << ColourText(layer.background) << '\n';
    if (layer.picture)
        out << "  image " << layer.picture->widthPx << 'x' << layer.picture->heightPx << ' '
            << std::filesystem::path(layer.picture->path).filename().string() << '\n';
    for (const auto& p : layer.primitives) WritePrimitive(out, p);
}

}  // namespace

std::string Num(double v) {
    // Six significant digits with a point, whatever the locale says.
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6).ptr);
}

void WriteSnapshot(std::ostream& out, const forms::Snapshot& s) {
    if (s.kept) WriteLayer(out, "picture", *s.kept);
    WriteLayer(out, "current", s.current);
}

void WriteDump(std::ostream& out, const Form& f) {
    out << "form " << f.Name() << ' ' << forms::BoolText(f.Visible()) << ' ' << forms::BoolText(f.Enabled())
        << " \"" << f.Caption() << "\" " << forms::TwipsText(f.Left()) << ' ' << forms::TwipsText(f.Top()) << ' '
        << forms::TwipsText(f.Width()) << ' ' << forms::TwipsText(f.Height()) << '\n';
    for (const auto& c : f.Controls()) {
        out << "  " << c->QualifiedName() << ' ' << forms::BoolText(c->Visible()) << ' '
            << forms::BoolText(c->Enabled()) << " \"" << c->DumpValue() << "\" " << forms::TwipsText(c->Left()) << ' '
            << forms::TwipsText(c->Top()) << ' ' << forms::TwipsText(c->Width()) << ' '
            << forms::TwipsText(c->Height()) << '\n';
    }
}

}  // namespace scenario
