#include "app/scenario_runner.h"

#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>
#include <type_traits>
#include <vector>

#include "app/demo_program.h"
#include "app/scenario_output.h"
#include "forms/application.h"
#include "forms/runtime_error.h"
#include "forms/values.h"

namespace app {
namespace {

namespace fs = std::filesystem;
using forms::Control;
using forms::Form;

class HeadlessBackend : public ScenarioBackend {
public:
    forms::Services& Platform() override { return services_; }
    forms::HeadlessServices& Answers() override { return services_; }
    forms::ScriptInput& Input() override { return input_; }
    bool Png(Form&, Control*, const std::string&, std::string& why) override {
        why = "png needs --qt";
        return false;
    }
    bool PngScreen(const std::vector<Form*>&, const std::string&, std::string& why) override {
        why = "png needs --qt";
        return false;
    }

private:
    forms::HeadlessServices services_;
    forms::DirectInput input_;
};

// "Name(3)" -> name and index; index -1 without brackets.
void SplitIndex(const std::string& s, std::string& name, int& index) {
    auto open = s.find('(');
    if (open == std::string::npos || s.back() != ')') {
        name = s;
        index = -1;
        return;
    }
    name = s.substr(0, open);
    index = std::stoi(s.substr(open + 1));
}

int ButtonCode(const std::string& b) {
    if (b == "OK") return forms::vbOK;
    if (b == "Cancel") return forms::vbCancel;
    if (b == "Yes") return forms::vbYes;
    if (b == "No") return forms::vbNo;
    if (b == "Abort") return forms::vbAbort;
    if (b == "Retry") return forms::vbRetry;
    if (b == "Ignore") return forms::vbIgnore;
    return -1;
}

int KeyCodeByName(const std::string& k) {
    if (k == "Enter") return forms::kKeyReturn;
    if (k == "Escape") return forms::kKeyEscape;
    if (k == "Backspace") return forms::kKeyBack;
    if (k == "Delete") return forms::kKeyDelete;
    if (k == "Tab") return forms::kKeyTab;
    if (k == "Up") return forms::kKeyUp;
    if (k == "Down") return forms::kKeyDown;
    return -1;
}

class Runner {
public:
    Runner(const std::string& path, const BackendFactory& factory, std::ostream& out)
        : path_(path), folder_(fs::absolute(path).parent_path()), out_(out) {
        backend_ = factory();
        app_ = std::make_unique<forms::Application>(backend_->Platform());
        backend_->Attach(*app_);
    }
    ~Runner() {
        if (scratch_.empty()) return;
        std::error_code ignored;
        // Files made read-only by the script are removed with their folder.
        for (const auto& entry : fs::recursive_directory_iterator(scratch_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(scratch_, ignored);
    }
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    ScenarioResult Run() {
        std::ifstream in(path_);
        if (!in) {
            Fail(0, "cannot open " + path_);
            return result_;
        }
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        size_t first = 0;
        while (first < lines.size() && (forms::Trim(lines[first]).empty() || lines[first][0] == '#')) ++first;
        bool demo = first < lines.size() && forms::Trim(lines[first]) == "program demo";
        program_ = demo ? MakeDemo(*app_) : MakeQuillory(*app_);
        Act([&] { program_->Start(); });
        // The windows the program opened are shown and settled before the
        // first line, as a person meets them: a move, resize or menu choice
        // first thing reaches a window that is there.
        app_->CollectRetired();
        backend_->Settle();
        for (size_t i = demo ? first + 1 : 0; i < lines.size() && !Untrapped(); ++i) {
            std::string line = lines[i];
            if (forms::Trim(line).empty() || forms::LTrim(line)[0] == '#') continue;
            line_ = static_cast<int>(i + 1);
            Guard(line_, [&] { Execute(forms::LTrim(line)); });
            if (Untrapped()) break;
            app_->CollectRetired();
            backend_->Settle();
        }
        out_ << result_.passed << " passed, " << result_.failed << " failed\n";
        return result_;
    }

private:
    template <class F>
    void Guard(int line, F&& f) {
        try {
            f();
        } catch (const forms::RuntimeError& e) {
            Fail(line, "run-time error " + std::to_string(e.number()) + ": " + e.what());
        } catch (const std::exception& e) {
            Fail(line, e.what());
        }
    }

    // A user action, or the clock, running the program's handlers. An error
    // that escapes them ends the program, as it would outside a script: the
    // line fails and the script stops there, on either back end (the Qt back
    // end catches it around each event and reports it to the same record).
    template <class F>
    void Act(F&& action) {
        try {
            if constexpr (std::is_void_v<decltype(action())>) {
                action();
            } else {
                Deliver(action());
            }
        } catch (const std::exception& e) {
            backend_->Answers().untrapped = forms::Describe(e);
            app_->End();
        }
    }

    // True, once the line that met it has failed, when an error escaped every handler.
    bool Untrapped() {
        std::optional<std::string>& error = backend_->Answers().untrapped;
        if (!error) return false;
        if (!untrappedReported_) {
            Fail(line_, *error + " escaped its handler; the program ends, and the script with it");
            untrappedReported_ = true;
        }
        return true;
    }

    void Pass(const std::string& what) {
        ++result_.passed;
        out_ << "ok   " << line_ << ": " << what << '\n';
    }
    void Fail(int line, const std::string& what) {
        ++result_.failed;
        out_ << "FAIL " << line << ": " << what << '\n';
    }
    void Fail(const std::string& what) { Fail(line_, what); }

    // Paths beginning "$SCRATCH/" lie in a folder of this run's own, made
    // on first use and removed at its end.
    std::string Resolve(const std::string& p) {
        static const std::string kScratch = "$SCRATCH/";
        if (p.compare(0, kScratch.size(), kScratch) == 0) return (Scratch() / p.substr(kScratch.size())).string();
        fs::path fp(p);
        return (fp.is_absolute() ? fp : folder_ / fp).lexically_normal().string();
    }

    const fs::path& Scratch() {
        if (scratch_.empty()) {
            std::string pattern = (fs::temp_directory_path() / "quillory-scenario-XXXXXX").string();
            if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
            scratch_ = pattern;
        }
        return scratch_;
    }

    // Splits "FORM.CONTROL(i).PROP" (or "FORM.PROP") into its parts.
    struct Target {
        Form* form = nullptr;
        Control* control = nullptr;
        std::string property;
    };

    Form& FormNamed(const std::string& name) { return app_->FormByName(name); }

    Control& ControlOf(Form& form, const std::string& address) {
        std::string name;
        int index;
        SplitIndex(address, name, index);
        Control* c = form.FindControl(name, index);
        if (!c) throw std::runtime_error("no control " + address + " on " + form.Name());
        return *c;
    }

    Target ParseControl(const std::string& address) {
        auto dot = address.find('.');
        if (dot == std::string::npos) throw std::runtime_error("expected FORM.CONTROL: " + address);
        Target t;
        t.form = &FormNamed(address.substr(0, dot));
        t.control = &ControlOf(*t.form, address.substr(dot + 1));
        return t;
    }

    Target ParseProperty(const std::string& address) {
        auto dot = address.find('.');
        if (dot == std::string::npos) throw std::runtime_error("expected FORM.PROP: " + address);
        Target t;
        std::string rest = address.substr(dot + 1);
        auto dot2 = rest.find('.');
        if (address.substr(0, dot) == "Screen" || address.substr(0, dot) == "Program") {
            t.property = address;
            return t;
        }
        t.form = &FormNamed(address.substr(0, dot));
        if (dot2 == std::string::npos) {
            t.property = rest;
        } else {
            t.control = &ControlOf(*t.form, rest.substr(0, dot2));
            t.property = rest.substr(dot2 + 1);
        }
        return t;
    }

    std::string Read(const Target& t) {
        if (!t.form) {
            if (t.property == "Screen.MousePointer") return std::to_string(app_->MousePointer());
            if (t.property == "Screen.Width") return std::to_string(app_->ScreenWidth);
            if (t.property == "Screen.Height") return std::to_string(app_->ScreenHeight);
            if (t.property == "Program.Ended") return app_->Ended() ? "True" : "False";
            if (t.property == "Program.LoadedForms") return std::to_string(app_->LoadedForms().size());
            if (t.property == "Program.WindowOrder") return WindowOrder();
            if (t.property == "Program.PopupMenus") return std::to_string(backend_->Answers().popupsShown);
            throw std::runtime_error("no property " + t.property);
        }
        return t.control ? t.control->GetProperty(t.property) : t.form->GetProperty(t.property);
    }

    // The shown windows from the front one back.
    std::string WindowOrder() {
        std::vector<Form*> shown;
        for (Form* f : app_->LoadedForms())
            if (f->Visible()) shown.push_back(f);
        std::string order;
        for (Form* f : backend_->FrontToBack(shown)) order += (order.empty() ? "" : " ") + f->Name();
        return order;
    }

    void Execute(const std::string& line) {
        std::string cmd, rest;
        auto sp = line.find(' ');
        cmd = line.substr(0, sp);
        rest = sp == std::string::npos ? std::string() : line.substr(sp + 1);
        std::istringstream args(rest);
        auto& answers = backend_->Answers();

        if (cmd == "open-file" || cmd == "save-file") {
            answers.fileAnswers.push_back(Resolve(forms::Trim(rest)));
        } else if (cmd == "cancel-file") {
            answers.fileAnswers.push_back(std::nullopt);
        } else if (cmd == "answer") {
            int code = ButtonCode(forms::Trim(rest));
            if (code < 0) return Fail("unknown button " + rest);
            answers.messageAnswers.push_back(code);
        } else if (cmd == "popup") {
            std::string what = forms::Trim(rest);
            if (what == "none") answers.popupAnswers.push_back("");
            else answers.popupAnswers.push_back(what.substr(what.find('.') + 1));
        } else if (cmd == "click" || cmd == "dblclick") {
            Click(ParseControl(forms::Trim(rest)), cmd == "dblclick");
        } else if (cmd == "type") {
            auto sp2 = rest.find(' ');
            Target t = ParseControl(rest.substr(0, sp2));
            std::string text = sp2 == std::string::npos ? std::string() : rest.substr(sp2 + 1);
            Type(t, text);
        } else if (cmd == "key") {
            std::string address, key;
            args >> address >> key;
            Key(ParseControl(address), key);
        } else if (cmd == "choose") {
            auto sp2 = rest.find(' ');
            Target t = ParseControl(rest.substr(0, sp2));
            std::string item = sp2 == std::string::npos ? std::string() : rest.substr(sp2 + 1);
            auto* combo = dynamic_cast<forms::ComboBox*>(t.control);
            if (!combo) return Fail("choose needs a combo box");
            if (std::string why = Refusal("choose", *combo); !why.empty()) return Fail(why);
            const auto& items = combo->Items();
            auto found = std::find(items.begin(), items.end(), item);
            int index = static_cast<int>(found - items.begin());
            if (found == items.end()) return Fail("no item \"" + item + "\" in " + combo->QualifiedName());
            Act([&] { return backend_->Input().Choose(*combo, index); });
        } else if (cmd == "slide") {
            std::string address;
            long value = 0;
            args >> address >> value;
            auto* slider = dynamic_cast<forms::Slider*>(ParseControl(address).control);
            if (!slider) return Fail("slide needs a slider");
            if (std::string why = Refusal("slide", *slider); !why.empty()) return Fail(why);
            Act([&] { return backend_->Input().Slide(*slider, value); });
        } else if (cmd == "set") {
            auto sp2 = rest.find(' ');
            Target t = ParseProperty(rest.substr(0, sp2));
            std::string value = sp2 == std::string::npos ? std::string() : rest.substr(sp2 + 1);
            bool ok = t.control ? t.control->SetProperty(t.property, value) : t.form->SetProperty(t.property, value);
            if (!ok) Fail("cannot set " + t.property);
        } else if (cmd == "menu") {
            Target t = ParseControl(forms::Trim(rest));
            auto* m = dynamic_cast<forms::Menu*>(t.control);
            if (!m) return Fail("not a menu item: " + rest);
            if (!m->Parent().Visible()) return Fail(NotShown("menu", m->Parent()));
            if (!m->Choosable() || !m->Visible()) return Fail("menu refused: " + m->QualifiedName() + " is disabled or hidden");
            Act([&] { return backend_->Input().ChooseMenu(*m); });
        } else if (cmd == "mouse-move" || cmd == "mouse-down" || cmd == "mouse-up") {
            Mouse(cmd, args);
        } else if (cmd == "resize" || cmd == "move") {
            std::string name;
            int a = 0, b = 0;
            args >> name >> a >> b;
            Form& f = FormNamed(name);
            if (cmd == "resize") Act([&] { backend_->Input().Resize(f, a, b); });
            else Act([&] { backend_->Input().Move(f, a, b); });
        } else if (cmd == "screen") {
            int width = 0, height = 0;
            if (!(args >> width >> height) || width <= 0 || height <= 0) return Fail("screen needs WIDTH HEIGHT in twips");
            app_->ScreenWidth = width;
            app_->ScreenHeight = height;
        } else if (cmd == "activate") {
            Form& f = FormNamed(forms::Trim(rest));
            Act([&] { backend_->Input().Activate(f); });
        } else if (cmd == "close") {
            Form& f = FormNamed(forms::Trim(rest));
            Act([&] { backend_->Input().Close(f); });
        } else if (cmd == "tick") {
            Act([&] { app_->AdvanceClock(static_cast<long>(forms::Val(rest))); });
        } else if (cmd == "expect") {
            Expect(rest);
        } else if (cmd == "expect-near") {
            std::string address;
            double want = 0, tol = 0;
            args >> address >> want >> tol;
            std::string got = Read(ParseProperty(address));
            double v = forms::Val(got);
            if (std::fabs(v - want) <= tol) Pass(address + " = " + got);
            else Fail(address + " = " + got + ", expected " + Num(want) + " +- " + Num(tol));
        } else if (cmd == "expect-message") {
            ExpectMessage(rest);
        } else if (cmd == "expect-no-message") {
            auto& msgs = answers.messages;
            if (checkedMessages_ >= msgs.size()) Pass("no message");
            else Fail("unexpected message \"" + msgs[checkedMessages_].request.title + " | " +
                      msgs[checkedMessages_].request.text + "\"");
            checkedMessages_ = msgs.size();
        } else if (cmd == "print") {
            std::string address = forms::Trim(rest);
            out_ << "     " << address << " = " << Read(ParseProperty(address)) << '\n';
        } else if (cmd == "dump") {
            WriteDump(out_, FormNamed(forms::Trim(rest)));
        } else if (cmd == "drawing") {
            std::string address = forms::Trim(rest);
            if (address == "Clipboard") {
                if (!answers.clipboard) out_ << "clipboard empty\n";
                else WriteSnapshot(out_, *answers.clipboard);
                return;
            }
            forms::Surface* surface = SurfaceOf(address);
            if (!surface) return Fail("not a picture box: " + address);
            out_ << "drawing " << address << '\n';
            WriteSnapshot(out_, surface->TakeSnapshot());
        } else if (cmd == "expect-text") {
            auto eq = rest.find(" = ");
            if (eq == std::string::npos) return Fail("expect-text needs FORM[.CONTROL] = TEXT");
            std::string address = forms::Trim(rest.substr(0, eq)), want = rest.substr(eq + 3);
            forms::Surface* surface = SurfaceOf(address);
            if (!surface) return Fail("not a picture box: " + address);
            const auto& drawn = surface->CurrentPrimitives();
            bool found = std::any_of(drawn.begin(), drawn.end(), [&](const forms::Primitive& p) {
                return p.kind == forms::PrimitiveKind::Text && p.text == want;
            });
            if (found) Pass(address + " shows \"" + want + "\"");
            else Fail(address + " does not show \"" + want + "\"");
        } else if (cmd == "expect-drawn" || cmd == "expect-not-drawn") {
            ExpectDrawn(rest, cmd == "expect-drawn");
        } else if (cmd == "png") {
            std::string address, file;
            args >> address >> file;
            if (address == "Screen") {
                std::vector<Form*> shown;
                for (Form* f : app_->LoadedForms())
                    if (f->Visible()) shown.push_back(f);
                std::string why;
                if (backend_->PngScreen(shown, Resolve(file), why)) out_ << "     png Screen -> " << file << '\n';
                else out_ << "     png skipped: " << why << '\n';
                return;
            }
            auto dot = address.find('.');
            Form& f = FormNamed(address.substr(0, dot));
            Control* c = dot == std::string::npos ? nullptr : &ControlOf(f, address.substr(dot + 1));
            std::string why;
            if (backend_->Png(f, c, Resolve(file), why)) out_ << "     png " << address << " -> " << file << '\n';
            else out_ << "     png skipped: " << why << '\n';
        } else if (cmd == "copy-file") {
            auto eq = rest.find(" = ");
            if (eq == std::string::npos) return Fail("copy-file needs PATH = PATH");
            fs::copy_file(Resolve(forms::Trim(rest.substr(eq + 3))), Resolve(forms::Trim(rest.substr(0, eq))),
                          fs::copy_options::overwrite_existing);
        } else if (cmd == "read-only") {
            const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
            fs::permissions(Resolve(forms::Trim(rest)), writable, fs::perm_options::remove);
        } else if (cmd == "expect-no-file") {
            std::string p = Resolve(forms::Trim(rest));
            if (!fs::exists(p)) Pass("no file " + forms::Trim(rest));
            else Fail("file " + p + " exists");
        } else if (cmd == "expect-file") {
            auto eq = rest.find(" = ");
            if (eq == std::string::npos) return Fail("expect-file needs PATH = PATH");
            std::string a = Resolve(forms::Trim(rest.substr(0, eq))), b = Resolve(forms::Trim(rest.substr(eq + 3)));
            std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
            std::string ca((std::istreambuf_iterator<char>(fa)), {}), cb((std::istreambuf_iterator<char>(fb)), {});
            if (fa.is_open() && fb.is_open() && ca == cb) Pass("files equal");
            else Fail("files differ: " + a + " " + b);
        } else {
            Fail("unknown command: " + cmd);
        }
    }

    // A picture box's surface, or the window's own (FORM without a control).
    forms::Surface* SurfaceOf(const std::string& address) {
        if (address.find('.') == std::string::npos) return &FormNamed(address).Draw();
        auto* pic = dynamic_cast<forms::PictureBox*>(ParseControl(address).control);
        return pic ? &pic->Draw() : nullptr;
    }

    // A window that is not shown (never shown, hidden or closed and loaded
    // again by a reference) has nothing a person could click, type into or
    // press on; both back ends refuse it alike, before any input is made.
    static std::string NotShown(const std::string& verb, const Form& form) {
        return verb + " refused: " + form.Name() + " is not shown";
    }
    // Why a person could not act on the control (its window not shown, or the
    // control disabled or hidden in itself, its frame or its window); empty
    // when they could.
    static std::string Refusal(const std::string& verb, const Control& c) {
        if (!c.Parent().Visible()) return NotShown(verb, c.Parent());
        if (!c.AcceptsUserInput()) return verb + " refused: " + c.QualifiedName() + " is disabled or hidden";
        return {};
    }

    // An action the back end could not deliver fails the line.
    void Deliver(const std::string& why) {
        if (!why.empty()) Fail(why);
    }

    void Click(const Target& t, bool dbl) {
        Control* c = t.control;
        if (std::string why = Refusal(dbl ? "dblclick" : "click", *c); !why.empty()) return Fail(why);
        Act([&] { return backend_->Input().Click(*c, dbl); });
    }

    void Type(const Target& t, const std::string& text) {
        if (std::string why = Refusal("type", *t.control); !why.empty()) return Fail(why);
        Act([&] { return backend_->Input().Type(*t.control, text); });
    }

    void Key(const Target& t, const std::string& key) {
        int code = KeyCodeByName(key);
        if (code < 0) return Fail("unknown key " + key);
        if (std::string why = Refusal("key", *t.control); !why.empty()) return Fail(why);
        Act([&] { return backend_->Input().Key(*t.control, code); });
    }

    void Mouse(const std::string& cmd, std::istringstream& args) {
        std::string address;
        double x = 0, y = 0;
        int button = 0, shift = 0;
        args >> address >> x >> y;
        if (cmd != "mouse-move") args >> button;
        args >> shift;
        auto action = cmd == "mouse-move" ? forms::MouseAction::Move
                      : cmd == "mouse-down" ? forms::MouseAction::Down
                                            : forms::MouseAction::Up;
        if (address.find('.') == std::string::npos) {
            Form& f = FormNamed(address);
            if (action == forms::MouseAction::Up) return Fail(cmd + " needs a control");
            if (!f.Visible()) return Fail(NotShown(cmd, f));
            return Act([&] { return backend_->Input().Mouse(action, f, nullptr, button, shift, x, y); });
        }
        Target t = ParseControl(address);
        Control* c = t.control;
        // A control whose press holds the mouse takes its moves and release
        // even when the program hid it meanwhile.
        bool held = action != forms::MouseAction::Down && c->HasMouseCapture();
        if (std::string why = Refusal(cmd, *c); !held && !why.empty()) return Fail(why);
        Act([&] { return backend_->Input().Mouse(action, *t.form, c, button, shift, x, y); });
    }

    void Expect(const std::string& rest) {
        auto eq = rest.find(" =");
        if (eq == std::string::npos) return Fail("expect needs FORM.CONTROL.PROP = TEXT");
        std::string address = forms::Trim(rest.substr(0, eq));
        std::string want = rest.size() > eq + 3 ? rest.substr(eq + 3) : std::string();
        std::string got = Read(ParseProperty(address));
        if (got == want) Pass(address + " = " + got);
        else Fail(address + " = \"" + got + "\", expected \"" + want + "\"");
    }

    // Whether the drawing (kept picture and current layer) holds a primitive
    // whose line in the `drawing` format begins with the given text.
    void ExpectDrawn(const std::string& rest, bool wanted) {
        auto eq = rest.find(" = ");
        if (eq == std::string::npos) return Fail("expect-drawn needs FORM[.CONTROL] = PRIMITIVE");
        std::string address = forms::Trim(rest.substr(0, eq)), want = forms::Trim(rest.substr(eq + 3));
        forms::Surface* surface = SurfaceOf(address);
        if (!surface) return Fail("not a picture box: " + address);
        std::ostringstream drawn;
        WriteSnapshot(drawn, surface->TakeSnapshot());
        bool found = false;
        std::istringstream lines(drawn.str());
        for (std::string line; std::getline(lines, line);)
            found = found || forms::Trim(line).compare(0, want.size(), want) == 0;
        if (found == wanted) Pass(address + (found ? " draws \"" : " does not draw \"") + want + "\"");
        else Fail(address + (found ? " draws \"" : " does not draw \"") + want + "\"");
    }

    void ExpectMessage(const std::string& rest) {
        auto bar = rest.find(" | ");
        std::string title = bar == std::string::npos ? forms::Trim(rest) : rest.substr(0, bar);
        std::string text = bar == std::string::npos ? std::string() : rest.substr(bar + 3);
        auto& msgs = backend_->Answers().messages;
        if (checkedMessages_ >= msgs.size()) return Fail("no message box, expected \"" + title + " | " + text + "\"");
        const auto& m = msgs[checkedMessages_++].request;
        if (m.title == title && m.text == text) Pass("message \"" + title + " | " + text + "\"");
        else Fail("message \"" + m.title + " | " + m.text + "\", expected \"" + title + " | " + text + "\"");
    }

    std::string path_;
    fs::path folder_, scratch_;
    std::ostream& out_;
    std::unique_ptr<ScenarioBackend> backend_;
    std::unique_ptr<forms::Application> app_;
    std::unique_ptr<Program> program_;
    ScenarioResult result_;
    int line_ = 0;
    size_t checkedMessages_ = 0;
    bool untrappedReported_ = false;
};

}  // namespace

std::unique_ptr<ScenarioBackend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

ScenarioResult RunScenario(const std::string& path, const BackendFactory& backend, std::ostream& out) {
    Runner runner(path, backend, out);
    return runner.Run();
}

}  // namespace app
