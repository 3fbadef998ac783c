#include "toolkit/HintService.h"

#include "toolkit/HintTracker.h"
#include "toolkit/HintWindow.h"

namespace tk {

THintService::THintService(HWND timerWindow)
    : tracker_(std::make_unique<HintTracker>(*this, timerWindow)),
      hintWindowClass_([] { return std::make_unique<THintWindow>(); }) {}

THintService::~THintService() {
    tracker_.reset();
    hintWindow_.reset();
}

void THintService::SetShowHint(bool show) {
    if (show == showHint_) return;
    showHint_ = show;
    if (show) {
        // Its window is made for the first hint: nobody sees it before.
        std::unique_ptr<THintWindow> window = hintWindowClass_();
        window->SetColor(hintColor_);
        hintWindow_ = std::move(window);
    } else {
        CancelHint();
        hintWindow_.reset();
    }
}

void THintService::SetHintColor(Color color) {
    hintColor_ = color;
    if (hintWindow_) hintWindow_->SetColor(color);
}

void THintService::CancelHint() {
    if (tracker_) tracker_->Cancel();
}

MessageFilter& THintService::Tracker() { return *tracker_; }

void THintService::TimerExpired(UINT_PTR timer) {
    if (timer == HintTracker::kTimerId && tracker_) tracker_->TimerExpired();
}

}  // namespace tk
