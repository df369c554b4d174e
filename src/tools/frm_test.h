#pragma once
// The debugging window: a list of printed lines that Clear empties.
#include <string>
#include <vector>

#include "forms/form.h"

namespace quillory {

class FrmTest : public forms::Form {
public:
    explicit FrmTest(forms::Application& app) : Form(app, "frmTest") { SetCaption("Test"); }
    void Clear() { lines_.clear(); }
    void Print(const std::string& line) { lines_.push_back(line); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace quillory
