#include "forms/headless.h"

#include <filesystem>
#include <vector>

#include "forms/form.h"
#include "forms/menu.h"
#include "forms/picture_file.h"
#include "values/regular_file.h"
#include "values/runtime_error.h"
#include "values/shown_text.h"

using namespace values;

namespace forms {

int DefaultAnswer(int style) {
    int buttons = style & 7;
    int which = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    static const std::vector<std::vector<int>> sets = {
        {vbOK}, {vbOK, vbCancel}, {vbAbort, vbRetry, vbIgnore}, {vbYes, vbNo, vbCancel}, {vbYes, vbNo}, {vbRetry, vbCancel}};
    const auto& set = sets[buttons < 6 ? buttons : 0];
    return set[which < static_cast<int>(set.size()) ? which : 0];
}

int HeadlessServices::MessageBox(const MessageRequest& request) {
    RecordedMessage m{request, 0, false};
    if (!messageAnswers.empty()) {
        m.answer = messageAnswers.front();
        messageAnswers.pop_front();
    } else {
        m.answer = DefaultAnswer(request.style);
        m.answeredByDefault = true;
    }
    messages.push_back(m);
    return m.answer;
}

std::optional<std::string> HeadlessServices::FileDialog(const FileRequest& request) {
    fileRequests.push_back(request);
    for (;;) {
        if (fileAnswers.empty()) return std::nullopt;  // nobody chose a file: as Cancel
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        if (!a || !request.overwritePrompt || !std::filesystem::exists(*a)) return a;
        // The dialog's own question; No goes back to the dialog for another name.
        const MessageRequest question{std::filesystem::path(*a).filename().string() +
                                          " already exists. Do you want to replace it?",
                                      vbYesNo | vbExclamation, "Confirm Save As"};
        if (MessageBox(question) == vbYes) return a;
    }
}

Menu* HeadlessServices::ChoosePopupItem(Form& form, Menu& menu) { return TakePopupAnswer(form, menu); }

Menu* HeadlessServices::TakePopupAnswer(Form& form, Menu& menu) {
    ++popupsShown;
    if (popupAnswers.empty()) return nullptr;
    std::string name = popupAnswers.front();
    popupAnswers.pop_front();
    if (name.empty()) return nullptr;
    // "mnuItem" or "mnuItem(3)"
    int index = -1;
    if (auto open = name.find('('); open != std::string::npos) {
        index = std::stoi(name.substr(open + 1));
        name = name.substr(0, open);
    }
    auto* item = dynamic_cast<Menu*>(form.FindControl(name, index));
    // Only an item inside the menu that was shown can be chosen.
    for (Menu* m = item; m; m = m->ParentMenu())
        if (m == &menu) return item;
    return nullptr;
}

void HeadlessServices::ClipboardClear() {
    clipboard.reset();
    clipboardText.clear();
    clipboardCleared = true;
}

// The clipboard holds one thing, a picture or a text.
void HeadlessServices::ClipboardSetPicture(const Snapshot& picture) {
    clipboard = picture;
    clipboardText.clear();
}

void HeadlessServices::ClipboardSetText(const std::string& text) {
    clipboard.reset();
    clipboardText = text;
}

std::shared_ptr<const LoadedPicture> HeadlessServices::LoadPicture(const std::string& path) {
    const RegularFile file(path);
    auto p = std::make_shared<LoadedPicture>();
    if (!ReadPictureSize(path, p->widthPx, p->heightPx)) throw RuntimeError(kErrInvalidPicture, "Invalid picture");
    // What the Qt back end would refuse to decode is refused here too.
    if (PictureCutShort(path) || !WithinPictureLimit(p->widthPx, p->heightPx))
        throw RuntimeError(kErrInvalidPicture, "Invalid picture");
    p->path = path;
    return p;
}

// Fixed metrics: a character is 0.55 of the point size wide (0.6 in bold),
// a line 1.2 of it high; one point is 20 twips.
double HeadlessServices::TextWidthTwips(const std::string& text, double fontSize, bool bold) const {
    return static_cast<double>(values::ShownCharacters(text)) * fontSize * (bold ? 0.6 : 0.55) * 20.0;
}

double HeadlessServices::TextHeightTwips(double fontSize, bool) const { return fontSize * 1.2 * 20.0; }

}  // namespace forms
