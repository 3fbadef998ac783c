// The application's hints: watches the mouse in the message loop; when it
// rests on a control that has a hint for the hint delay, shows the hint
// below the control, and hides it after the hide pause, when the mouse
// leaves, or when a key or a mouse button is pressed; once hidden, it comes
// back only after the mouse has left the control.
#pragma once

#include "toolkit/HintService.h"
#include "toolkit/MessageFilter.h"

namespace tk {

class HintTracker : public MessageFilter {
public:
    // The timer of the application window that paces the hints.
    static constexpr UINT_PTR kTimerId = 0x4854;

    HintTracker(HintService& hints, HWND timerWindow) : hints_(hints), timerWindow_(timerWindow) {}
    ~HintTracker() override;

    bool PreTranslate(MSG& msg) override;
    // Hides the hint and forgets the control: the next hint needs the full
    // delay again.
    void Cancel();
    // The timer window received the hint timer.
    void TimerExpired();

private:
    enum class Waiting { Nothing, ToShow, ToHide };

    void MouseMoved(HWND window);
    void MouseLeft(HWND window);
    // A key or mouse button was pressed: the hint goes, and stays away
    // while the mouse stays on its control (the control is kept, so that
    // moving on it changes nothing).
    void Dismiss();
    void Show();
    void StartTimer(int milliseconds, Waiting next);
    void StopTimer();

    HintService& hints_;
    HWND timerWindow_;
    // The control whose hint is pending or showing; a handle, not the
    // object, since the control may go while a timer runs.
    HWND control_ = nullptr;
    // A hint is showing: the next control's hint follows after the short
    // pause.
    bool active_ = false;
    Waiting waiting_ = Waiting::Nothing;
};

}  // namespace tk
