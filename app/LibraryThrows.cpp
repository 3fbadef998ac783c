// How the containers and strings of the C++ library report misuse (an index
// out of range, a size beyond what they can hold) and a failed allocation.
//
// The library keeps these throwing functions together in one object that
// raises its own exception classes; built statically, those classes bring
// the library's older reference-counted strings and its narrow string
// instantiations with them, about a seventh of the program, for errors a
// correct program never meets. The linker takes a library object only for
// a symbol nothing else defines: with every one of its functions defined
// here, it stays out. A failed allocation still raises std::bad_alloc, a
// failed cast std::bad_cast; misuse and the library's other failures raise
// the program's ProgrammingError with the library's text. Either way the error
// report shows it as it shows any failure.
//
// The test programs link this file as the program does, so that they meet
// the same exceptions; a test of the build checks that every function of
// the library's object is defined here and that the object stays out.
#include <cstdarg>
#include <exception>
#include <new>
#include <typeinfo>

#include "core/Exception.h"
#include "core/LibraryMessage.h"

namespace std {

[[noreturn]] void __throw_bad_alloc() { throw bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw bad_array_new_length(); }
[[noreturn]] void __throw_bad_cast() { throw bad_cast(); }
[[noreturn]] void __throw_bad_typeid() { throw bad_typeid(); }
[[noreturn]] void __throw_bad_exception() { throw bad_exception(); }
[[noreturn]] void __throw_logic_error(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_domain_error(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_invalid_argument(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_length_error(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_out_of_range(const char* what) { throw tk::ProgrammingError({what}); }
// The library's text with its figures (the index and the size), as long as
// the error keeps.
[[noreturn]] void __throw_out_of_range_fmt(const char* format, ...) {
    char text[128];
    std::va_list args;
    va_start(args, format);
    const std::size_t length = tk::FormatLibraryMessage(text, format, args);
    va_end(args);
    throw tk::ProgrammingError({{text, length}});
}
[[noreturn]] void __throw_runtime_error(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_range_error(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_overflow_error(const char* what) { throw tk::ProgrammingError({what}); }
[[noreturn]] void __throw_underflow_error(const char* what) { throw tk::ProgrammingError({what}); }

}  // namespace std
