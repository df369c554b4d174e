#pragma once
// The view of each kind of control (see control_view.h).
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <functional>
#include <memory>
#include <vector>

#include "forms/controls.h"
#include "qt/control_view.h"
#include "qt/surface_widget.h"

class QKeyEvent;

namespace qtback {

class LabelView : public ControlView {
public:
    LabelView(forms::Label& label, QWidget* parent, FormWindow& window);
    bool Graphical() const override { return true; }

protected:
    void SyncContent() override;
    bool Filter(QObject* watched, QEvent* event) override;

private:
    forms::Label& label_;
    QLabel* w_;
};

class ButtonView : public ControlView {
public:
    ButtonView(forms::CommandButton& button, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;

private:
    forms::CommandButton& button_;
    QPushButton* w_;
};

class OptionView : public ControlView {
public:
    OptionView(forms::OptionButton& option, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;

private:
    forms::OptionButton& option_;
    QRadioButton* w_;
};

class CheckView : public ControlView {
public:
    CheckView(forms::CheckBox& check, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;

private:
    forms::CheckBox& check_;
    QCheckBox* w_;
};

class FrameView : public ControlView {
public:
    FrameView(forms::Frame& frame, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;
    bool OwnsPoint(QPointF p) const override;

private:
    forms::Frame& frame_;
    QGroupBox* w_;
};

// A widget that paints itself with a function, given the part of the widget
// to paint: shapes, lines and images.
class PaintedWidget : public QWidget {
public:
    PaintedWidget(QWidget* parent, std::function<void(QPainter&, const QRect& exposed)> paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&, const QRect&)> paint_;
};

class ShapeView : public ControlView {
public:
    ShapeView(forms::Shape& shape, QWidget* parent, FormWindow& window);
    bool Graphical() const override { return true; }

protected:
    void SyncContent() override;
    void SyncAlways() override;

private:
    struct Look {
        int type, borderWidth, backStyle, fillStyle;
        forms::Colour border, fill;
        bool operator==(const Look&) const = default;
    };
    Look Current() const;
    void Paint(QPainter& painter) const;
    forms::Shape& shape_;
    Look look_{};
};

class LineView : public ControlView {
public:
    LineView(forms::LineControl& line, QWidget* parent, FormWindow& window);
    bool Graphical() const override { return true; }

protected:
    void SyncContent() override {}
    void SyncAlways() override;
    void SyncGeometry() override;

private:
    struct Look {
        int x1, y1, x2, y2, width;
        forms::Colour colour;
        bool operator==(const Look&) const = default;
    };
    Look Current() const;
    void Paint(QPainter& painter) const;
    forms::LineControl& line_;
    Look look_{};
    bool shown_ = false;
};

// An image control: its picture at its natural size in the top left corner,
// or stretched to the control's frame. Only the part of the frame that is to
// be painted is drawn, from the decoded picture or one of its halvings, so a
// frame far larger than the window costs no more than the window.
class ImageView : public ControlView {
public:
    ImageView(forms::ImageControl& image, QWidget* parent, FormWindow& window);
    bool Graphical() const override { return true; }

protected:
    void SyncContent() override {}
    void SyncAlways() override;
    bool Filter(QObject* watched, QEvent* event) override;

private:
    void Paint(QPainter& painter, const QRect& exposed) const;
    forms::ImageControl& image_;
    std::shared_ptr<const forms::LoadedPicture> shown_;
    bool stretched_ = false;
};

class PictureView : public ControlView {
public:
    PictureView(forms::PictureBox& picture, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;
    void SyncAlways() override;
    QPointF MouseUnits(QPointF widgetPixels) const override;
    bool Filter(QObject* watched, QEvent* event) override;

private:
    forms::PictureBox& picture_;
    SurfaceWidget* w_;
};

class SliderView : public ControlView {
public:
    SliderView(forms::Slider& slider, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;
    void SyncAlways() override;
    bool Filter(QObject* watched, QEvent* event) override;

private:
    forms::Slider& slider_;
    QSlider* w_;
};

class ProgressView : public ControlView {
public:
    ProgressView(forms::ProgressBar& bar, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;

private:
    // The bar's range is fractional; the widget shows it in fine steps.
    static constexpr int kSteps = 1000;
    forms::ProgressBar& bar_;
    QProgressBar* w_;
};

// The caret or selection of a text box or combo box between the model, which
// moves it with the keys and edits there, and its line edit, which shows it
// and where the person selects with the mouse.
class ShownSelection {
public:
    // Shows the model's caret or selection when it changed since last shown.
    void Show(QLineEdit* edit, const forms::TextField& field);
    // Gives the model the line edit's caret or selection, before a key.
    void Push(QLineEdit* edit, forms::TextField& field);
    // The line edit's caret moved by itself (its text was set).
    void Forget() { anchor_ = caret_ = -1; }

private:
    int anchor_ = -1, caret_ = -1;  // the model's selection last shown or pushed
};

// Keystrokes go to the model, which edits the text; the line edit shows the
// text and the model's caret or selection, and keeps the selection the
// person makes with the mouse.
class TextView : public ControlView {
public:
    TextView(forms::TextBox& box, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;
    void SyncAlways() override;
    bool Filter(QObject* watched, QEvent* event) override;

private:
    bool Key(QKeyEvent* key);
    forms::TextBox& box_;
    QLineEdit* w_;
    ShownSelection shown_;
};

class ComboView : public ControlView {
public:
    ComboView(forms::ComboBox& combo, QWidget* parent, FormWindow& window);

protected:
    void SyncContent() override;
    void SyncAlways() override;
    bool Filter(QObject* watched, QEvent* event) override;

private:
    bool Key(QKeyEvent* key);
    forms::ComboBox& combo_;
    QComboBox* w_;
    std::vector<std::string> items_;
    ShownSelection shown_;
};

}  // namespace qtback
