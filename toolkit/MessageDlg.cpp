#include "toolkit/MessageDlg.h"

#include <string>

#include "toolkit/FormHost.h"
#include "toolkit/HintService.h"

namespace tk {
namespace {

// Centres the box when the system activates it. One box at a time per
// thread: boxes are modal.
thread_local HHOOK centeringHook = nullptr;

LRESULT CALLBACK CenterOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        RECT r;
        GetWindowRect(box, &r);
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UnhookWindowsHookEx(centeringHook);
        centeringHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring_view CaptionFor(MsgDlgType type) {
    switch (type) {
        case MsgDlgType::Warning: return L"Avertissement";
        case MsgDlgType::Error: return L"Erreur";
        case MsgDlgType::Information: return L"Information";
        case MsgDlgType::Confirmation: return L"Confirmation";
    }
    return {};
}

UINT IconFor(MsgDlgType type) {
    switch (type) {
        case MsgDlgType::Warning: return MB_ICONEXCLAMATION;
        case MsgDlgType::Error: return MB_ICONSTOP;
        case MsgDlgType::Information: return MB_ICONINFORMATION;
        case MsgDlgType::Confirmation: return MB_ICONQUESTION;
    }
    return 0;
}

}  // namespace

int CenteredMessageBox(FormHost& program, std::wstring_view text, std::wstring_view caption,
                       UINT flags) {
    const std::wstring textCopy(text);
    const std::wstring captionCopy(caption);
    program.Hints().CancelHint();
    centeringHook = SetWindowsHookExW(WH_CBT, &CenterOnActivate, nullptr, GetCurrentThreadId());
    const int result =
        MessageBoxW(program.DialogOwner(), textCopy.c_str(), captionCopy.c_str(), flags);
    if (centeringHook) {
        UnhookWindowsHookEx(centeringHook);
        centeringHook = nullptr;
    }
    return result;
}

int MessageDlg(FormHost& program, std::wstring_view text, MsgDlgType type, UINT buttons) {
    return CenteredMessageBox(program, text, CaptionFor(type), buttons | IconFor(type));
}

}  // namespace tk
