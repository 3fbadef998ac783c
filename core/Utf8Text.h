// Text kept in UTF-8, where it takes half the room of the wide strings the
// windows take (French text is mostly ASCII), made wide when it is needed.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Appends the wide text of well-formed UTF-8. A character beyond U+FFFF,
// which French text has no need of and a 16-bit wchar_t would have to
// split, becomes U+FFFD; a sequence cut short by the end of the text ends it.
void AppendWidened(std::wstring& wide, std::u8string_view utf8);

}  // namespace tk
