#include "toolkit/Clipboard.h"

#include <cstring>

#include "toolkit/Exception.h"

namespace tk {
namespace {

constexpr int kAttempts = 10;
constexpr DWORD kPauseMs = 20;

// Closes the clipboard when it goes.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
            if (attempt > 0) Sleep(kPauseMs);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool Open() const { return open_; }

private:
    bool open_ = false;
};

[[noreturn]] void Fail() {
    throw Exception(
        L"Impossible de copier dans le presse-papiers : il est occupé par un autre "
        L"programme");
}

}  // namespace

void CopyText(HWND owner, std::wstring_view text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) throw Exception(L"Mémoire insuffisante pour copier");
    if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
        std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
    }
    const OpenedClipboard clipboard(owner);
    // Once the clipboard has taken the memory it is the system's to free.
    if (!clipboard.Open() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        Fail();
    }
}

}  // namespace tk
