#include "forms/controls.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/runtime_error.h"
#include "forms/values.h"

namespace forms {
namespace {

long ParseLong(const std::string& v) { return static_cast<long>(Val(v)); }

// "List(3)" -> 3; -1 when the property is not an indexed List.
int ListPropertyIndex(const std::string& p) {
    if (p.rfind("List(", 0) != 0 || p.back() != ')') return -1;
    return static_cast<int>(Val(p.substr(5, p.size() - 6)));
}

void RequireFocusable(const Control& c) {
    if (!c.AcceptsUserInput()) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
}

// Key code the old platform reports in KeyDown for a typed character.
int KeyCodeOf(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) return std::toupper(u);
    if (c == '.') return 190;
    if (c == ',') return 188;
    if (c == '-') return 189;
    return u;
}

}  // namespace

// ---- Label ----

void Label::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    Touch();
    Fire(Change);
}

void Label::UserClick() { if (AcceptsUserInput()) Fire(Click); }
void Label::UserDblClick() { if (AcceptsUserInput()) Fire(DblClick); }

std::string Label::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Alignment") return std::to_string(Alignment);
    return Control::GetProperty(p);
}

bool Label::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Alignment") Alignment = static_cast<int>(Val(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- TextBox ----

TextBox::TextBox(Form& f, std::string name, int index) : Control(f, ControlKind::TextBox, std::move(name), index) {
    SetBackColor(kWhite);
}

void TextBox::SetText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    selStart_ = std::min<int>(selStart_, static_cast<int>(text_.size()));
    selLength_ = 0;
    Touch();
    Fire(Change);
}

void TextBox::SetSelStart(int v) {
    selStart_ = std::clamp(v, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void TextBox::SetSelLength(int v) {
    selLength_ = std::clamp(v, 0, static_cast<int>(text_.size()) - selStart_);
}

void TextBox::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void TextBox::UserSelectAll() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    selStart_ = 0;
    selLength_ = static_cast<int>(text_.size());
}

void TextBox::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    Fire(Click);
}

void TextBox::InsertText(const std::string& s) {
    std::string next = text_.substr(0, selStart_) + s + text_.substr(selStart_ + selLength_);
    if (MaxLength > 0 && static_cast<int>(next.size()) > MaxLength) return;
    int caret = selStart_ + static_cast<int>(s.size());
    if (next == text_) {
        selStart_ = caret;
        selLength_ = 0;
        return;
    }
    text_ = next;
    selStart_ = caret;
    selLength_ = 0;
    Touch();
    Fire(Change);
}

void TextBox::UserKeyChar(char c) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = KeyCodeOf(c);
    Fire(KeyDown, code, 0);
    if (FormRetired()) return;
    int ascii = static_cast<unsigned char>(c);
    if (code != 0) Fire(KeyPress, ascii);
    if (FormRetired()) return;
    if (code != 0 && ascii != 0 && !Locked) InsertText(std::string(1, static_cast<char>(ascii)));
    int up = code;
    Fire(KeyUp, up, 0);
}

void TextBox::UserKey(int keyCode, int shift) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = keyCode;
    Fire(KeyDown, code, shift);
    if (FormRetired()) return;
    if (code == 0) return;
    if (code == kKeyReturn || code == kKeyEscape || code == kKeyBack) {
        int ascii = code;
        Fire(KeyPress, ascii);
        if (FormRetired()) return;
        if (ascii == kKeyBack && !Locked) {
            if (selLength_ == 0 && selStart_ > 0) { --selStart_; selLength_ = 1; }
            InsertText("");
        }
    } else if (code == kKeyDelete && !Locked) {
        if (selLength_ == 0 && selStart_ < static_cast<int>(text_.size())) selLength_ = 1;
        InsertText("");
    } else if (code == kKeyTab) {
        form_.SetActiveControl(nullptr);
    }
    Fire(KeyUp, code, shift);
}

std::string TextBox::GetProperty(const std::string& p) const {
    if (p == "Text") return text_;
    if (p == "SelStart") return std::to_string(selStart_);
    if (p == "SelLength") return std::to_string(selLength_);
    if (p == "Locked") return BoolText(Locked);
    return Control::GetProperty(p);
}

bool TextBox::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Text") SetText(v);
    else if (p == "SelStart") SetSelStart(static_cast<int>(Val(v)));
    else if (p == "SelLength") SetSelLength(static_cast<int>(Val(v)));
    else if (p == "Locked") Locked = BoolFromText(v);
    else return Control::SetProperty(p, v);
    return true;
}

// ---- CommandButton ----

void CommandButton::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void CommandButton::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    Fire(Click);
}

void CommandButton::Press() { Fire(Click); }

std::string CommandButton::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    return Control::GetProperty(p);
}

