// A program whose exception escapes every handler, linked with the
// program's terminate handler: "tk" escapes with one of the program's own
// exceptions, "std" with a library one, anything else ends through
// std::terminate with no exception at all.
#include <exception>
#include <stdexcept>
#include <string_view>

#include "core/Exception.h"
#include "toolkit/Win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring_view kind(arguments);
    try {
        if (kind == L"tk") throw tk::Exception(L"Sonde : exception échappée");
        if (kind == L"std") throw std::runtime_error("probe: escaped");
    } catch (...) {
        // Where the runtime ends an exception that leaves a noexcept
        // function: inside the handling of it.
        std::terminate();
    }
    std::terminate();
}
