#pragma once
// The one error type of the program. A procedure that has an error trap catches
// RuntimeError where its trap sits; nothing else catches it silently.
#include <stdexcept>
#include <string>

namespace values {

// Error numbers of the old platform that the program's traps tell apart.
enum ErrorNumber : int {
    kErrReturnWithoutGosub = 3,
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscriptOutOfRange = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrOutOfStack = 28,
    kErrInputPastEnd = 62,
    kErrFileNotFound = 53,
    kErrDeviceIO = 57,
    kErrPathFileAccess = 75,
    kErrObjectUnloaded = 364,
    kErrInvalidPicture = 481,
    kErrCancel = 32755,  // the file dialog's "cancel was selected"
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// Memory that ran out where the program asked for it: error 7.
[[noreturn]] inline void OutOfMemory() { throw RuntimeError(kErrOutOfMemory, "Out of memory"); }

// A read beyond what a file holds: error 62.
[[noreturn]] inline void InputPastEnd() { throw RuntimeError(kErrInputPastEnd, "Input past end of file"); }

}  // namespace values
