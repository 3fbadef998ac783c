#include "driver/Lists.h"

#include <commctrl.h>

namespace driver {
namespace {

// A buffer in another process's memory, freed when it goes.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            address_ =
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* Address() const { return address_; }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
        return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                                  nullptr);
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const {
        return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                                 nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

constexpr int kCellChars = 256;

}  // namespace

std::vector<std::vector<std::wstring>> ListViewRows(HWND listView, int columns) {
    std::vector<std::vector<std::wstring>> rows;
    const int count = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    RemoteBuffer remote(listView, sizeof(LVITEMW) + kCellChars * sizeof(wchar_t));
    if (!remote.Address()) return rows;
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.cchTextMax = kCellChars;
            item.pszText =
                reinterpret_cast<wchar_t*>(static_cast<char*>(remote.Address()) + sizeof(LVITEMW));
            remote.Write(0, &item, sizeof item);
            const auto length = SendMessageW(listView, LVM_GETITEMTEXTW, row,
                                             reinterpret_cast<LPARAM>(remote.Address()));
            wchar_t text[kCellChars] = {};
            remote.Read(sizeof(LVITEMW), text, sizeof text);
            cells.emplace_back(text, static_cast<std::size_t>(length > 0 ? length : 0));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

int ListViewStringWidth(HWND listView, const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    RemoteBuffer remote(listView, bytes);
    if (!remote.Address() || !remote.Write(0, text.c_str(), bytes)) return -1;
    return static_cast<int>(
        SendMessageW(listView, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(remote.Address())));
}

RECT ListViewRowRect(HWND listView, int row) {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    RemoteBuffer remote(listView, sizeof r);
    if (!remote.Address() || !remote.Write(0, &r, sizeof r) ||
        !SendMessageW(listView, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote.Address())) ||
        !remote.Read(0, &r, sizeof r)) {
        return {};
    }
    MapWindowPoints(listView, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::wstring> ListBoxLines(HWND listBox) {
    std::vector<std::wstring> lines;
    const auto count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        std::wstring line(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        const auto copied =
            SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
        lines.push_back(line);
    }
    return lines;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void ClearClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

}  // namespace driver
