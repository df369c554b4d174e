#pragma once
// Real windows (offscreen unless QT_QPA_PLATFORM says otherwise) whose
// dialogs answer from the benchmark's queues, as the headless back end's do;
// the program acts on the model directly, the windows only show it.
#include <QCoreApplication>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "bench/offscreen_qt.h"
#include "forms/headless.h"
#include "qt/qt_services.h"

namespace bench {

class AnsweredQtServices : public qtback::QtServices {
public:
    AnsweredQtServices() {
        OffscreenQt();
        SetWidgetInput(false);
    }
    // The windows catch up with the model and paint what changed, as for a
    // screen frame.
    void Settle() {
        Sync();
        QCoreApplication::processEvents();
    }
    forms::HeadlessServices answers;
    std::deque<std::optional<std::string>>& fileAnswers = answers.fileAnswers;
    std::deque<int>& messageAnswers = answers.messageAnswers;
    std::vector<forms::RecordedMessage>& messages = answers.messages;

    int MessageBox(const forms::MessageRequest& request) override { return answers.MessageBox(request); }
    std::optional<std::string> FileDialog(const forms::FileRequest& request) override {
        return answers.FileDialog(request);
    }
};

}  // namespace bench
