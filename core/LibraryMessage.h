// The messages the C++ library gives with its range errors, made whole:
// the library hands a printf format ("… (which is %zu) >= this->size()
// (which is %zu)") with its figures. Only what its formats use is read,
// with no printf engine behind it: %s, %d, %i and %u, the last three with
// the sizes l, ll and z, and %%. Anything else ends the reading there: the
// rest of the format is kept as it stands and its arguments left unread,
// since their types can no longer be known.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <span>

namespace tk {

// Writes the message into `out`, cut to fit with its final NUL; returns its
// length without the NUL. An empty `out` gets nothing.
std::size_t FormatLibraryMessage(std::span<char> out, const char* format,
                                 std::va_list args) noexcept;

}  // namespace tk
