// Text boxes and combo boxes: the model edits the line, the widgets show it.
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "forms/form.h"
#include "qt/control_views.h"
#include "qt/qt_units.h"

namespace qtback {
namespace {

bool IsTyped(const QKeyEvent* key) {
    QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

bool IsCaretKey(int code) {
    return code == forms::kKeyHome || code == forms::kKeyEnd || code == forms::kKeyLeft || code == forms::kKeyRight;
}

// Characters typed into the model, one keystroke each.
std::function<void()> Typing(const QString& text, forms::TextField& field) {
    return [&field, bytes = ToStdString(text)] {
        for (char c : bytes) field.UserKeyChar(c);
    };
}

// The person's key as the model's input: the characters it types, or the
// key by its code with the Shift and Ctrl state; nothing for other keys.
std::function<void()> KeyInput(const QKeyEvent* key, forms::TextField& field) {
    if (IsTyped(key)) return Typing(key->text(), field);
    int code = FormsKeyCode(key);
    if (code < 0) return {};
    int shift = ShiftCode(key->modifiers()) | (key->key() == Qt::Key_Backtab ? forms::kShiftMask : 0);
    return [&field, code, shift] { field.UserKey(code, shift); };
}

// What an input method commits (a composed or full-width character, a dead
// key's letter) is typed, as the keys that make it would have typed it;
// nothing for an event that commits nothing. The widget is given none of the
// event: neither the text being composed nor a replacement of the text
// around the caret shows in a box whose text is the model's.
std::function<void()> CommitInput(const QInputMethodEvent* event, forms::TextField& field) {
    if (event->commitString().isEmpty()) return {};
    return Typing(event->commitString(), field);
}

}  // namespace

// Setting a line edit's text leaves its caret at the end, and a text longer
// than the box would show only its end; with the caret where the model has
// it, the start of a text the program wrote is what shows.
void ShownSelection::Show(QLineEdit* edit, const forms::TextField& field) {
    if (field.Anchor() == anchor_ && field.Caret() == caret_) return;
    anchor_ = field.Anchor();
    caret_ = field.Caret();
    int anchor = ShownChars(field.Text(), anchor_), caret = ShownChars(field.Text(), caret_);
    if (anchor != caret) edit->setSelection(anchor, caret - anchor);
    else edit->setCursorPosition(caret);
}

// The model edits at its own selection; it takes the one the person made
// with the mouse.
void ShownSelection::Push(QLineEdit* edit, forms::TextField& field) {
    QString text = edit->text();
    if (text != ToQString(field.Text())) return;
    int caret = edit->cursorPosition(), anchor = caret;
    if (edit->hasSelectedText()) anchor = edit->selectionStart() == caret ? edit->selectionEnd() : edit->selectionStart();
    field.Select(TextBytes(field.Text(), text, anchor), TextBytes(field.Text(), text, caret));
    anchor_ = field.Anchor();
    caret_ = field.Caret();
}

// ---- TextBox ----

TextView::TextView(forms::TextBox& box, QWidget* parent, FormWindow& window)
    : ControlView(box, new QLineEdit(parent), window), box_(box), w_(static_cast<QLineEdit*>(widget_)) {
    // Every way Qt would change the text by itself is closed: the context
    // menu, dropping text, and the X11 middle-button paste (see Filter).
    w_->setContextMenuPolicy(Qt::NoContextMenu);
    w_->setAcceptDrops(false);
}

void TextView::SyncContent() {
    QString text = ToQString(box_.Text());
    if (w_->text() != text) {
        w_->setText(text);
        shown_.Forget();  // setText moved the caret
    }
    Qt::Alignment horizontal = box_.Alignment == 1 ? Qt::AlignRight : box_.Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    w_->setAlignment(horizontal | Qt::AlignVCenter);
    SetColours(QPalette::Base, QPalette::Text, false);
}

// The program sets SelStart and SelLength without raising the revision.
void TextView::SyncAlways() { shown_.Show(w_, box_); }

bool TextView::Filter(QObject* watched, QEvent* event) {
    if (watched != w_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return Key(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod:
            if (auto input = CommitInput(static_cast<QInputMethodEvent*>(event), box_)) Input(input);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (m->button() == Qt::MiddleButton) return true;
            if (event->type() == QEvent::MouseButtonRelease && m->button() == Qt::LeftButton && InputOpen()) {
                shown_.Push(w_, box_);
                Input([this] { box_.UserClick(); });
            }
            return false;
        }
        default:
            return false;
    }
}

bool TextView::Key(QKeyEvent* key) {
    // While input is closed the widget changes nothing either.
    if (!InputOpen()) return true;
    shown_.Push(w_, box_);
    // Tab too: the model moves the focus on (Form::UserTab).
    if (auto input = KeyInput(key, box_)) Input(input);
    return true;
}

// ---- ComboBox ----

ComboView::ComboView(forms::ComboBox& combo, QWidget* parent, FormWindow& window)
    : ControlView(combo, new QComboBox(parent), window), combo_(combo), w_(static_cast<QComboBox*>(widget_)) {
    w_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(w_, &QComboBox::activated, this, [this](int index) {
        Input([this, index] { combo_.UserChoose(index); });
    });
}

void ComboView::SyncContent() {
    bool editable = combo_.Style != 2;
    if (w_->isEditable() != editable) {
        w_->setEditable(editable);
        if (editable) {
            w_->setCompleter(nullptr);
            w_->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
            w_->lineEdit()->setAcceptDrops(false);
            w_->lineEdit()->installEventFilter(this);
            // Qt's box chooses the item its text names when its line loses
            // the focus; the model's box chooses only what the user picks,
            // and a text set by the program names no chosen item.
            QObject::disconnect(w_->lineEdit(), &QLineEdit::editingFinished, w_, nullptr);
        }
    }
    if (combo_.Items() != items_) {
        items_ = combo_.Items();
        w_->clear();
        for (const auto& item : items_) w_->addItem(ToQString(item));
        shown_.Forget();  // the first item added writes the line edit's text
    }
    // Setting the current index writes the line edit's text, even to the
    // index it has, and every write of it moves the caret: the model's text
    // and caret are shown again after either.
    bool picked = w_->currentIndex() != combo_.ListIndex();
    if (picked) w_->setCurrentIndex(combo_.ListIndex());
    QString text = ToQString(combo_.Text());
    if (editable && (picked || w_->lineEdit()->text() != text)) {
        w_->setEditText(text);
        shown_.Forget();
    }
    // A drop-down list shows its text on a face like a button's.
    SetColours(QPalette::Base, editable ? QPalette::Text : QPalette::ButtonText, false);
}

void ComboView::SyncAlways() {
    if (w_->isEditable()) shown_.Show(w_->lineEdit(), combo_);
}

bool ComboView::Filter(QObject* watched, QEvent* event) {
    // The type first: events that come while the widget is being destroyed
    // (hide, focus out) must not reach the half-destroyed combo box.
    switch (event->type()) {
        case QEvent::KeyPress:
            // Keys reach the combo box (its line edit's focus proxy); the line
            // edit is watched too in case it has the focus itself.
            if (watched == w_ || watched == w_->lineEdit()) return Key(static_cast<QKeyEvent*>(event));
            return false;
        case QEvent::InputMethod:
            if (watched != w_ && watched != w_->lineEdit()) return false;
            if (auto input = CommitInput(static_cast<QInputMethodEvent*>(event), combo_)) Input(input);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            return watched == w_->lineEdit() && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

bool ComboView::Key(QKeyEvent* key) {
    if (!InputOpen()) return true;
    // F4 and Alt+Up/Down open the list; what is picked there arrives as a
    // choice (activated).
    if (key->key() == Qt::Key_F4 || ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) && (key->modifiers() & Qt::AltModifier)))
        return false;
    if (w_->isEditable()) {
        shown_.Push(w_->lineEdit(), combo_);
    } else if (IsTyped(key) || IsCaretKey(FormsKeyCode(key))) {
        // A drop-down list moves to an item, and finds one by its first
        // letter, itself.
        return false;
    }
    if (auto input = KeyInput(key, combo_)) Input(input);
    return true;
}

}  // namespace qtback
