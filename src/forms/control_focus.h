#pragma once
// What a control needs before the program can give it the focus.
#include "forms/control.h"
#include "values/runtime_error.h"

namespace forms {

// SetFocus on a control the user could not reach (disabled or hidden, in
// itself, its frame or its window) is run-time error 5.
inline void RequireFocusable(const Control& c) {
    if (!c.AcceptsUserInput())
        throw values::RuntimeError(values::kErrInvalidCall, "Invalid procedure call or argument");
}

}  // namespace forms