bool CommandButton::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Value") { if (BoolFromText(v)) Press(); }
    else return Control::SetProperty(p, v);
    return true;
}

// ---- ComboBox ----

void ComboBox::SetText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    auto it = std::find(list_.begin(), list_.end(), v);
    listIndex_ = it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
    Touch();
    Fire(Change);
}

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) throw RuntimeError(380, "Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    text_ = i >= 0 ? list_[i] : std::string();
    Touch();
    Fire(Click);
}

const std::string& ComboBox::List(int i) const {
    static const std::string empty;
    if (i < 0 || i >= ListCount()) return empty;
    return list_[i];
}

void ComboBox::AddItem(const std::string& item, int index) {
    if (index < 0 || index > ListCount()) {
        if (index > ListCount()) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
        list_.push_back(item);
    } else {
        list_.insert(list_.begin() + index, item);
        if (listIndex_ >= index) ++listIndex_;
    }
    Touch();
}

void ComboBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    list_.erase(list_.begin() + index);
    if (listIndex_ == index) listIndex_ = -1;
    else if (listIndex_ > index) --listIndex_;
    Touch();
}

void ComboBox::Clear() {
    list_.clear();
    listIndex_ = -1;
    text_.clear();
    Touch();
}

void ComboBox::SetFocus() {
    RequireFocusable(*this);
    form_.SetActiveControl(this);
}

void ComboBox::UserChoose(int index) {
    if (!AcceptsUserInput() || index < 0 || index >= ListCount()) return;
    form_.SetActiveControl(this);
    listIndex_ = index;
    text_ = list_[index];
    Touch();
    Fire(Click);
}

bool ComboBox::UserChoose(const std::string& item) {
    auto it = std::find(list_.begin(), list_.end(), item);
    if (it == list_.end() || !AcceptsUserInput()) return false;
    UserChoose(static_cast<int>(it - list_.begin()));
    return true;
}

void ComboBox::UserKeyChar(char c) {
    if (!AcceptsUserInput() || Style == 2) return;
    form_.SetActiveControl(this);
    int code = KeyCodeOf(c);
    Fire(KeyDown, code, 0);
    if (FormRetired()) return;
    int ascii = static_cast<unsigned char>(c);
    if (code != 0) Fire(KeyPress, ascii);
    if (FormRetired()) return;
    if (code == 0 || ascii == 0) return;
    std::string next = selectAll_ ? std::string(1, static_cast<char>(ascii)) : text_ + static_cast<char>(ascii);
    selectAll_ = false;
    SetText(next);
}

void ComboBox::UserKey(int keyCode, int shift) {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    int code = keyCode;
    Fire(KeyDown, code, shift);
    if (FormRetired()) return;
    if (code == kKeyReturn || code == kKeyEscape || code == kKeyBack) {
        int ascii = code;
        Fire(KeyPress, ascii);
        if (FormRetired()) return;
        if (ascii == kKeyBack && Style != 2) {
            std::string next = selectAll_ || text_.empty() ? std::string() : text_.substr(0, text_.size() - 1);
            selectAll_ = false;
            SetText(next);
        }
    } else if (code == kKeyDelete && Style != 2 && selectAll_) {
        selectAll_ = false;
        SetText("");
    } else if ((code == kKeyDown || code == kKeyUp) && ListCount() > 0) {
        int next = std::clamp(listIndex_ + (code == kKeyDown ? 1 : -1), 0, ListCount() - 1);
        if (next != listIndex_) UserChoose(next);
    }
}

std::string ComboBox::GetProperty(const std::string& p) const {
    if (p == "Text") return text_;
    if (p == "ListIndex") return std::to_string(listIndex_);
    if (p == "ListCount") return std::to_string(ListCount());
    int i = ListPropertyIndex(p);
    if (i >= 0) return List(i);
    return Control::GetProperty(p);
}

bool ComboBox::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Text") SetText(v);
    else if (p == "ListIndex") SetListIndex(static_cast<int>(Val(v)));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- OptionButton ----

void OptionButton::SetValue(bool v) {
    if (!v) {
        if (value_) { value_ = false; Touch(); }
        return;
    }
    if (value_) return;
    for (const auto& c : form_.Controls()) {
        if (c.get() == this || c->Kind() != ControlKind::OptionButton || c->Container() != Container()) continue;
        auto* other = static_cast<OptionButton*>(c.get());
        if (other->value_) { other->value_ = false; other->Touch(); }
    }
    value_ = true;
    Touch();
    Fire(Click);
}

void OptionButton::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    SetValue(true);
}

std::string OptionButton::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Value") return BoolText(value_);
    return Control::GetProperty(p);
}

bool OptionButton::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Value") SetValue(BoolFromText(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- CheckBox ----

