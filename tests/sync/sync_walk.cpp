#include "sync/sync_walk.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "values/values.h"

namespace sync_walk {

using quillory::CoreWindow;
using quillory::DrivenBy;

namespace {

constexpr const char* kRefusal = "Requested horizon is below core bottom.";
constexpr int16_t kRanges[] = {20, 50, 100, 200, 500, 1000, 2000, 5000, 9999};

std::string Name(bool duo) { return duo ? "frm2Main" : "frmMain"; }

}  // namespace

Walk::Walk(const std::string& examples, bool duoEvents, uint32_t seed)
    : trace_(std::getenv("QUILLORY_WALK_TRACE") != nullptr), rng_(seed), route_(std::string(duoEvents ? "EFD route" : "CD route") + ", seed " + std::to_string(seed)) {
    Load(examples, duoEvents);
}

void Walk::Import(forms::CommandButton& button, const std::string& path) {
    services_.fileAnswers.push_back(path);
    button.UserClick();
}

void Walk::Load(const std::string& examples, bool duoEvents) {
    quillory::FrmMain& main = q_.frmMain();
    main.Show();
    Import(main.Command1, examples + "/QL22_correlation_20240209.csv");
    Import(main.Command3, examples + "/QL22_event_layers_20240212.csv");
    Import(main.Command4, examples + "/QL22_age_model_20240215.csv");
    main.mnuQYDuo->UserChoose();
    services_.messageAnswers.push_back(duoEvents ? forms::vbYes : forms::vbNo);
    services_.fileAnswers.push_back(examples + "/QL23_duo_correlation_20240301.csv");
    if (duoEvents) services_.fileAnswers.push_back(examples + "/QL23_duo_event_layers_20240305.csv");
    q_.frm2Main().Command1.UserClick();
    // The only message is the Duo's question for its event list.
    if (services_.messages.size() != 1 || !q_.shared.gDuoModelLoaded ||
        q_.duo.model.gEventsLoaded != duoEvents || (duoEvents && !q_.duo.model.gAgeModelLoaded))
        throw std::runtime_error("the example models did not load: " + std::to_string(services_.messages.size()) +
                                 " messages, the first \"" +
                                 (services_.messages.empty() ? "" : services_.messages[0].request.text) + "\"");
    services_.messages.clear();
}

CoreWindow& Walk::Window(bool duo) {
    return duo ? static_cast<CoreWindow&>(q_.frm2Main()) : static_cast<CoreWindow&>(q_.frmMain());
}

std::string Walk::RandomDecimal(double lo, double hi, int decimals) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, Uniform(lo, hi));
    return buf;
}

// Mostly levels inside the cores; some at a bottom of either model (as this
// window converts it) and a hundredth either side, some beyond every bottom,
// and some texts that are no number.
std::string Walk::RandomLevel(double lo, double hi) {
    const int kind = Pick(20);
    if (kind < 14) return RandomDecimal(lo, hi, Pick(3));
    if (kind < 17) {
        const bool duoSide = Pick(2);
        const float bottom = (duoSide ? q_.duo : q_.main).model.gBoreHoleBottom[1 + Pick(4)];
        const double offset = (Pick(3) - 1) * 0.01;
        return values::SingleText(static_cast<float>(bottom + offset));
    }
    if (kind < 19) return RandomDecimal(hi, 2.5 * hi, Pick(2));
    const char* junk[] = {"", "-", "-12", "abc", "1e3", "0", ".5"};
    return junk[Pick(7)];
}

bool Walk::InStep() {
    const quillory::DuoSide& d = q_.duoSide;
    const float main = static_cast<float>(values::Val(q_.frmMain().Text2.Text()));
    const float duo = static_cast<float>(values::Val(q_.frm2Main().Text2.Text()));
    const double tolerance = std::pow(10.0, -q_.shared.precision.gDepthPrecision) + 1e-4;
    return std::abs(duo - d.link.MainToDuoCD(main)) <= tolerance || std::abs(main - d.link.DuoToMainCD(duo)) <= tolerance;
}

