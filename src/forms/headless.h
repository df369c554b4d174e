#pragma once
// The headless back end: dialogs and message boxes answer from queues that a
// test fills (a save dialog's question before it replaces a file is a message
// box "NAME already exists. Do you want to replace it?"); what the program
// asked is recorded for checking; text is
// measured with fixed, deterministic metrics; pictures keep only their size,
// read from the file's header (JPEG and BMP).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "forms/services.h"

namespace forms {

struct RecordedMessage {
    MessageRequest request;
    int answer = 0;
    bool answeredByDefault = false;
};

class HeadlessServices : public Services {
public:
    // Queues.
    std::deque<int> messageAnswers;                       // vbOK, vbYes ...
    std::deque<std::optional<std::string>> fileAnswers;   // nothing = cancel
    std::deque<std::string> popupAnswers;                 // menu item names; "" dismisses

    // Records.
    std::vector<RecordedMessage> messages;
    std::vector<FileRequest> fileRequests;
    std::optional<Snapshot> clipboard;
    std::string clipboardText;
    bool clipboardCleared = false;
    std::vector<int> pointerHistory;
    bool quitCalled = false;
    // An error that escaped every handler, as the program would report it
    // before it ends.
    std::optional<std::string> untrapped;
    int popupsShown = 0;

    int MessageBox(const MessageRequest& request) override;
    std::optional<std::string> FileDialog(const FileRequest& request) override;
    Menu* ChoosePopupItem(Form& form, Menu& menu) override;
    // The next queued answer for a pop-up of menu: its item, or nullptr to
    // dismiss it (also when nothing is queued, or the item is not in menu).
    Menu* TakePopupAnswer(Form& form, Menu& menu);
    void ClipboardClear() override;
    void ClipboardSetPicture(const Snapshot& picture) override;
    void ClipboardSetText(const std::string& text) override;
    std::string ClipboardText() override { return clipboardText; }
    std::shared_ptr<const LoadedPicture> LoadPicture(const std::string& path) override;
    void MousePointerChanged(int code) override { pointerHistory.push_back(code); }
    void Quit() override { quitCalled = true; }

    double TextWidthTwips(const std::string& text, double fontSize, bool bold) const override;
    double TextHeightTwips(double fontSize, bool bold) const override;
};

// The default button of a message box style.
int DefaultAnswer(int style);

}  // namespace forms