void CheckBox::SetValue(int v) {
    if (v < 0 || v > 2) throw RuntimeError(380, "Invalid property value");
    if (v == value_) return;
    value_ = v;
    Touch();
    Fire(Click);
}

void CheckBox::UserClick() {
    if (!AcceptsUserInput()) return;
    form_.SetActiveControl(this);
    SetValue(value_ == 1 ? 0 : 1);
}

std::string CheckBox::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Value") return std::to_string(value_);
    return Control::GetProperty(p);
}

bool CheckBox::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Value") SetValue(static_cast<int>(Val(v)));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- Frame, Shape, Line ----

std::string Frame::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    return Control::GetProperty(p);
}

bool Frame::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else return Control::SetProperty(p, v);
    return true;
}

std::string Shape::GetProperty(const std::string& p) const {
    if (p == "BorderColor") return std::to_string(BorderColor);
    if (p == "FillColor") return std::to_string(FillColor);
    if (p == "Shape") return std::to_string(ShapeType);
    return Control::GetProperty(p);
}

bool Shape::SetProperty(const std::string& p, const std::string& v) {
    if (p == "BorderColor") BorderColor = static_cast<Colour>(Val(v));
    else if (p == "FillColor") FillColor = static_cast<Colour>(Val(v));
    else if (p == "Shape") ShapeType = static_cast<int>(Val(v));
    else return Control::SetProperty(p, v);
    Touch();
    return true;
}

std::string LineControl::GetProperty(const std::string& p) const {
    if (p == "X1") return std::to_string(X1);
    if (p == "Y1") return std::to_string(Y1);
    if (p == "X2") return std::to_string(X2);
    if (p == "Y2") return std::to_string(Y2);
    if (p == "BorderColor") return std::to_string(BorderColor);
    return Control::GetProperty(p);
}

bool LineControl::SetProperty(const std::string& p, const std::string& v) {
    int n = static_cast<int>(Val(v));
    if (p == "X1") X1 = n;
    else if (p == "Y1") Y1 = n;
    else if (p == "X2") X2 = n;
    else if (p == "Y2") Y2 = n;
    else if (p == "BorderColor") BorderColor = static_cast<Colour>(n);
    else return Control::SetProperty(p, v);
    Touch();
    return true;
}

// ---- Image ----

void ImageControl::UserClick() { if (AcceptsUserInput()) Fire(Click); }
void ImageControl::UserDblClick() { if (AcceptsUserInput()) Fire(DblClick); }

// ---- PictureBox ----

namespace {
// The sunken border of a picture box takes two pixels on every side.
constexpr int kPictureBorder = 4 * kTwipsPerPixel;
}  // namespace

PictureBox::PictureBox(Form& f, std::string name, int index)
    : Control(f, ControlKind::PictureBox, std::move(name), index), surface_(f.App().Metrics(), &f) {
    UpdateInnerSize();
}

void PictureBox::UpdateInnerSize() {
    double border = borderStyle_ ? kPictureBorder : 0;
    auto inner = [border](double outer) { return static_cast<int>(std::lround(std::max(0.0, outer - border))); };
    surface_.SetInnerSize(inner(Width()), inner(Height()));
}

void PictureBox::SetWidth(double v) {
    if (v == Width()) return;
    Control::SetWidth(v);
    UpdateInnerSize();
    Fire(Resize);
}

void PictureBox::SetHeight(double v) {
    if (v == Height()) return;
    Control::SetHeight(v);
    UpdateInnerSize();
    Fire(Resize);
}
void PictureBox::SetBorderStyle(int v) { borderStyle_ = v; UpdateInnerSize(); Touch(); }
void PictureBox::SetBackColor(Colour c) { Control::SetBackColor(c); surface_.SetBackColor(c); }
void PictureBox::SetFontSize(double v) { Control::SetFontSize(v); surface_.FontSize = v; }

void PictureBox::LoadPictureInto(std::shared_ptr<const LoadedPicture> picture) {
    if (picture && AutoSize) {
        int border = borderStyle_ ? kPictureBorder : 0;
        SetWidth(picture->widthPx * kTwipsPerPixel + border);
        SetHeight(picture->heightPx * kTwipsPerPixel + border);
    }
    if (picture) surface_.SetPicture(std::move(picture));
    else surface_.ClearPicture();
    Touch();
}

void PictureBox::UserClick() { if (AcceptsUserInput()) Fire(Click); }
void PictureBox::UserDblClick() { if (AcceptsUserInput()) Fire(DblClick); }

