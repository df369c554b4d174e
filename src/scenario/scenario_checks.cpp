#include <algorithm>
#include <cmath>
#include <filesystem>
#include <locale>
#include <sstream>

#include "scenario/scenario_output.h"
#include "scenario/scenario_run.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace scenario {

std::string ScenarioRun::Read(const Target& t) {
    if (!t.form) {
        if (t.property == "Screen.MousePointer") return std::to_string(app_->MousePointer());
        if (t.property == "Screen.Width") return std::to_string(app_->ScreenWidth);
        if (t.property == "Screen.Height") return std::to_string(app_->ScreenHeight);
        if (t.property == "Clipboard.Text") return backend_->Platform().ClipboardText();
        if (t.property == "Program.Ended") return app_->Ended() ? "True" : "False";
        if (t.property == "Program.LoadedForms") return std::to_string(app_->LoadedForms().size());
        if (t.property == "Program.WindowOrder") return WindowOrder();
        if (t.property == "Program.PopupMenus") return std::to_string(backend_->Answers().popupsShown);
        if (t.property == "Program.ActivationChanges")
            return std::to_string(backend_->ActivationChanges() - activationsBefore_);
        throw std::runtime_error("no property " + t.property);
    }
    return t.control ? t.control->GetProperty(t.property) : t.form->GetProperty(t.property);
}

std::string ScenarioRun::WindowOrder() {
    std::vector<Form*> shown;
    for (Form* f : app_->LoadedForms())
        if (f->Visible()) shown.push_back(f);
    std::string order;
    for (Form* f : backend_->FrontToBack(shown)) order += (order.empty() ? "" : " ") + f->Name();
    return order;
}

forms::Surface* ScenarioRun::SurfaceOf(const std::string& address) {
    if (address.find('.') == std::string::npos) return &FormNamed(address).Draw();
    auto* pic = dynamic_cast<forms::PictureBox*>(ParseControl(address).control);
    return pic ? &pic->Draw() : nullptr;
}

void ScenarioRun::Expect(const std::string& rest) {
    auto eq = rest.find(" =");
    if (eq == std::string::npos) return Fail("expect needs FORM.CONTROL.PROP = TEXT");
    std::string address = values::Trim(rest.substr(0, eq));
    std::string want = rest.size() > eq + 3 ? rest.substr(eq + 3) : std::string();
    // A text of the old code page is the text it shows, in the script's UTF-8.
    const std::string got = Read(ParseProperty(address)), shown = values::ShownUtf8(got);
    if (values::SameShownText(got, want)) Pass(address + " = " + shown);
    else Fail(address + " = \"" + shown + "\", expected \"" + want + "\"");
}

void ScenarioRun::ExpectDrawn(const std::string& rest, bool wanted) {
    auto eq = rest.find(" = ");
    if (eq == std::string::npos) return Fail("expect-drawn needs FORM[.CONTROL] = PRIMITIVE");
    std::string address = values::Trim(rest.substr(0, eq)), want = values::Trim(rest.substr(eq + 3));
    forms::Surface* surface = SurfaceOf(address);
    if (!surface) return Fail("not a picture box: " + address);
    std::ostringstream drawn;
    WriteSnapshot(drawn, surface->TakeSnapshot());
    bool found = false;
    std::istringstream lines(drawn.str());
    for (std::string line; std::getline(lines, line);)
        found = found || values::Trim(line).compare(0, want.size(), want) == 0;
    if (found == wanted) Pass(address + (found ? " draws \"" : " does not draw \"") + want + "\"");
    else Fail(address + (found ? " draws \"" : " does not draw \"") + want + "\"");
}

void ScenarioRun::ExpectMessage(const std::string& rest) {
    auto bar = rest.find(" | ");
    std::string title = bar == std::string::npos ? values::Trim(rest) : rest.substr(0, bar);
    std::string text = bar == std::string::npos ? std::string() : rest.substr(bar + 3);
    auto& msgs = backend_->Answers().messages;
    if (checkedMessages_ >= msgs.size()) return Fail("no message box, expected \"" + title + " | " + text + "\"");
    const auto& m = msgs[checkedMessages_++].request;
    if (m.title == title && m.text == text) Pass("message \"" + title + " | " + text + "\"");
    else Fail("message \"" + m.title + " | " + m.text + "\", expected \"" + title + " | " + text + "\"");
}

bool ScenarioRun::Observe(const std::string& cmd, const std::string& rest) {
    std::istringstream args(rest);
    args.imbue(std::locale::classic());  // a script's numbers have a point in every locale
    auto& answers = backend_->Answers();
    if (cmd == "expect") {
        Expect(rest);
    } else if (cmd == "expect-near") {
        std::string address;
        double want = 0, tol = 0;
        args >> address >> want >> tol;
        std::string got = Read(ParseProperty(address));
        double v = values::Val(got);
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
        std::string address = values::Trim(rest);
        out_ << "     " << address << " = " << Read(ParseProperty(address)) << '\n';
    } else if (cmd == "dump") {
        WriteDump(out_, FormNamed(values::Trim(rest)));
    } else if (cmd == "drawing") {
        std::string address = values::Trim(rest);
        if (address == "Clipboard") {
            if (!answers.clipboard) out_ << "clipboard empty\n";
            else WriteSnapshot(out_, *answers.clipboard);
            return true;
        }
        forms::Surface* surface = SurfaceOf(address);
        if (!surface) {
            Fail("not a picture box: " + address);
            return true;
        }
        out_ << "drawing " << address << '\n';
        WriteSnapshot(out_, surface->TakeSnapshot());
    } else if (cmd == "expect-text") {
        auto eq = rest.find(" = ");
        if (eq == std::string::npos) {
            Fail("expect-text needs FORM[.CONTROL] = TEXT");
            return true;
        }
        std::string address = values::Trim(rest.substr(0, eq)), want = rest.substr(eq + 3);
        forms::Surface* surface = SurfaceOf(address);
        if (!surface) {
            Fail("not a picture box: " + address);
            return true;
        }
        const auto& drawn = surface->CurrentPrimitives();
        bool found = std::any_of(drawn.begin(), drawn.end(), [&](const forms::Primitive& p) {
            return p.kind == forms::PrimitiveKind::Text && values::SameShownText(p.text, want);
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
            return true;
        }
        auto dot = address.find('.');
        Form& f = FormNamed(address.substr(0, dot));
        Control* c = dot == std::string::npos ? nullptr : &ControlOf(f, address.substr(dot + 1));
        std::string why;
        if (backend_->Png(f, c, Resolve(file), why)) out_ << "     png " << address << " -> " << file << '\n';
        else out_ << "     png skipped: " << why << '\n';
    } else if (cmd == "expect-no-file") {
        std::string p = Resolve(values::Trim(rest));
        if (!std::filesystem::exists(p)) Pass("no file " + values::Trim(rest));
        else Fail("file " + p + " exists");
    } else if (cmd == "expect-file") {
        auto eq = rest.find(" = ");
        if (eq == std::string::npos) {
            Fail("expect-file needs PATH = PATH");
            return true;
        }
        std::string a = Resolve(values::Trim(rest.substr(0, eq))), b = Resolve(values::Trim(rest.substr(eq + 3)));
        if (ScenarioFolder::SameContents(a, b)) Pass("files equal");
        else Fail("files differ: " + a + " " + b);
    } else {
        return false;
    }
    return true;
}

}  // namespace scenario
