#include "toolkit/HintService.h"

#include "toolkit/HintTracker.h"
#include "toolkit/HintWindow.h"

namespace tk {

HintService::HintService(HWND timerWindow)
    : tracker_(std::make_unique<HintTracker>(*this, timerWindow)),
      hintWindowClass_([] { return std::make_unique<THintWindow>(); }) {}

HintService::~HintService() {
    tracker_.reset();
    hintWindow_.reset();
}

void HintService::SetShowHint(bool show) {
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

void HintService::SetHintColor(Color color) {
    hintColor_ = color;
    if (hintWindow_) hintWindow_->SetColor(color);
}

void HintService::CancelHint() {
    if (tracker_) tracker_->Cancel();
}

MessageFilter& HintService::Tracker() { return *tracker_; }

void HintService::TimerExpired(UINT_PTR timer) {
    if (timer == HintTracker::kTimerId && tracker_) tracker_->TimerExpired();
}

}  // namespace tk
