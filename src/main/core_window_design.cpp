#include "main/core_window_design.h"

#include <utility>

namespace quillory {

using namespace forms;

void AddScaleOptions(Form& form, ControlArray<OptionButton>& option2, Frame& frame) {
    const char* scales[] = {"Drilling depth", "Composite depth", "Event free depth (EFD)", "Age"};
    for (int k = 0; k < 4; ++k) {
        OptionButton& o = form.Add<OptionButton>(option2, "Option2", k, &frame);
        o.Move(240, 540 + 300 * k, 2400, 255);
        o.SetCaption(scales[k]);
    }
    option2(1).SetValue(true);
    option2(0).SetVisible(false);
    option2(2).SetEnabled(false);
    option2(3).SetEnabled(false);
}

void AddRangeMenu(Form& form, Menu*& mnuRange, Menu*& mnuLink, ControlArray<Menu>& mnuCM) {
    mnuRange = &form.AddMenu("mnuRange", "Range");
    mnuLink = &form.AddMenu("mnuLink", "Link range", mnuRange);
    mnuLink->SetChecked(true);
    form.AddMenu("break50", "-", mnuRange);
    const std::pair<int, const char*> ranges[] = {{20, "20 cm"}, {50, "50 cm"},  {100, "1 m"},
                                                  {200, "2 m"},  {500, "5 m"},   {1000, "10 m"},
                                                  {2000, "20 m"}, {5000, "50 m"}, {9999, "Whole core"}};
    for (auto [i, caption] : ranges) form.AddMenu(mnuCM, "mnuCM", i, caption, mnuRange);
}

}  // namespace quillory
