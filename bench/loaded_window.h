#pragma once
// The main window, headless, after the generated correlation model, event
// list and age model were imported through its buttons, as a user would.
#include <stdexcept>
#include <string>

#include "bench/bench_files.h"
#include "forms/application.h"
#include "forms/headless.h"
#include "main/quillory.h"

namespace bench {

struct LoadedWindow {
    forms::HeadlessServices services;
    forms::Application app{services};
    quillory::Quillory q{app};

    LoadedWindow() {
        quillory::FrmMain& f = q.frmMain();
        f.Show();
        Import(f.Command1, Files().correlation);
        Import(f.Command3, Files().events);
        Import(f.Command4, Files().ages);
        if (!services.messages.empty()) throw std::runtime_error("import refused: " + services.messages[0].request.text);
        f.Text2.SetFocus();
    }

private:
    void Import(forms::CommandButton& button, const std::string& path) {
        services.fileAnswers.push_back(path);
        button.UserClick();
    }
};

}  // namespace bench
