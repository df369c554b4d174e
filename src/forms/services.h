#pragma once
// What the program asks of the platform beyond its windows: message boxes,
// file dialogs, the clipboard, picture loading, pop-up menus and text
// measuring. The headless back end answers from queues that tests fill and
// records what was asked; the Qt back end asks a person.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/surface.h"

namespace forms {

class Form;
class Menu;

// Message box styles and answers, numbered as the old platform numbers them.
enum MsgBoxStyle : int {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton2 = 256, vbDefaultButton3 = 512
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

struct MessageRequest {
    std::string text;
    int style = vbOKOnly;
    std::string title;
};

struct FileRequest {
    bool save = false;
    std::string filter;
    std::string fileName;   // proposed name
    std::string title;
    std::string initDir;
    // A save dialog asks before it returns a file that exists; declining
    // goes back to the dialog.
    bool overwritePrompt = false;
};

// A decoded picture; the back end keeps its pixels.
struct LoadedPicture {
    int widthPx = 0, heightPx = 0;
    std::string path;
    virtual ~LoadedPicture() = default;
};

class Services : public FontMetrics {
public:
    virtual int MessageBox(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> FileDialog(const FileRequest& request) = 0;
    // Which item of the pop-up the user chose, or nullptr.
    virtual Menu* ChoosePopupItem(Form& form, Menu& menu) = 0;
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetPicture(const Snapshot& picture) = 0;
    // Text cut or copied in a box, in place of what the clipboard held; the
    // text it holds ("" when it holds none).
    virtual void ClipboardSetText(const std::string& text) = 0;
    virtual std::string ClipboardText() = 0;
    // Throws RuntimeError 481 ("Invalid picture") or, for a path that names no
    // regular file it can open, RegularFile's 53 or 75.
    virtual std::shared_ptr<const LoadedPicture> LoadPicture(const std::string& path) = 0;
    // Window life and pointer, for back ends that show them.
    virtual void FormShown(Form&) {}
    virtual void FormHidden(Form&) {}
    virtual void FormUnloaded(Form&) {}
    virtual void MousePointerChanged(int) {}
    // The program has ended (End statement).
    virtual void Quit() {}
    // Lets a real back end bring its windows up to date before a modal step.
    virtual void Sync() {}
    // What was drawn on a surface became part of its kept picture: a back end
    // that shows the surface may start drawing it while the program goes on.
    virtual void DrawingKept(const Surface&) {}
    // Texts a surface will print in the font of fontSize and bold at levels
    // still to come (a column's tie labels): a back end may shape them
    // beforehand. Each call replaces the texts the surface announced before.
    virtual void TextsAhead(const Surface&, const std::vector<std::string>& /*texts*/, double /*fontSize*/,
                            bool /*bold*/) {}
};

}  // namespace forms
