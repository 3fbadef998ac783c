#include "toolkit/HintTracker.h"

#include <string>

#include "toolkit/Control.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/HintWindow.h"

namespace tk {
namespace {

bool IsChildWindow(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0; }

// The control whose hint applies to a window under the mouse: the nearest
// control, itself or a container of it, that shows hints, if its hint is not
// empty.
HWND HintControlFor(HWND window) {
    TControl* control = nullptr;
    for (HWND w = window; w && !control; w = IsChildWindow(w) ? GetParent(w) : nullptr) {
        control = TControl::FromHandle(w);
    }
    while (control && !control->ShowHint()) control = control->Parent();
    if (!control || control->Hint().empty()) return nullptr;
    return control->Handle();
}

bool CursorOver(HWND control) {
    POINT p;
    if (!GetCursorPos(&p)) return false;
    HWND under = WindowFromPoint(p);
    return under && (under == control || IsChild(control, under));
}

// The window under the pointer, if it is one of this thread's.
HWND ProgramWindowUnderCursor() {
    POINT p;
    if (!GetCursorPos(&p)) return nullptr;
    HWND under = WindowFromPoint(p);
    return under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId() ? under
                                                                                     : nullptr;
}

bool IsMouseButtonMessage(UINT msg) {
    return (msg > WM_MOUSEMOVE && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCLBUTTONDOWN && msg <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

HintTracker::~HintTracker() { StopTimer(); }

bool HintTracker::PreTranslate(MSG& msg) {
    if (msg.message == WM_MOUSEMOVE) {
        MouseMoved(msg.hwnd);
    } else if (msg.message == WM_MOUSELEAVE) {
        MouseLeft(msg.hwnd);
    } else if ((msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
               IsMouseButtonMessage(msg.message)) {
        if (control_) Dismiss();
    } else if (msg.message == WM_NCMOUSEMOVE) {
        if (control_) Cancel();
    }
    return false;
}

void HintTracker::MouseMoved(HWND window) {
    HWND control = HintControlFor(window);
    if (!control) {
        if (control_) Cancel();
        return;
    }
    // Resting or moving on the same control changes nothing, also once its
    // hint has gone after the hide pause.
    if (control == control_) return;
    const bool wasActive = active_;
    Cancel();
    control_ = control;
    active_ = wasActive;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
    StartTimer(wasActive ? hints_.HintShortPause() : hints_.HintPause(), Waiting::ToShow);
}

void HintTracker::MouseLeft(HWND window) {
    if (window != control_) return;
    // Onto another window of the program: its own mouse move decides.
    if (ProgramWindowUnderCursor()) return;
    Cancel();
}

void HintTracker::Cancel() {
    StopTimer();
    if (THintWindow* window = hints_.HintWindow()) window->Hide();
    control_ = nullptr;
    active_ = false;
}

void HintTracker::Dismiss() {
    StopTimer();
    if (THintWindow* window = hints_.HintWindow()) window->Hide();
    active_ = false;
}

void HintTracker::TimerExpired() {
    const Waiting was = waiting_;
    StopTimer();
    if (was == Waiting::ToShow) {
        Show();
    } else if (was == Waiting::ToHide) {
        if (THintWindow* window = hints_.HintWindow()) window->Hide();
        active_ = false;
    }
}

void HintTracker::Show() {
    TControl* control = TControl::FromHandle(control_);
    THintWindow* window = hints_.HintWindow();
    if (!control || !window) {
        Cancel();
        return;
    }
    if (!CursorOver(control_)) {
        // Wine may report the pointer's former place after its new one:
        // follow where it is now, or a resting pointer would never get its
        // hint.
        Cancel();
        if (HWND under = ProgramWindowUnderCursor()) MouseMoved(under);
        return;
    }
    window->CreateHandle();
    const std::wstring text(control->Hint());
    // Measured and drawn for the resolution of the control's form.
    const int dpi = control->Form().Dpi();
    window->SetDpi(dpi);
    RECT r = window->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), text);
    RECT outer;
    GetWindowRect(control_, &outer);
    // Below the control, at its client area's left edge.
    POINT at{0, outer.bottom - outer.top + ScaleToDpi(6, dpi)};
    ClientToScreen(control_, &at);
    OffsetRect(&r, at.x, at.y);
    r.right += ScaleToDpi(6, dpi);
    r.bottom += ScaleToDpi(2, dpi);
    active_ = true;
    StartTimer(hints_.HintHidePause(), Waiting::ToHide);
    window->ActivateHint(r, text);
}

void HintTracker::StartTimer(int milliseconds, Waiting next) {
    StopTimer();
    waiting_ = next;
    SetTimer(timerWindow_, kTimerId, static_cast<UINT>(milliseconds < 0 ? 0 : milliseconds),
             nullptr);
}

void HintTracker::StopTimer() {
    if (waiting_ != Waiting::Nothing) KillTimer(timerWindow_, kTimerId);
    waiting_ = Waiting::Nothing;
}

}  // namespace tk
