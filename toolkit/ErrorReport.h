// Where an error that no handler caught goes: to the reporter the
// application installs (its general error report), else to a plain message
// box. Every window procedure of the program ends in ReportCurrentException,
// so that no exception crosses back into the system.
#pragma once

#include <functional>
#include <string>

namespace tk {

// Ends the program at once: thrown by TApplication::Halt, it unwinds to the
// entry point, which returns the exit code; the forms and their components
// are destroyed on the way. Not an error: nothing reports it.
struct HaltRequest {
    int exitCode = 0;
};

using ErrorReporter = std::function<void(const std::wstring& message)>;

// The reporter for the process; an empty one puts the plain box back.
void SetErrorReporter(ErrorReporter reporter);

// Reports the exception being handled; call from a catch block. A halt
// asked for inside a window procedure, where unwinding cannot go on, ends
// the process there: the system releases what it holds.
void ReportCurrentException();

// The barrier of every window procedure: runs the handler, and reports what
// escapes it. False when it failed.
template <class Handler>
bool Guarded(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (...) {
        ReportCurrentException();
        return false;
    }
}

}  // namespace tk
