#pragma once
// A running program on top of the forms layer: its windows live in the
// Application; Start loads and shows the first one.
#include <memory>

#include "forms/application.h"

namespace quillory {

class Program {
public:
    virtual ~Program() = default;
    virtual void Start() = 0;
};

std::unique_ptr<Program> MakeQuillory(forms::Application& application);

}  // namespace quillory
