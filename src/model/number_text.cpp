#include "model/number_text.h"

#include <charconv>
#include <cmath>

#include "forms/runtime_error.h"

namespace model {
namespace {

template <class T>
void Append(std::string& out, T value) {
    if (!std::isfinite(value)) throw forms::RuntimeError(forms::kErrOverflow, "Overflow");
    if (value == 0) {
        out += '0';
        return;
    }
    char text[400];  // the longest fixed double, 1.8e308, has 309 digits
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    out.append(text, result.ptr);
}

}  // namespace

void AppendNumber(std::string& out, double value) { Append(out, value); }
void AppendNumber(std::string& out, float value) { Append(out, value); }

}  // namespace model
