#include "app/program.h"

namespace app {
namespace {

// Until the main window lands: an empty main window.
class FrmMain : public forms::Form {
public:
    explicit FrmMain(forms::Application& a) : Form(a, "frmMain") { SetCaption(" Quillory "); }
};

class Quillory : public Program {
public:
    explicit Quillory(forms::Application& a) : frmMain_(a, "frmMain", [&a] { return std::make_unique<FrmMain>(a); }) {}
    void Start() override { frmMain_().Show(); }

private:
    forms::FormSlot<FrmMain> frmMain_;
};

}  // namespace

std::unique_ptr<Program> MakeQuillory(forms::Application& application) { return std::make_unique<Quillory>(application); }

}  // namespace app
