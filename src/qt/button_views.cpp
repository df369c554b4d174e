// Labels, command buttons, option buttons, check boxes and frames.
#include "qt/control_views.h"
#include "qt/qt_units.h"

namespace qtback {

LabelView::LabelView(forms::Label& label, QWidget* parent, FormWindow& window)
    : ControlView(label, new QLabel(parent), window), label_(label), w_(static_cast<QLabel*>(widget_)) {
    // The old platform's labels wrap their caption at word boundaries.
    w_->setWordWrap(true);
}

void LabelView::SyncContent() {
    w_->setText(ToQString(label_.Caption()));
    Qt::Alignment horizontal = label_.Alignment == 1 ? Qt::AlignRight : label_.Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    w_->setAlignment(horizontal | Qt::AlignTop);
    // Qt paints a label again whenever its frame is set, the same or not.
    const int frame = label_.BorderStyle ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame;
    if (w_->frameStyle() != frame) w_->setFrameStyle(frame);
    SetColours(QPalette::Window, QPalette::WindowText, label_.BackStyle == 1);
}

bool LabelView::Filter(QObject* watched, QEvent* event) {
    if (watched != w_) return false;
    if (LeftButton(event, QEvent::MouseButtonRelease)) Input([this] { label_.UserClick(); });
    else if (LeftButton(event, QEvent::MouseButtonDblClick)) Input([this] { label_.UserDblClick(); });
    return false;
}

ButtonView::ButtonView(forms::CommandButton& button, QWidget* parent, FormWindow& window)
    : ControlView(button, new QPushButton(parent), window), button_(button), w_(static_cast<QPushButton*>(widget_)) {
    w_->setAutoDefault(false);
    QObject::connect(w_, &QPushButton::clicked, this, [this] { Input([this] { button_.UserClick(); }); });
}

void ButtonView::SyncContent() { w_->setText(ToQString(button_.Caption())); }

OptionView::OptionView(forms::OptionButton& option, QWidget* parent, FormWindow& window)
    : ControlView(option, new QRadioButton(parent), window), option_(option), w_(static_cast<QRadioButton*>(widget_)) {
    // The model clears the other buttons of the container; Qt's own grouping
    // would follow the widget parent and fight it.
    w_->setAutoExclusive(false);
    QObject::connect(w_, &QRadioButton::clicked, this, [this] { Input([this] { option_.UserClick(); }); });
}

void OptionView::SyncContent() {
    w_->setText(ToQString(option_.Caption()));
    w_->setChecked(option_.Value());
    SetColours(QPalette::Window, QPalette::WindowText, true);
}

CheckView::CheckView(forms::CheckBox& check, QWidget* parent, FormWindow& window)
    : ControlView(check, new QCheckBox(parent), window), check_(check), w_(static_cast<QCheckBox*>(widget_)) {
    QObject::connect(w_, &QCheckBox::clicked, this, [this] { Input([this] { check_.UserClick(); }); });
}

void CheckView::SyncContent() {
    w_->setText(ToQString(check_.Caption()));
    int v = check_.Value();
    w_->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    SetColours(QPalette::Window, QPalette::WindowText, true);
}

FrameView::FrameView(forms::Frame& frame, QWidget* parent, FormWindow& window)
    : ControlView(frame, new QGroupBox(parent), window), frame_(frame), w_(static_cast<QGroupBox*>(widget_)) {}

void FrameView::SyncContent() {
    w_->setTitle(ToQString(frame_.Caption()));
    w_->setFlat(frame_.BorderStyle == 0);
    SetColours(QPalette::Window, QPalette::WindowText, true);
}

bool FrameView::OwnsPoint(QPointF p) const { return w_->childAt(p.toPoint()) == nullptr; }

}  // namespace qtback
