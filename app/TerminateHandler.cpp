// What ends the program when an exception escapes every handler (out of a
// noexcept function, or thrown while another unwinds): a plain box, then an
// end as abrupt as abort's.
//
// The C++ library's handler for that case, __gnu_cxx::__verbose_terminate_handler,
// writes the exception's demangled type to the standard error stream, which a
// windowed program does not have; linked statically it also brings the
// library's symbol demangler and, through it, a printf engine: a tenth of the
// program. The library's terminate handler calls that function by name, so
// this definition takes its place and keeps the library's out of the link.
// Nothing calls it while every exception is caught where it should be.
#include <cxxabi.h>

#include <csignal>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/Exception.h"
#include "toolkit/SdkExtras.h"

namespace {

// The escaping exception's message, when it has one the program can read.
// It is being handled, so a plain rethrow reaches it: an exception pointer
// would bring its own machinery into the program for this alone.
std::wstring EscapedMessage() {
    if (!abi::__cxa_current_exception_type()) return {};
    try {
        throw;
    } catch (const tk::Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return tk::Widen(e.what());
    } catch (...) {
    }
    return {};
}

}  // namespace

void __gnu_cxx::__verbose_terminate_handler() {
    // The box runs a message loop: should a window fail the same way while
    // it shows, the second failure ends the program without a second box.
    static bool reporting = false;
    if (!reporting) {
        reporting = true;
        std::wstring text = L"Erreur interne : le programme doit s'arrêter.";
        if (const std::wstring message = EscapedMessage(); !message.empty()) {
            text += L"\n\n" + message;
        }
        MessageBoxW(nullptr, text.c_str(), L"Rytmalo95",
                    MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
    }
    // As abort() does (exit code 3, no clean-up), without the runtime's own
    // English box after ours.
    std::raise(SIGABRT);
    std::_Exit(3);
}
