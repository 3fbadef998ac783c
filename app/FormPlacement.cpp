#include "app/FormPlacement.h"

#include "core/WindowPlacement.h"
#include "toolkit/Form.h"
#include "toolkit/Monitors.h"
#include "toolkit/WinGeometry.h"

namespace rytmalo {
namespace {

tk::TRect WindowRect(const tk::TForm& form) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    return tk::FromRECT(r);
}

void MoveTo(tk::TForm& form, int left, int top) {
    SetWindowPos(form.Handle(), nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void KeepOnScreen(tk::TForm& form) {
    if (!form.Handle()) return;
    if (const auto place = PlaceOnScreen(WindowRect(form), tk::Monitors())) {
        MoveTo(form, place->x, place->y);
    }
}

void ResizeInWorkArea(tk::TForm& form, int extraWidth, int extraHeight) {
    const tk::TRect now = WindowRect(form);
    const SIZE size = form.WindowSizeWith(extraWidth, extraHeight);
    const tk::TRect window = tk::Bounds(now.Left, now.Top, size.cx, size.cy);
    const tk::TRect work = tk::MonitorOf(form.Handle()).work;
    const auto top = TopAboveBottom(window, work);
    const auto left = LeftBeforeRight(window, work);
    form.SetExtraClientSize(extraWidth, extraHeight,
                            {left.value_or(window.Left), top.value_or(window.Top)});
}

tk::TPoint PlaceToSave(const tk::TForm& form) {
    WINDOWPLACEMENT placement{sizeof placement};
    std::optional<tk::TRect> restored;
    if (form.IsMaximized() && GetWindowPlacement(form.Handle(), &placement)) {
        restored = tk::FromRECT(placement.rcNormalPosition);
    }
    return PlaceToSave(WindowRect(form), restored, tk::MonitorOf(form.Handle()));
}

int WorkAreaHeight(const tk::TForm& form) { return tk::MonitorOf(form.Handle()).work.Height(); }

}  // namespace rytmalo