template <class Step>
void Walk::Checked(Figures& f, const std::string& what, Road road, Step step) {
    const Before before{q_.frmMain().Text2.Text(), q_.frm2Main().Text2.Text(), services_.messages.size(),
                        q_.shared.gActionCount.Get()};
    app_.ResetPeakEventDepth();
    if (trace_) std::fprintf(stderr, "%s, action %ld: %s\n", route_.c_str(), f.actions + 1, what.c_str());
    try {
        step();
    } catch (const std::exception& e) {
        f.findings.push_back(route_ + ", action " + std::to_string(f.actions + 1) + ": " + what + ": ended with a run-time error: " + e.what());
        return;
    }
    if (trace_)
        std::fprintf(stderr, "    -> main %s, Duo %s, count %d, main scale %d, Duo fit %d, writers %d/%d\n",
                     q_.frmMain().Text2.Text().c_str(), q_.frm2Main().Text2.Text().c_str(),
                     q_.shared.gActionCount.Get(), q_.main.model.gVerticalScale, q_.frm2Main().Option4(0).Value(),
                     static_cast<int>(q_.main.gDrivenBy), static_cast<int>(q_.duo.gDrivenBy));
    Check(f, what, road, before);
}

void Walk::Check(Figures& f, const std::string& what, Road road, const Before& before) {
    const int depth = app_.PeakEventDepth();
    if (depth > f.peakDepth) f.peakDepth = depth;
    if (depth > kDepthBound) f.findings.push_back(route_ + ", action " + std::to_string(f.actions + 1) + ": " + what + ": events nested " + std::to_string(depth) + " deep");
    if (q_.main.gDrivenBy != DrivenBy::kNobody || q_.duo.gDrivenBy != DrivenBy::kNobody)
        f.findings.push_back(route_ + ", action " + std::to_string(f.actions + 1) + ": " + what + ": a writer flag was left at " +
                             std::to_string(static_cast<int>(q_.main.gDrivenBy)) + " / " +
                             std::to_string(static_cast<int>(q_.duo.gDrivenBy)));

    bool refusal = false;
    for (size_t i = before.messages; i < services_.messages.size(); ++i) {
        const std::string& text = services_.messages[i].request.text;
        if (text == kRefusal) refusal = true;
        else f.findings.push_back(route_ + ", action " + std::to_string(f.actions + 1) + ": " + what + ": unexpected message \"" + text + "\"");
    }
    const std::string main = q_.frmMain().Text2.Text(), duo = q_.frm2Main().Text2.Text();
    const bool moved = main != before.main || duo != before.duo;
    if (road == Road::kDoesNotPush) {
        ++f.notPushing;
    } else if (refusal) {
        // Restoring the refused box runs its road again with the level it
        // had, which may push it: the windows are then in step.
        ++f.refused;
        if (moved && !InStep()) f.findings.push_back(route_ + ", action " + std::to_string(f.actions + 1) + ": " + what + ": refused, yet a level moved (" + before.main + " / " + before.duo +
                                        " -> " + main + " / " + duo + ") out of step");
    } else if (!moved) {
        ++f.unchanged;
    } else if (InStep()) {
        ++f.inStep;
    } else {
        f.findings.push_back(route_ + ", action " + std::to_string(f.actions + 1) + ": " + what + ": out of step: main " + main + ", Duo " + duo);
    }
}

void Walk::Run(long count, Figures& f, size_t maxFindings) {
    for (long i = 0; i < count && f.findings.size() < maxFindings; ++i) {
        OneAction(f);
        ++f.actions;
    }
}

