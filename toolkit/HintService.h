// The application's hints: whether they show, the window class they show
// in, the window itself, how long the mouse rests before one shows and how
// long it stays, and the tracking of the mouse that shows and hides them.
#pragma once

#include <functional>
#include <memory>

#include "core/Color.h"
#include "toolkit/MessageFilter.h"

namespace tk {

class HintTracker;
class THintWindow;

// Makes the application's hint window; a component may install its own kind.
using HintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

class HintService {
public:
    // The hint timer runs on the given window, which passes it on to
    // TimerExpired. Hints start switched off.
    explicit HintService(HWND timerWindow);
    ~HintService();
    HintService(const HintService&) = delete;
    HintService& operator=(const HintService&) = delete;

    // Switching hints on makes the hint window from the current hint window
    // class (its window is created at the first hint); switching them off
    // destroys it.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    void SetHintWindowClass(HintWindowClass windowClass) {
        hintWindowClass_ = std::move(windowClass);
    }
    THintWindow* HintWindow() const { return hintWindow_.get(); }
    // Milliseconds the mouse rests on a control before its hint shows.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int milliseconds) { hintPause_ = milliseconds; }
    // Before the next control's hint while one is showing.
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int milliseconds) { hintShortPause_ = milliseconds; }
    // How long a hint stays.
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int milliseconds) { hintHidePause_ = milliseconds; }
    Color HintColor() const { return hintColor_; }
    void SetHintColor(Color color);
    // Hides the hint showing or pending (a dialog or message box comes up).
    void CancelHint();

    // The filter of the message loop that watches the mouse.
    MessageFilter& Tracker();
    // The hint timer of the timer window went off.
    void TimerExpired(UINT_PTR timer);

private:
    std::unique_ptr<HintTracker> tracker_;
    bool showHint_ = false;
    HintWindowClass hintWindowClass_;
    std::unique_ptr<THintWindow> hintWindow_;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    Color hintColor_ = clInfoBk;
};

}  // namespace tk
