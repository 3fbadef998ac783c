#include "core/LibraryMessage.h"

#include <string_view>

namespace tk {
namespace {

// Fills a fixed buffer and drops what no longer fits, keeping the room of
// the final NUL.
class Filler {
public:
    explicit Filler(std::span<char> out) : out_(out) {}

    void Put(char c) {
        if (length_ + 1 < out_.size()) out_[length_++] = c;
    }
    void Put(std::string_view text) {
        for (char c : text) Put(c);
    }
    void PutUnsigned(unsigned long long value) {
        char digits[20];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (count > 0) Put(digits[--count]);
    }
    void PutSigned(long long value) {
        if (value >= 0) return PutUnsigned(static_cast<unsigned long long>(value));
        Put('-');
        // Negated as unsigned, so that the most negative value has its digits too.
        PutUnsigned(0ull - static_cast<unsigned long long>(value));
    }
    std::size_t Finish() {
        if (!out_.empty()) out_[length_] = '\0';
        return length_;
    }

private:
    std::span<char> out_;
    std::size_t length_ = 0;
};

enum class Size { Int, Long, LongLong, SizeT };

}  // namespace

std::size_t FormatLibraryMessage(std::span<char> out, const char* format,
                                 std::va_list args) noexcept {
    Filler text(out);
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            text.Put(*p);
            continue;
        }
        const char* const conversion = p++;
        Size size = Size::Int;
        if (*p == 'z') {
            size = Size::SizeT;
            ++p;
        } else if (*p == 'l') {
            size = Size::Long;
            if (*++p == 'l') {
                size = Size::LongLong;
                ++p;
            }
        }
        if (*p == 'd' || *p == 'i') {
            switch (size) {
                case Size::Int: text.PutSigned(va_arg(args, int)); break;
                case Size::Long: text.PutSigned(va_arg(args, long)); break;
                case Size::LongLong: text.PutSigned(va_arg(args, long long)); break;
                case Size::SizeT: text.PutSigned(va_arg(args, std::ptrdiff_t)); break;
            }
        } else if (*p == 'u') {
            switch (size) {
                case Size::Int: text.PutUnsigned(va_arg(args, unsigned)); break;
                case Size::Long: text.PutUnsigned(va_arg(args, unsigned long)); break;
                case Size::LongLong: text.PutUnsigned(va_arg(args, unsigned long long)); break;
                case Size::SizeT: text.PutUnsigned(va_arg(args, std::size_t)); break;
            }
        } else if (*p == 's' && size == Size::Int) {
            const char* const part = va_arg(args, const char*);
            text.Put(part ? std::string_view(part) : std::string_view("(null)"));
        } else if (*p == '%' && size == Size::Int) {
            text.Put('%');
        } else {
            text.Put(std::string_view(conversion));
            break;
        }
    }
    return text.Finish();
}

}  // namespace tk
