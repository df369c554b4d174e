#pragma once
// Real windows whose questions a test answers: file dialogs with the files
// queued (none left: cancelled), message boxes with the answers queued and
// then each box's default button, pop-up menus with the items queued or
// none. Every message box's text is kept.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/headless.h"
#include "forms/menu.h"
#include "qt/qt_services.h"
#include "qt_test_app.h"

namespace qttest {

class AnsweredServices : public qtback::QtServices {
public:
    explicit AnsweredServices(qtback::RenderPool::Options drawing = {}) : QtServices(std::move(drawing)) {
        EnsureQtApplication();
    }
    std::deque<std::string> files;
    std::deque<int> answers;
    std::deque<forms::Menu*> popups;
    std::vector<std::string> messages;

    std::optional<std::string> FileDialog(const forms::FileRequest&) override { return Next(files); }
    int MessageBox(const forms::MessageRequest& request) override {
        messages.push_back(request.text);
        return Next(answers).value_or(forms::DefaultAnswer(request.style));
    }
    forms::Menu* ChoosePopupItem(forms::Form&, forms::Menu&) override { return Next(popups).value_or(nullptr); }

private:
    template <class T>
    static std::optional<T> Next(std::deque<T>& queue) {
        if (queue.empty()) return std::nullopt;
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
};

}  // namespace qttest
