#include "toolkit/Clipboard.h"

#include <cstring>

#include "core/Exception.h"

namespace tk {
namespace {

// Other programs open the clipboard for a moment (a clipboard viewer, a
// history, Wine's hand-over to the display's selection), and on a loaded
// machine such a moment can outlast a fifth of a second. Under a second of
// waiting still reads as one keystroke.
constexpr int kAttempts = 40;
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

// Memory of our own until the clipboard takes it; then the system's.
class ClipboardMemory {
public:
    explicit ClipboardMemory(SIZE_T bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~ClipboardMemory() {
        if (memory_) GlobalFree(memory_);
    }
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;
    HGLOBAL Get() const { return memory_; }
    void Release() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};

[[noreturn]] void Fail() {
    throw Exception(
        L"Impossible de copier dans le presse-papiers : il est occupé par un autre "
        L"programme");
}

[[noreturn]] void OutOfMemory() { throw Exception(L"Mémoire insuffisante pour copier"); }

void* LockGlobal(HGLOBAL memory) { return GlobalLock(memory); }

}  // namespace

void CopyText(HWND owner, std::wstring_view text) { CopyText(owner, text, &LockGlobal); }

void CopyText(HWND owner, std::wstring_view text, LockMemory lock) {
    ClipboardMemory memory((text.size() + 1) * sizeof(wchar_t));
    if (!memory.Get()) OutOfMemory();
    auto* target = static_cast<wchar_t*>(lock(memory.Get()));
    if (!target) OutOfMemory();
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory.Get());
    const OpenedClipboard clipboard(owner);
    if (!clipboard.Open() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory.Get())) {
        Fail();
    }
    memory.Release();
}

}  // namespace tk
