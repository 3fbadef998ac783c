#include "core/Exception.h"

namespace tk {

ProgrammingError::ProgrammingError(std::initializer_list<std::string_view> parts) noexcept {
    std::size_t length = 0;
    for (std::string_view part : parts) {
        const std::size_t room = sizeof text_ - 1 - length;
        const std::size_t taken = part.size() < room ? part.size() : room;
        part.copy(text_ + length, taken);
        length += taken;
    }
    text_[length] = '\0';
}

}  // namespace tk
