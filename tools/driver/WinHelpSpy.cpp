#include "WinHelpSpy.h"

#include <cstring>

#include "Driver.h"

namespace driver {
namespace {

// The block WinHelp sends with WM_COPYDATA.
#pragma pack(push, 1)
struct WinHelpBlock {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD fileOffset;
    WORD dataOffset;
};
#pragma pack(pop)

constexpr ULONG_PTR kWinHelpCopyData = 0xA1DE505;

}  // namespace

WinHelpSpy::WinHelpSpy() : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_, 10000);
}

WinHelpSpy::~WinHelpSpy() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
    CloseHandle(ready_);
}

void WinHelpSpy::Run() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WinHelpSpy::WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MS_WINHELP";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, L"MS_WINHELP", L"help spy", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    SetEvent(ready_);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    UnregisterClassW(L"MS_WINHELP", GetModuleHandleW(nullptr));
}

LRESULT CALLBACK WinHelpSpy::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* spy = reinterpret_cast<WinHelpSpy*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_COPYDATA: {
            const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (cds->dwData != kWinHelpCopyData || cds->cbData < sizeof(WinHelpBlock)) return FALSE;
            const auto* block = static_cast<const WinHelpBlock*>(cds->lpData);
            HelpRequest request;
            request.command = block->command;
            request.data = block->data;
            if (block->fileOffset && block->fileOffset < cds->cbData) {
                const char* file = static_cast<const char*>(cds->lpData) + block->fileOffset;
                request.file.assign(file, strnlen(file, cds->cbData - block->fileOffset));
            }
            std::lock_guard<std::mutex> lock(spy->mutex_);
            spy->requests_.push_back(request);
            return TRUE;
        }
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

std::vector<HelpRequest> WinHelpSpy::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void WinHelpSpy::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.clear();
}

bool WinHelpSpy::WaitForRequests(std::size_t count, DWORD timeoutMs) const {
    return WaitUntil([&] { return Requests().size() >= count; }, timeoutMs);
}

}  // namespace driver
