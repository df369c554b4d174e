// Text boxes and combo boxes: the model decides every change of text.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
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

// Keys that move the caret or the selection and change no text.
bool IsNavigation(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll);
    }
}

// Byte offsets of the model's UTF-8 text and character offsets of Qt's.
int Bytes(const QString& text, int chars) { return static_cast<int>(text.left(chars).toUtf8().size()); }
int Chars(const std::string& text, int bytes) { return static_cast<int>(ToQString(text.substr(0, bytes)).size()); }

// Pasted text up to its first line break: the boxes hold one line.
std::string ClipboardLine() {
    QString text = QGuiApplication::clipboard()->text();
    return ToStdString(text.left(text.indexOf('\n') < 0 ? text.size() : text.indexOf('\n')).remove('\r'));
}

}  // namespace

// Setting a line edit's text leaves its caret at the end, and a text longer
// than the box would show only its end; with the caret where the model has
// it, the start of a text the program wrote is what shows.
void ShownSelection::Show(QLineEdit* edit, const forms::TextField& field) {
    if (field.SelStart() == start_ && field.SelLength() == length_) return;
    start_ = field.SelStart();
    length_ = field.SelLength();
    int start = Chars(field.Text(), start_);
    int length = Chars(field.Text(), start_ + length_) - start;
    if (length > 0) edit->setSelection(start, length);
    else edit->setCursorPosition(start);
}

// The model edits at its own selection; it takes the one the person made
// with the mouse or the keys that only move the caret.
void ShownSelection::Push(QLineEdit* edit, forms::TextField& field) {
    QString text = edit->text();
    if (ToStdString(text) != field.Text()) return;
    int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    int length = static_cast<int>(edit->selectedText().size());
    field.SetSelStart(Bytes(text, start));
    field.SetSelLength(Bytes(text, start + length) - Bytes(text, start));
    start_ = field.SelStart();
    length_ = field.SelLength();
}

int FormsKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return forms::kKeyReturn;
        case Qt::Key_Escape: return forms::kKeyEscape;
        case Qt::Key_Backspace: return forms::kKeyBack;
        case Qt::Key_Delete: return forms::kKeyDelete;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return forms::kKeyTab;
        case Qt::Key_Up: return forms::kKeyUp;
        case Qt::Key_Down: return forms::kKeyDown;
        default: return -1;
    }
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
    if (IsNavigation(key)) return false;
    shown_.Push(w_, box_);
    if (key->matches(QKeySequence::Cut)) {
        if (w_->hasSelectedText()) QGuiApplication::clipboard()->setText(w_->selectedText());
        Input([this] { box_.UserReplaceSelection(""); });
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        Input([this] { box_.UserReplaceSelection(ClipboardLine()); });
        return true;
    }
    int code = FormsKeyCode(key->key());
    if (code >= 0) {
        int shift = ShiftCode(key->modifiers());
        Input([this, code, shift] { box_.UserKey(code, shift); });
        return code != forms::kKeyTab;  // Qt moves the focus on
    }
    if (IsTyped(key)) {
        QByteArray bytes = key->text().toUtf8();
        Input([this, &bytes] {
            for (char c : bytes) box_.UserKeyChar(c);
        });
    }
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
        }
    }
    if (combo_.Items() != items_) {
        items_ = combo_.Items();
        w_->clear();
        for (const auto& item : items_) w_->addItem(ToQString(item));
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
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            return watched == w_->lineEdit() && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

bool ComboView::Key(QKeyEvent* key) {
    if (!InputOpen()) return true;
    bool editable = w_->isEditable();
    // F4 and Alt+Up/Down open the list; what is picked there arrives as a
    // choice (activated).
    if (key->key() == Qt::Key_F4 || ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) && (key->modifiers() & Qt::AltModifier)))
        return false;
    if (IsNavigation(key)) return false;
    if (editable) shown_.Push(w_->lineEdit(), combo_);
    if (editable && key->matches(QKeySequence::Paste)) {
        Input([this] { combo_.UserReplaceSelection(ClipboardLine()); });
        return true;
    }
    int code = FormsKeyCode(key->key());
    if (code >= 0) {
        int shift = ShiftCode(key->modifiers());
        Input([this, code, shift] { combo_.UserKey(code, shift); });
        return code != forms::kKeyTab;
    }
    if (!IsTyped(key)) return true;
    // A drop-down list finds an item by its first letter itself.
    if (!editable) return false;
    QByteArray bytes = key->text().toUtf8();
    Input([this, &bytes] {
        for (char c : bytes) combo_.UserKeyChar(c);
    });
    return true;
}

}  // namespace qtback
