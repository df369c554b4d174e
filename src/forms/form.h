#pragma once
// A window. Size and position are in twips, kept as the program's arithmetic
// gives them; only a back end that shows the window rounds to pixels. The outer Width and Height
// include the frame; ScaleWidth and ScaleHeight are the inner drawing area.
// The frame is a fixed amount of the back end, the same headless and in Qt:
// kFrameWidth across, kFrameHeight down (caption bar and borders), plus
// kMenuBarHeight when the form has a visible menu bar.
//
// Life cycle: a form is loaded on first reference (FormSlot), hidden, and its
// Load event runs; Show and Hide change visibility only; Unload runs
// QueryUnload and Unload, and the next reference gets a fresh form with its
// design-time properties.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/controls.h"
#include "forms/menu.h"
#include "forms/surface.h"

namespace forms {

class Application;
class FormSlotBase;

constexpr int kFrameWidth = 240;
constexpr int kFrameHeight = 570;
constexpr int kMenuBarHeight = 300;
constexpr int kTwipsPerPixel = 15;

class Form {
public:
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& App() const { return app_; }
    const std::string& Name() const { return name_; }
    bool IsLoaded() const { return loaded_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Touch(); } }
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetLeft(double v);
    void SetTop(double v);
    // Each runs Resize at once when the size changes; a size beyond the
    // largest screen's (surface.h) is held to it, as is a user's.
    void SetWidth(double v);
    void SetHeight(double v);
    void Move(double left, double top, double width, double height);
    double ScaleWidth() const;
    double ScaleHeight() const;
    // What the outer height has beyond ScaleHeight: caption bar, borders and
    // a visible menu bar.
    double FrameHeight() const { return kFrameHeight + (HasMenuBar() ? kMenuBarHeight : 0); }
    // 0 normal, 1 minimised, 2 maximised. While it is not normal, Left,
    // Top, Width and Height are what the window system shows (a maximised
    // window reports its maximised size); restored, the window takes back
    // the place and size it had before, whatever the window system
    // reported meanwhile and in whichever order.
    int WindowState() const { return windowState_; }
    void SetWindowState(int v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { if (v != enabled_) { enabled_ = v; Touch(); } }
    bool Visible() const { return visible_; }
    Colour BackColor() const { return surface_.BackColor(); }
    void SetBackColor(Colour c) { surface_.SetBackColor(c); Touch(); }
    int BorderStyle = 2;  // 2 sizable
    bool HasMenuBar() const;

    void Show();
    // When the window last came to the front (Show, or the user activating
    // it): larger is nearer the front.
    unsigned long FrontOrder() const { return front_; }
    void Hide();
    // Repaints the window at once (a back end without a screen has nothing to do).
    void Refresh();
    void Unload();          // as the Unload statement; a Cancel in the handlers keeps it
    void UserClose();       // the close button: QueryUnload with mode 0, then Unload
    void UserActivate();    // the user brings the window to the front
    // The Tab key (Shift+Tab: backwards): the focus moves on in tab order
    // (tab_order.h).
    void UserTab(bool backwards);
    // Once the keyboard has moved the focus in the window, the control that
    // has it shows a focus mark, as the old platform draws one.
    bool FocusMarked() const { return focusMarked_; }
    void UserResize(double width, double height);
    void UserMove(double left, double top);
    void UserClick();
    void UserMouseMove(int button, int shift, double x, double y);
    void UserMouseDown(int button, int shift, double x, double y);
    // Shows an invisible top-level menu as a pop-up; the chosen item's Click
    // has run when this returns. The pop-up takes the mouse from the control
    // that held it.
    void PopupMenu(Menu& menu);
    // The control whose press holds the mouse until the release (nullptr: none).
    Control* MouseCapture() const { return capture_; }
    void SetMouseCapture(Control* c) { capture_ = c; }

    // The bare window surface (Line, Print, Cls on the form itself).
    Surface& Draw() { return surface_; }

    // Events.
    std::function<void()> Load, Activate, Deactivate, GotFocus, Click, Resize, Terminate;
    std::function<void(int& cancel)> Unload_;
    std::function<void(int& cancel, int mode)> QueryUnload;
    // Pointer events over the bare window surface (not over a control), in twips.
    std::function<void(int button, int shift, double x, double y)> MouseMove, MouseDown;

    // Controls, in creation order, and look-up by name and index.
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    Control* FindControl(const std::string& name, int index = -1) const;
    const std::vector<Menu*>& MenuBar() const { return menuBar_; }
    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* c);

    // Window properties by name.
    std::string GetProperty(const std::string& property) const;
    bool SetProperty(const std::string& property, const std::string& value);

    unsigned long Revision() const { return revision_; }
    // A change after the form was unloaded is run-time error 364, as for its
    // controls (control.h).
    void Touch();

    // Runs one of the form's event handlers one level deeper in the chain of
    // nested events; nothing once the form is unloaded.
    template <class Handler, class... Args>
    void Fire(const Handler& handler, Args&&... args) {
        if (!handler || retired_) return;
        RunEvent(app_, handler, std::forward<Args>(args)...);
    }

    // Called by FormSlot.
    void RunLoad();
    void MarkUnloaded();
    // Unloaded and handed back by its slot: the next reference gets a fresh
    // form, and this one takes no events and no changes any more.
    bool Retired() const { return retired_; }
    void MarkRetired() { retired_ = true; }
    void AttachSlot(FormSlotBase* slot) { slot_ = slot; }

    // Construction of controls: at design time, or later as the platform's
    // Controls.Add does; shared design pieces of similar windows use it too.
    template <class T>
    T& Add(const std::string& name, int index = -1, Control* container = nullptr) {
        auto c = std::make_unique<T>(*this, name, index);
        T& ref = *c;
        // A new control comes last in the tab order.
        ref.TabIndex = static_cast<int>(controls_.size());
        if (container) ref.SetContainer(container);
        controls_.push_back(std::move(c));
        return ref;
    }
    template <class T>
    T& Add(ControlArray<T>& array, const std::string& name, int index, Control* container = nullptr) {
        T& ref = Add<T>(name, index, container);
        array.Insert(index, ref);
        return ref;
    }
    Menu& AddMenu(const std::string& name, const std::string& caption, Menu* parent = nullptr, int index = -1);
    Menu& AddMenu(ControlArray<Menu>& array, const std::string& name, int index, const std::string& caption, Menu* parent);

private:
    void FireResize();
    void SizeSurface();
    void UnloadWithMode(int mode);

    Application& app_;
    std::string name_;
    std::string caption_;
    struct Bounds {
        double left, top, width, height;
    };
    double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    int windowState_ = 0;
    // The normal place and size, kept while the window is not normal.
    Bounds normal_{};
    bool enabled_ = true, visible_ = false, loaded_ = false, everShown_ = false, retired_ = false;
    bool focusMarked_ = false;
    unsigned long front_ = 0;
    Surface surface_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Menu*> menuBar_;
    Control* activeControl_ = nullptr;
    Control* capture_ = nullptr;
    FormSlotBase* slot_ = nullptr;
    unsigned long revision_ = 0;
};

}  // namespace forms
