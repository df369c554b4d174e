#include "qt/qt_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "qt/dialogs.h"
#include "qt/form_window.h"
#include "qt/menu_view.h"
#include "qt/picture_loader.h"
#include "qt/qt_units.h"
#include "qt/shaped_texts.h"
#include "qt/snapshot_renderer.h"
#include "qt/surface_widget.h"
#include "qt/text_metrics.h"
#include "values/runtime_error.h"

namespace qtback {
namespace {

constexpr int kClockPeriodMs = 10;
// After a long handler the clock moves on by at most this much at once: the
// old platform's timers did not catch up on the ticks they missed.
constexpr long kLongestStepMs = 250;

// How the platform names a run-time error that no handler trapped.
std::string RunTimeErrorText(int number, const std::string& what) {
    return "Run-time error '" + std::to_string(number) + "':\n\n" + what;
}

}  // namespace

QtServices::QtServices(RenderPool::Options drawing) : pool_(std::move(drawing)) {}

QtServices::~QtServices() {
    for (auto& [form, window] : windows_) delete window;
    for (const QPointer<FormWindow>& window : unloaded_) delete window.data();
}

void QtServices::Attach(forms::Application& application) { app_ = &application; }

void QtServices::StartClock() {
    elapsed_.start();
    creditedMs_ = 0;
    QObject::connect(&clock_, &QTimer::timeout, &clock_, [this] { Tick(); });
    clock_.start(kClockPeriodMs);
}

void QtServices::Tick() {
    if (modal_ > 0 || eventDepth_ > 0 || !app_ || app_->Ended()) return;
    long now = static_cast<long>(elapsed_.elapsed());
    long step = std::min(now - creditedMs_, kLongestStepMs);
    creditedMs_ = now;
    if (step > 0) RunEvent([this, step] { app_->AdvanceClock(step); });
}

void QtServices::UserEvent(const std::function<void()>& action) {
    if (InputOpen()) RunEvent(action);
}

void QtServices::RunEvent(const std::function<void()>& action) {
    ++eventDepth_;
    try {
        action();
    } catch (const std::exception& e) {
        ReportUntrapped(e);
        app_->End();
    }
    --eventDepth_;
    Sync();
    if (eventDepth_ > 0) return;
    // Forms unloaded during the event are destroyed only now that no
    // handler of theirs is running.
    app_->CollectRetired();
    if (!Running()) QCoreApplication::quit();
}

void QtServices::ReportUntrapped(const std::exception& error) {
    if (const auto* e = dynamic_cast<const values::RuntimeError*>(&error)) {
        QMessageBox::critical(ActiveWindow(), "Quillory", ToQString(RunTimeErrorText(e->number(), e->what())));
    } else {
        QMessageBox::critical(ActiveWindow(), "Quillory", ToQString(error.what()));
    }
}

bool QtServices::Running() const {
    if (!app_ || app_->Ended()) return false;
    auto forms = app_->LoadedForms();
    return std::any_of(forms.begin(), forms.end(), [](const forms::Form* f) { return f->Visible(); });
}

FormWindow& QtServices::WindowOf(forms::Form& form) {
    FormWindow*& window = windows_[&form];
    if (!window) window = new FormWindow(form, *this);
    return *window;
}

void QtServices::Sync() {
    if (!app_ || syncing_) return;
    syncing_ = true;
    for (forms::Form* form : app_->LoadedForms()) {
        if (!form->Visible()) {
            if (FormWindow* window = WindowFor(form)) {
                if (!window->isHidden()) window->hide();
                activation_.Hidden(form);
            }
            continue;
        }
        FormWindow& window = WindowOf(*form);
        window.Sync();
        if (window.isHidden()) window.show();
    }
    DrawPrepared();
    // Every window the program brought to the front since the last sync
    // is raised, in the order it came; the active one also takes the focus.
    std::vector<std::pair<unsigned long, FormWindow*>> raised;
    for (auto& [form, window] : windows_)
        if (form->FrontOrder() > frontRaised_ && !window->isHidden()) raised.emplace_back(form->FrontOrder(), window);
    std::sort(raised.begin(), raised.end());
    for (auto& [order, window] : raised) {
        window->raise();
        frontRaised_ = std::max(frontRaised_, order);
    }
    activation_.ProgramChose(app_->ActiveForm(), ActiveWindow() != nullptr);
    syncing_ = false;
    ReportDrawingFault();
}

// Each surface draws its own image from its own snapshot, so the surfaces
// of every window that changed (a new level redraws every column and panel of
// both main windows) are drawn side by side: their kept pictures on the
// pool's threads, most of them already while the program went on with its
// road, and the marks drawn since on this thread. A surface whose kept
// picture stayed only moves its marks.
void QtServices::DrawPrepared() {
    for (SurfaceWidget* surface : prepared_) surface->ForeseePrepared();
    for (SurfaceWidget* surface : prepared_) {
        try {
            surface->Render();
        } catch (const std::bad_alloc&) {
            drawingFault_ = RunTimeErrorText(values::kErrOutOfMemory, "Out of memory");
        } catch (const values::RuntimeError& e) {
            drawingFault_ = RunTimeErrorText(e.number(), e.what());
        } catch (const std::exception& e) {
            drawingFault_ = e.what();
        }
    }
    for (SurfaceWidget* surface : prepared_) surface->Show();
    prepared_.clear();
    if (!syncing_) ReportDrawingFault();
}

// The drawing is the platform's, not the program's: no handler of the
// program traps its fault, and the program goes on after the message.
void QtServices::ReportDrawingFault() {
    if (!drawingFault_) return;
    forms::MessageRequest request{*drawingFault_, forms::vbCritical, "Quillory"};
    drawingFault_.reset();
    MessageBox(request);
}

void QtServices::Watch(const forms::Surface& surface, SurfaceWidget& widget, const FormWindow& window,
                       std::function<bool()> shown) {
    watched_[&surface] = Watched{&widget, &window, std::move(shown)};
}

void QtServices::Unwatch(const SurfaceWidget& widget) noexcept {
    std::erase_if(watched_, [&](const auto& entry) { return entry.second.widget == &widget; });
    // The texts shaped for it go with it; without memory to say so, they stay
    // on its lane, where they serve whoever draws the same texts.
    try {
        pool_.Post([owner = &widget, announcement = ++announcements_](
                       ShapedTexts& texts) { texts.ShapeAhead(owner, announcement, {}, 0, false); },
                   widget.Lane(), true);
    } catch (const std::bad_alloc&) {
    }
}

void QtServices::DrawingKept(const forms::Surface& surface) {
    auto it = watched_.find(&surface);
    if (it != watched_.end() && it->second.shown()) it->second.widget->Foresee(surface);
}

// Shaped on the surface's lane, in parts that leave the lane's drawing first.
void QtServices::TextsAhead(const forms::Surface& surface, const std::vector<std::string>& texts, double fontSize,
                            bool bold) {
    constexpr size_t kTextsAPart = 256;
    auto it = watched_.find(&surface);
    if (it == watched_.end()) return;
    const SurfaceWidget* owner = it->second.widget;
    const unsigned long announcement = ++announcements_;
    size_t from = 0;
    // Shaping ahead only saves time: the parts that find no memory to be
    // posted are shaped when they are drawn.
    try {
        do {
            const size_t to = std::min(texts.size(), from + kTextsAPart);
            pool_.Post(
                [owner, announcement, part = std::vector<std::string>(texts.begin() + from, texts.begin() + to),
                 fontSize, bold](ShapedTexts& shaped) { shaped.ShapeAhead(owner, announcement, part, fontSize, bold); },
                owner->Lane(), true);
            from = to;
        } while (from < texts.size());
    } catch (const std::bad_alloc&) {
    }
}

void QtServices::FormUnloaded(forms::Form& form) {
    activation_.Gone(&form);
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    std::erase_if(watched_, [window = it->second](const auto& entry) { return entry.second.window == window; });
    it->second->Detach();
    std::erase_if(unloaded_, [](const QPointer<FormWindow>& window) { return window.isNull(); });
    unloaded_.emplace_back(it->second);
    windows_.erase(it);
}

QWidget* QtServices::ActiveWindow() const {
    FormWindow* window = app_ ? WindowFor(app_->ActiveForm()) : nullptr;
    return window && !window->isHidden() ? window : nullptr;
}

int QtServices::MessageBox(const forms::MessageRequest& request) {
    return Modal([&] { return ShowMessageBox(request, ActiveWindow()); });
}

std::optional<std::string> QtServices::FileDialog(const forms::FileRequest& request) {
    return Modal([&] { return ShowFileDialog(request, ActiveWindow()); });
}

forms::Menu* QtServices::ChoosePopupItem(forms::Form&, forms::Menu& menu) {
    return Modal([&] { return ExecPopup(menu, lastPointer_.value_or(QCursor::pos())); });
}

void QtServices::ClipboardClear() { QGuiApplication::clipboard()->clear(); }

// The picture at the pixel ratio of the window it came from, as sharp as
// that window shows it.
void QtServices::ClipboardSetPicture(const forms::Snapshot& picture) {
    qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    for (const auto& [form, window] : windows_)
        if (form == picture.window) ratio = window->devicePixelRatioF();
    QGuiApplication::clipboard()->setImage(RenderSnapshot(picture, ratio));
}

void QtServices::ClipboardSetText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQString(text)); }

std::string QtServices::ClipboardText() { return ToStdString(QGuiApplication::clipboard()->text()); }

std::shared_ptr<const forms::LoadedPicture> QtServices::LoadPicture(const std::string& path) {
    return LoadPictureFile(path);
}

void QtServices::MousePointerChanged(int code) {
    if (code == forms::vbDefault) {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        return;
    }
    Qt::CursorShape shape = CursorShape(code);
    if (QGuiApplication::overrideCursor()) QGuiApplication::changeOverrideCursor(shape);
    else QGuiApplication::setOverrideCursor(shape);
}

void QtServices::Quit() { QCoreApplication::quit(); }

void TakeScreenSize(forms::Application& application) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        application.ScreenWidth = static_cast<int>(Twips(screen->geometry().width()));
        application.ScreenHeight = static_cast<int>(Twips(screen->geometry().height()));
    }
}

double QtServices::TextWidthTwips(const std::string& text, double fontSize, bool bold) const {
    return Twips(TextAdvancePixels(text, fontSize, bold));
}

double QtServices::TextHeightTwips(double fontSize, bool bold) const {
    return Twips(TextLinePixels(fontSize, bold));
}

}  // namespace qtback
