#include "main/program.h"

#include "main/quillory.h"

namespace quillory {
namespace {

class QuilloryProgram : public Program {
public:
    explicit QuilloryProgram(forms::Application& a) : quillory_(a) {}
    // The main window is the program's only entry.
    void Start() override { quillory_.frmMain().Show(); }

private:
    Quillory quillory_;
};

}  // namespace

std::unique_ptr<Program> MakeQuillory(forms::Application& application) {
    return std::make_unique<QuilloryProgram>(application);
}

}  // namespace quillory
