// Keeps the form that owns it above every ordinary window of the desktop, or
// puts it back among them: every assignment of OnTop moves the window into
// the topmost band or out of it, without moving, resizing or activating it.
#pragma once

#include <functional>
#include <span>

#include "core/Component.h"
#include "toolkit/Win.h"

namespace rytmalo {

// The system's SetWindowPos, or a stand-in that watches the calls.
using WindowPlacer = std::function<BOOL(HWND, HWND, int, int, int, int, UINT)>;

class TTopMost : public tk::TComponent {
public:
    // Takes effect at once: a form that carries one is topmost until its
    // layout says otherwise. Made by a form's layout, it takes effect once
    // loaded, with the value the layout leaves it.
    explicit TTopMost(tk::TComponent* owner, WindowPlacer placer = &::SetWindowPos);
    // Puts the window back among the others.
    ~TTopMost() override;

    bool OnTop() const { return onTop_; }
    // Applied every time, even when the value does not change: the window
    // may have been moved between the bands behind our back. Without a form
    // for owner, or while loading, only the value is kept.
    void SetOnTop(bool onTop);

    void Loaded() override;
    std::span<const tk::PublishedProperty> Published() const override;

    static constexpr UINT kFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

private:
    WindowPlacer placer_;
    bool onTop_ = false;
};

}  // namespace rytmalo
