#include "forms/headless.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "forms/form.h"
#include "forms/menu.h"
#include "forms/runtime_error.h"

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
    if (fileAnswers.empty()) return std::nullopt;  // nobody chose a file: as Cancel
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

Menu* HeadlessServices::ChoosePopupItem(Form& form, Menu& menu) {
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
    clipboardCleared = true;
}

void HeadlessServices::ClipboardSetPicture(const Snapshot& picture) { clipboard = picture; }

std::shared_ptr<const LoadedPicture> HeadlessServices::LoadPicture(const std::string& path) {
    auto p = std::make_shared<LoadedPicture>();
    if (!ReadPictureSize(path, p->widthPx, p->heightPx)) {
        std::ifstream probe(path);
        if (!probe) throw RuntimeError(kErrFileNotFound, "File not found");
        throw RuntimeError(481, "Invalid picture");
    }
    p->path = path;
    return p;
}

// Fixed metrics: a character is 0.55 of the point size wide (0.6 in bold),
// a line 1.2 of it high; one point is 20 twips.
double HeadlessServices::TextWidthTwips(const std::string& text, double fontSize, bool bold) const {
    return static_cast<double>(text.size()) * fontSize * (bold ? 0.6 : 0.55) * 20.0;
}

double HeadlessServices::TextHeightTwips(double fontSize, bool) const { return fontSize * 1.2 * 20.0; }

bool ReadPictureSize(const std::string& path, int& widthPx, int& heightPx) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    unsigned char h[26] = {};
    in.read(reinterpret_cast<char*>(h), sizeof h);
    if (in.gcount() < 2) return false;
    auto le32 = [](const unsigned char* p) {
        return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
    };
    if (h[0] == 'B' && h[1] == 'M') {
        if (in.gcount() < 26) return false;
        widthPx = le32(h + 18);
        int32_t hh = le32(h + 22);
        heightPx = hh < 0 ? -hh : hh;
        return widthPx > 0 && heightPx > 0;
    }
    if (h[0] == 0xFF && h[1] == 0xD8) {
        // Walk the JPEG segments to the first start-of-frame marker.
        in.clear();
        in.seekg(2);
        for (;;) {
            int c = in.get();
            if (c == EOF) return false;
            if (c != 0xFF) continue;
            int marker = in.get();
            while (marker == 0xFF) marker = in.get();
            if (marker == EOF) return false;
            if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
            unsigned char len[2];
            if (!in.read(reinterpret_cast<char*>(len), 2)) return false;
            int length = (len[0] << 8) | len[1];
            if (length < 2) return false;
            bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
            if (sof) {
                unsigned char f[5];
                if (!in.read(reinterpret_cast<char*>(f), 5)) return false;
                heightPx = (f[1] << 8) | f[2];
                widthPx = (f[3] << 8) | f[4];
                return widthPx > 0 && heightPx > 0;
            }
            in.seekg(length - 2, std::ios::cur);
        }
    }
    return false;
}

}  // namespace forms
