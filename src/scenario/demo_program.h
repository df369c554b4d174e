#pragma once
// A small window used only to exercise the forms layer and both back ends
// from scenario scripts ("program demo" as a script's first command).
#include <memory>

#include "main/program.h"

namespace scenario {

std::unique_ptr<quillory::Program> MakeDemo(forms::Application& application);

}  // namespace scenario
