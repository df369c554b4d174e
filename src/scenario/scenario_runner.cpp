#include "scenario/scenario_runner.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>
#include <locale>
#include <optional>
#include <sstream>
#include <vector>

#include "forms/application.h"
#include "scenario/demo_program.h"
#include "scenario/scenario_run.h"
#include "scenario/scenario_words.h"
#include "values/runtime_error.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace scenario {
namespace {

using forms::Control;
using forms::Form;

class HeadlessBackend : public ScriptedBackend {
public:
    forms::Services& Platform() override { return services_; }
    forms::HeadlessServices& Answers() override { return services_; }
    ScriptInput& Input() override { return input_; }
    void Attach(forms::Application& application) override { app_ = &application; }
    // Without a window system, the screen's active window is the program's.
    std::string Settle() override {
        Form* active = app_->ActiveForm();
        if (active && active != lastActive_) ++activations_;
        lastActive_ = active;
        return {};
    }
    long ActivationChanges() const override { return activations_; }
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
    DirectInput input_;
    forms::Application* app_ = nullptr;
    const Form* lastActive_ = nullptr;
    long activations_ = 0;
};

// The count a line gives (repeats, milliseconds): a number from 0 to the
// largest a long of the old platform holds, else none.
std::optional<long> ScriptCount(const std::string& text) {
    try {
        const double n = values::Val(text);
        if (n >= 0 && n <= std::numeric_limits<int32_t>::max()) return static_cast<long>(n);
    } catch (const values::RuntimeError&) {
        // Beyond a double's range.
    }
    return std::nullopt;
}

// The script's lines from at on, each "repeat N" ... "end" block written out
// N times (blocks may nest); every line keeps its own number. Within a block,
// the lines up to its "end".
using NumberedLines = std::vector<std::pair<int, std::string>>;
NumberedLines Unrolled(const std::vector<std::string>& lines, size_t& at, bool inBlock) {
    NumberedLines out;
    while (at < lines.size()) {
        const size_t n = at++;
        const std::string text = values::Trim(lines[n]);
        if (inBlock && text == "end") break;
        // A repeat without a count stays a line of its own, which fails.
        const std::optional<long> count = text.rfind("repeat ", 0) == 0 ? ScriptCount(text.substr(7)) : std::nullopt;
        if (!count) {
            out.emplace_back(static_cast<int>(n + 1), lines[n]);
            continue;
        }
        const NumberedLines body = Unrolled(lines, at, true);
        for (long k = *count; k > 0; --k) out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool TakesText(const Control& c) {
    return c.Kind() == forms::ControlKind::TextBox || c.Kind() == forms::ControlKind::ComboBox;
}

// Why a script's named key does not reach the control, alike on both back
// ends; empty when it does. A box takes every key; a slider the keys that
// move its thumb, a button, check box or option button Space; each of them
// Tab.
std::string KeyRefusal(const Control& c, int code) {
    using K = forms::ControlKind;
    if (TakesText(c) || code == forms::kKeyTab) return {};
    const std::string refused = "key refused: " + c.QualifiedName() + " takes ";
    if (c.Kind() == K::Slider) {
        static const int thumb[] = {forms::kKeyLeft,   forms::kKeyUp,     forms::kKeyRight, forms::kKeyDown,
                                    forms::kKeyPageUp, forms::kKeyPageDown, forms::kKeyHome, forms::kKeyEnd};
        if (std::find(std::begin(thumb), std::end(thumb), code) != std::end(thumb)) return {};
        return refused + "the arrows, PageUp, PageDown, Home, End and Tab";
    }
    if (c.Kind() == K::CommandButton || c.Kind() == K::CheckBox || c.Kind() == K::OptionButton)
        return code == forms::kKeySpace ? std::string() : refused + "Space and Tab";
    return "cannot send keys to " + c.QualifiedName();
}

}  // namespace

ScenarioRun::ScenarioRun(const std::string& path, const BackendFactory& factory, std::ostream& out)
    : path_(path), folder_(path), out_(out) {
    backend_ = factory();
    app_ = std::make_unique<forms::Application>(backend_->Platform());
    backend_->Attach(*app_);
}

ScenarioResult ScenarioRun::Run() {
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
    while (first < lines.size() && (values::Trim(lines[first]).empty() || lines[first][0] == '#')) ++first;
    bool demo = first < lines.size() && values::Trim(lines[first]) == "program demo";
    program_ = demo ? MakeDemo(*app_) : quillory::MakeQuillory(*app_);
    Act([&] { program_->Start(); });
    // The windows the program opened are shown and settled before the
    // first line, as a person meets them: a move, resize or menu choice
    // first thing reaches a window that is there.
    app_->CollectRetired();
    Settle();
    size_t from = demo ? first + 1 : 0;
    for (const auto& [number, line] : Unrolled(lines, from, false)) {
        if (Untrapped()) break;
        if (values::Trim(line).empty() || values::LTrim(line)[0] == '#') continue;
        line_ = number;
        Guard(line_, [&] { Execute(values::LTrim(line)); });
        if (Untrapped()) break;
        app_->CollectRetired();
        Settle();
    }
    out_ << result_.passed << " passed, " << result_.failed << " failed\n";
    return result_;
}

bool ScenarioRun::Untrapped() {
    std::optional<std::string>& error = backend_->Answers().untrapped;
    if (!error) return false;
    if (!untrappedReported_) {
        Fail(line_, *error + " escaped its handler; the program ends, and the script with it");
        untrappedReported_ = true;
    }
    return true;
}

Control& ScenarioRun::ControlOf(Form& form, const std::string& address) {
    std::string name;
    int index;
    SplitIndex(address, name, index);
    Control* c = form.FindControl(name, index);
    if (!c) throw std::runtime_error("no control " + address + " on " + form.Name());
    return *c;
}

ScenarioRun::Target ScenarioRun::ParseControl(const std::string& address) {
    auto dot = address.find('.');
    if (dot == std::string::npos) throw std::runtime_error("expected FORM.CONTROL: " + address);
    Target t;
    t.form = &FormNamed(address.substr(0, dot));
    t.control = &ControlOf(*t.form, address.substr(dot + 1));
    return t;
}

ScenarioRun::Target ScenarioRun::ParseProperty(const std::string& address) {
    auto dot = address.find('.');
    if (dot == std::string::npos) throw std::runtime_error("expected FORM.PROP: " + address);
    Target t;
    std::string rest = address.substr(dot + 1);
    auto dot2 = rest.find('.');
    const std::string head = address.substr(0, dot);
    if (head == "Screen" || head == "Program" || head == "Clipboard") {
        t.property = address;
        return t;
    }
    t.form = &FormNamed(head);
    if (dot2 == std::string::npos) {
        t.property = rest;
    } else {
        t.control = &ControlOf(*t.form, rest.substr(0, dot2));
        t.property = rest.substr(dot2 + 1);
    }
    return t;
}

void ScenarioRun::Execute(const std::string& line) {
    std::string cmd, rest;
    auto sp = line.find(' ');
    cmd = line.substr(0, sp);
    rest = sp == std::string::npos ? std::string() : line.substr(sp + 1);
    std::istringstream args(rest);
    args.imbue(std::locale::classic());  // a script's numbers have a point in every locale
    auto& answers = backend_->Answers();

    if (cmd == "open-file" || cmd == "save-file") {
        answers.fileAnswers.push_back(Resolve(values::Trim(rest)));
    } else if (cmd == "cancel-file") {
        answers.fileAnswers.push_back(std::nullopt);
    } else if (cmd == "answer") {
        int code = ButtonCode(values::Trim(rest));
        if (code < 0) return Fail("unknown button " + rest);
        answers.messageAnswers.push_back(code);
    } else if (cmd == "popup") {
        std::string what = values::Trim(rest);
        if (what == "none") answers.popupAnswers.push_back("");
        else answers.popupAnswers.push_back(what.substr(what.find('.') + 1));
    } else if (cmd == "click" || cmd == "dblclick") {
        Click(ParseControl(values::Trim(rest)), cmd == "dblclick");
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
        // A person picks the item that shows as the script's text.
        auto found = std::find_if(items.begin(), items.end(),
                                  [&item](const std::string& shown) { return values::SameShownText(shown, item); });
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
        if (!t.form) {
            // Of the screen, the program and the clipboard, a script writes
            // the clipboard's text alone, as another program on the desktop
            // would; it reads the others.
            if (t.property != "Clipboard.Text") {
                Read(t);
                return Fail(t.property + " is read-only");
            }
            backend_->Platform().ClipboardSetText(value);
            return;
        }
        bool ok = t.control ? t.control->SetProperty(t.property, value) : t.form->SetProperty(t.property, value);
        if (!ok) Fail("cannot set " + t.property);
    } else if (cmd == "menu") {
        Target t = ParseControl(values::Trim(rest));
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
        if (!(args >> name >> a >> b)) return Fail(cmd + " needs FORM and two whole numbers of twips");
        Form& f = FormNamed(name);
        if (!f.Visible()) return Fail(NotShown(cmd, f));
        if (cmd == "resize") Act([&] { return backend_->Input().Resize(f, a, b); });
        else Act([&] { return backend_->Input().Move(f, a, b); });
    } else if (cmd == "screen") {
        int width = 0, height = 0;
        if (!(args >> width >> height) || width <= 0 || height <= 0) return Fail("screen needs WIDTH HEIGHT in twips");
        app_->ScreenWidth = width;
        app_->ScreenHeight = height;
    } else if (cmd == "activate") {
        Form& f = FormNamed(values::Trim(rest));
        if (!f.Visible()) return Fail(NotShown(cmd, f));
        Act([&] { return backend_->Input().Activate(f); });
    } else if (cmd == "maximise" || cmd == "restore") {
        Form& f = FormNamed(values::Trim(rest));
        if (!f.Visible()) return Fail(NotShown(cmd, f));
        Act([&] { return backend_->Input().Maximise(f, cmd == "maximise"); });
    } else if (cmd == "close") {
        // Also a window loaded by a script's reference and never shown: a
        // script unloads it so.
        Form& f = FormNamed(values::Trim(rest));
        Act([&] { return backend_->Input().Close(f); });
    } else if (cmd == "wait" || cmd == "tick" || cmd == "repeat") {
        const std::optional<long> count = ScriptCount(rest);
        if (!count || cmd == "repeat") return Fail(cmd + " needs a count from 0 to 2147483647");
        if (cmd == "wait") backend_->Wait(static_cast<int>(*count));
        else Act([&] { app_->AdvanceClock(*count); });
    } else if (cmd == "copy-file") {
        auto eq = rest.find(" = ");
        if (eq == std::string::npos) return Fail("copy-file needs PATH = PATH");
        folder_.CopyFile(Resolve(values::Trim(rest.substr(0, eq))), Resolve(values::Trim(rest.substr(eq + 3))));
    } else if (cmd == "read-only") {
        folder_.MakeReadOnly(Resolve(values::Trim(rest)));
    } else {
        if (!Observe(cmd, rest)) Fail("unknown command: " + cmd);
    }
}

void ScenarioRun::Click(const Target& t, bool dbl) {
    Control* c = t.control;
    if (std::string why = Refusal(dbl ? "dblclick" : "click", *c); !why.empty()) return Fail(why);
    Act([&] { return backend_->Input().Click(*c, dbl); });
}

void ScenarioRun::Type(const Target& t, const std::string& text) {
    if (std::string why = Refusal("type", *t.control); !why.empty()) return Fail(why);
    Act([&] { return backend_->Input().Type(*t.control, text, true); });
}

// A named key, or one character typed where the caret is.
void ScenarioRun::Key(const Target& t, const std::string& key) {
    int shift = 0;
    int code = KeyCodeByName(key, shift);
    if (code < 0 && !IsOneCharacter(key)) return Fail("unknown key " + key);
    if (std::string why = Refusal("key", *t.control); !why.empty()) return Fail(why);
    // In a box, Space types a blank.
    const bool blank = code == forms::kKeySpace && TakesText(*t.control);
    if (code < 0 || blank) return Act([&] { return backend_->Input().Type(*t.control, blank ? " " : key, false); });
    if (std::string why = KeyRefusal(*t.control, code); !why.empty()) return Fail(why);
    Act([&] { return backend_->Input().Key(*t.control, code, shift); });
}

void ScenarioRun::Mouse(const std::string& cmd, std::istringstream& args) {
    std::string address;
    double x = 0, y = 0;
    int button = 0, shift = 0;
    args >> address >> x >> y;
    if (cmd != "mouse-move") args >> button;
    args >> shift;
    auto action = cmd == "mouse-move"   ? MouseAction::Move
                  : cmd == "mouse-down" ? MouseAction::Down
                                        : MouseAction::Up;
    if (address.find('.') == std::string::npos) {
        Form& f = FormNamed(address);
        if (action == MouseAction::Up) return Fail(cmd + " needs a control");
        if (!f.Visible()) return Fail(NotShown(cmd, f));
        return Act([&] { return backend_->Input().Mouse(action, f, nullptr, button, shift, x, y); });
    }
    Target t = ParseControl(address);
    Control* c = t.control;
    // A control whose press holds the mouse takes its moves and release
    // even when the program hid it meanwhile.
    bool held = action != MouseAction::Down && c->HasMouseCapture();
    if (std::string why = Refusal(cmd, *c); !held && !why.empty()) return Fail(why);
    Act([&] { return backend_->Input().Mouse(action, *t.form, c, button, shift, x, y); });
}

std::unique_ptr<ScriptedBackend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

ScenarioResult RunScenario(const std::string& path, const BackendFactory& backend, std::ostream& out) {
    ScenarioRun run(path, backend, out);
    return run.Run();
}

}  // namespace scenario
