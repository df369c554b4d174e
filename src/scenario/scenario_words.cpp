#include "scenario/scenario_words.h"

#include <cctype>
#include <utility>

#include "forms/control.h"
#include "forms/services.h"
#include "values/shown_text.h"

namespace scenario {

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

int KeyCodeByName(std::string k, int& shift) {
    shift = 0;
    for (const auto& [prefix, mask] : {std::pair{"Shift+", forms::kShiftMask}, {"Ctrl+", forms::kCtrlMask}}) {
        if (k.rfind(prefix, 0) != 0) continue;
        shift |= mask;
        k.erase(0, std::string(prefix).size());
    }
    if ((shift & forms::kCtrlMask) && k.size() == 1 && std::isalpha(static_cast<unsigned char>(k[0])))
        return std::toupper(static_cast<unsigned char>(k[0]));
    if (k == "Enter") return forms::kKeyReturn;
    if (k == "Escape") return forms::kKeyEscape;
    if (k == "Backspace") return forms::kKeyBack;
    if (k == "Delete") return forms::kKeyDelete;
    if (k == "Insert") return forms::kKeyInsert;
    if (k == "Tab") return forms::kKeyTab;
    if (k == "Space") return forms::kKeySpace;
    if (k == "PageUp") return forms::kKeyPageUp;
    if (k == "PageDown") return forms::kKeyPageDown;
    if (k == "Up") return forms::kKeyUp;
    if (k == "Down") return forms::kKeyDown;
    if (k == "Home") return forms::kKeyHome;
    if (k == "End") return forms::kKeyEnd;
    if (k == "Left") return forms::kKeyLeft;
    if (k == "Right") return forms::kKeyRight;
    return -1;
}

bool IsOneCharacter(const std::string& k) { return values::IsUtf8(k) && values::ShownCharacters(k) == 1; }

}  // namespace scenario