std::string PictureBox::GetProperty(const std::string& p) const {
    if (p == "ScaleLeft") return SingleText(surface_.ScaleLeft());
    if (p == "ScaleTop") return SingleText(surface_.ScaleTop());
    if (p == "ScaleWidth") return SingleText(surface_.ScaleWidth());
    if (p == "ScaleHeight") return SingleText(surface_.ScaleHeight());
    if (p == "BackColor") return std::to_string(surface_.BackColor());
    if (p == "ForeColor") return std::to_string(surface_.ForeColor);
    if (p == "FillColor") return std::to_string(surface_.FillColor);
    if (p == "FillStyle") return std::to_string(surface_.FillStyle);
    if (p == "DrawWidth") return std::to_string(surface_.DrawWidth);
    if (p == "CurrentX") return DoubleText(surface_.CurrentX);
    if (p == "CurrentY") return DoubleText(surface_.CurrentY);
    return Control::GetProperty(p);
}

bool PictureBox::SetProperty(const std::string& p, const std::string& v) {
    double d = Val(v);
    if (p == "ScaleLeft") surface_.SetScaleLeft(d);
    else if (p == "ScaleTop") surface_.SetScaleTop(d);
    else if (p == "ScaleWidth") surface_.SetScaleWidth(d);
    else if (p == "ScaleHeight") surface_.SetScaleHeight(d);
    else if (p == "ForeColor") surface_.ForeColor = static_cast<Colour>(d);
    else if (p == "FillColor") surface_.FillColor = static_cast<Colour>(d);
    else if (p == "FillStyle") surface_.FillStyle = static_cast<int>(d);
    else if (p == "DrawWidth") surface_.DrawWidth = static_cast<int>(d);
    else return Control::SetProperty(p, v);
    Touch();
    return true;
}

// ---- Slider ----

void Slider::SetMin(long v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    value_ = std::clamp(value_, min_, max_);
    Touch();
}

void Slider::SetMax(long v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    value_ = std::clamp(value_, min_, max_);
    Touch();
}

void Slider::SetValue(long v) {
    if (v < min_ || v > max_) throw RuntimeError(380, "Invalid property value");
    if (v != value_) { value_ = v; Touch(); }
}

void Slider::UserMove(long v) {
    if (!AcceptsUserInput()) return;
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Touch();
    Fire(Scroll);
    Fire(Change);
}

std::string Slider::GetProperty(const std::string& p) const {
    if (p == "Value") return std::to_string(value_);
    if (p == "Min") return std::to_string(min_);
    if (p == "Max") return std::to_string(max_);
    return Control::GetProperty(p);
}

bool Slider::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Value") SetValue(ParseLong(v));
    else if (p == "Min") SetMin(ParseLong(v));
    else if (p == "Max") SetMax(ParseLong(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- ProgressBar ----

void ProgressBar::SetValue(double v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (v != value_) { value_ = v; Touch(); }
}

std::string ProgressBar::GetProperty(const std::string& p) const {
    if (p == "Value") return NumberText(value_);
    if (p == "Min") return NumberText(min_);
    if (p == "Max") return NumberText(max_);
    return Control::GetProperty(p);
}

bool ProgressBar::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Value") SetValue(Val(v));
    else if (p == "Min") SetMin(Val(v));
    else if (p == "Max") SetMax(Val(v));
    else return Control::SetProperty(p, v);
    return true;
}

// ---- Timer ----

Timer::Timer(Form& f, std::string name, int index) : Control(f, ControlKind::Timer, std::move(name), index) {
    App().AddTimer(this);
}

Timer::~Timer() { App().RemoveTimer(this); }

void Timer::SetInterval(long ms) {
    interval_ = ms;
    lastFired_ = App().NowMs();
}

void Timer::SetEnabled(bool v) {
    if (v && !Enabled()) lastFired_ = App().NowMs();
    Control::SetEnabled(v);
}

void Timer::Advance(long nowMs) {
    if (!Enabled() || interval_ <= 0 || nowMs - lastFired_ < interval_) return;
    lastFired_ = nowMs;
    Fire(OnTimer);
}

// ---- CommonDialog ----

namespace {

void RunFileDialog(CommonDialog& d, bool save) {
    FileRequest request;
    request.save = save;
    request.filter = d.Filter;
    request.fileName = d.FileName;
    request.title = d.DialogTitle;
    request.initDir = d.InitDir;
    request.overwritePrompt = save && (d.Flags & cdlOFNOverwritePrompt) != 0;
    auto answer = d.App().Platform().FileDialog(request);
    if (!answer) {
        if (d.CancelError) throw RuntimeError(kErrCancel, "Cancel was selected.");
        return;
    }
    d.FileName = *answer;
    size_t slash = answer->find_last_of("/\\");
    d.FileTitle = slash == std::string::npos ? *answer : answer->substr(slash + 1);
}

}  // namespace

void CommonDialog::ShowOpen() { RunFileDialog(*this, false); }
void CommonDialog::ShowSave() { RunFileDialog(*this, true); }

}  // namespace forms