void Walk::OneAction(Figures& f) {
    const bool duo = Pick(2) == 1;
    CoreWindow& w = Window(duo);
    const model::DepthModel& m = w.state.model;
    const std::string at = Name(duo) + ".";
    const int kind = Pick(100);

    auto type = [&](forms::TextBox& box, const std::string& text, const std::string& kindName) {
        if (!box.AcceptsUserInput()) return;
        ++f.byKind[kindName];
        const std::string what = at + box.QualifiedName() + " typed \"" + text + "\"";
        box.UserSelectAll();
        if (text.empty()) {
            Checked(f, what + " (Delete)", Road::kPushes, [&] { box.UserKey(forms::kKeyDelete); });
            ++f.keystrokes;
        }
        for (size_t k = 0; k < text.size(); ++k) {
            Checked(f, what + " key " + std::to_string(k + 1), Road::kPushes, [&] { box.UserKeyChar(text[k]); });
            ++f.keystrokes;
        }
    };
    auto choose = [&](forms::ComboBox& combo, Road road, const std::string& kindName) {
        if (!combo.AcceptsUserInput() || combo.ListCount() == 0) return;
        ++f.byKind[kindName];
        const int item = Pick(combo.ListCount());
        Checked(f, at + combo.QualifiedName() + " chose \"" + combo.List(item) + "\"", road,
                [&] { combo.UserChoose(item); });
    };

    if (kind < 24) {
        type(w.Text2, RandomLevel(0, m.gDrawBottom), "composite depth typed");
    } else if (kind < 32) {
        type(w.Text3, RandomLevel(0, 0.97 * m.gDrawBottom), "event-free depth typed");
    } else if (kind < 40) {
        type(w.Text4, RandomLevel(-100, 14000), "age typed");
    } else if (kind < 48) {
        type(w.Text1, RandomDecimal(-5, 120, Pick(3)), "PSP typed");
    } else if (kind < 54) {
        choose(w.Combo1, Road::kDoesNotPush, "bore hole chosen");
    } else if (kind < 60) {
        choose(w.Combo2, Road::kPushes, "section number chosen");
    } else if (kind < 66) {
        choose(w.Combo5, Road::kPushes, "section name chosen");
    } else if (kind < 74) {
        if (!w.Slider1.AcceptsUserInput()) return;
        ++f.byKind["slider moved"];
        const long value = w.Slider1.Min() + Pick(static_cast<int>(w.Slider1.Max() - w.Slider1.Min() + 1));
        Checked(f, at + "Slider1 moved to " + std::to_string(value), Road::kPushes, [&] { w.Slider1.UserMove(value); });
    } else if (kind < 90) {
        const int column = kind < 82 ? 0 : 1 + Pick(4);
        forms::PictureBox& box = w.BoreHole(column);
        if (!box.AcceptsUserInput()) return;
        const forms::Surface& s = box.Draw();
        const double y = s.ScaleTop() + Uniform(0.02, 0.98) * s.ScaleHeight();
        // A bore-hole pick on the event-free or age scale writes that box
        // without the user's edit mark: the level does not move.
        const bool pushes = column == 0 || w.Option2(1).Value();
        ++f.byKind[column == 0 ? "composite column picked" : "bore-hole column picked"];
        Checked(f, at + box.QualifiedName() + " picked at " + values::SingleText(static_cast<float>(y)),
                pushes ? Road::kPushes : Road::kDoesNotPush,
                [&] { box.UserMouseDown(forms::kLeftButton, 0, 1.0, y); });
    } else if (kind < 95) {
        forms::OptionButton& option = duo ? w.Option4(Pick(2)) : w.Option2(1 + Pick(3));
        if (!option.AcceptsUserInput()) return;
        ++f.byKind["scale option clicked"];
        Checked(f, at + option.QualifiedName() + " clicked", Road::kDoesNotPush, [&] { option.UserClick(); });
    } else if (kind < 98) {
        forms::Menu& item = w.mnuCM(kRanges[Pick(9)]);
        if (!item.Choosable()) return;
        ++f.byKind["range chosen"];
        Checked(f, at + item.QualifiedName() + " chosen", Road::kDoesNotPush, [&] { item.UserChoose(); });
    } else {
        // A key that changes no text: Enter, an arrow, or the level typed
        // over itself.
        forms::TextBox* boxes[] = {&w.Text1, &w.Text2, &w.Text3, &w.Text4};
        forms::TextBox& box = *boxes[Pick(4)];
        if (!box.AcceptsUserInput()) return;
        ++f.byKind["key changing nothing"];
        const int key = Pick(3);
        box.UserSelectAll();
        Checked(f, at + box.QualifiedName() + (key == 2 ? " typed over itself" : " key Enter / Up"), Road::kPushes, [&] {
            if (key == 0) box.UserKey(forms::kKeyReturn);
            else if (key == 1) box.UserKey(forms::kKeyUp);
            else if (!box.Text().empty()) {
                // Over its own last character, selected.
                box.SetSelStart(static_cast<int>(box.Text().size()) - 1);
                box.SetSelLength(1);
                box.UserKeyChar(box.Text().back());
            }
        });
    }
}

Figures WalkBothRoutes(const std::string& examples, long actionsPerRoute, uint32_t seed) {
    Figures f;
    for (bool duoEvents : {false, true}) {
        Walk walk(examples, duoEvents, seed + (duoEvents ? 1 : 0));
        walk.Run(actionsPerRoute, f);
    }
    return f;
}

}  // namespace sync_walk
