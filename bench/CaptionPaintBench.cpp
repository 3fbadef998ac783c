// Time of composing and copying the main window's caption (PaintCaption),
// against the system painting the frame and caption of a window of the same
// size, style and title (DefWindowProc's WM_NCPAINT), in the same run.
// Prints table rows.
// Usage: caption_paint_bench ROUNDS
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "Clock.h"
#include "app/MainFormLayout.h"
#include "components/GradForm.h"
#include "toolkit/Application.h"
#include "toolkit/Gdi.h"

namespace {

constexpr int kCallsPerRound = 200;

// Microseconds per call, the median of the rounds.
template <class F>
double MedianMicroseconds(std::vector<double>& rounds, F call) {
    const double start = Now();
    for (int i = 0; i < kCallsPerRound; ++i) call();
    GdiFlush();
    rounds.push_back((Now() - start) * 1e6 / kCallsPerRound);
    std::vector<double> sorted = rounds;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
    tk::TApplication application;
    // The main window's look without its components: they would register
    // this benchmark as the program and guard its single instance.
    tk::FormLayout layout = rytmalo::MainFormLayout();
    layout.components.clear();
    auto* form = new rytmalo::TGradientForm(&application, layout);
    form->Load();
    form->Show();

    // The system's own caption: same size, style and title.
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"RytmaloBenchPlain";
    RegisterClassW(&wc);
    HWND plain = CreateWindowExW(
        static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_EXSTYLE)), wc.lpszClassName,
        L"Rytmalo 95", static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_STYLE)) | WS_VISIBLE,
        0, 0, form->Width(), form->Height(), nullptr, nullptr, wc.hInstance, nullptr);
    SetActiveWindow(form->Handle());
    Pump();

    std::vector<double> ownRounds;
    std::vector<double> composedRounds;
    std::vector<double> systemRounds;
    double own = 0;
    double composed = 0;
    double system = 0;
    {
        tk::WindowDc dc(form->Handle(), tk::WindowDc::Whole);
        // Alternating rounds: all see the same state of the machine. The
        // same caption painted again, as when the window is uncovered; and
        // active and inactive in turn, each paint composing anew.
        bool active = false;
        for (int round = 0; round < rounds; ++round) {
            own = MedianMicroseconds(ownRounds, [&] { form->PaintCaption(dc.get(), true); });
            composed = MedianMicroseconds(composedRounds, [&] {
                active = !active;
                form->PaintCaption(dc.get(), active);
            });
            system =
                MedianMicroseconds(systemRounds, [&] { DefWindowProcW(plain, WM_NCPAINT, 1, 0); });
        }
    }
    const rytmalo::TRect caption = form->GetCaptionRect();
    std::printf(
        "| PaintCaption, caption %dx%d, %d colours (median of %d rounds of %d) | %.1f us |\n",
        caption.Width(), caption.Height(), form->GradientColors(), rounds, kCallsPerRound, own);
    std::printf("| system caption painting, DefWindowProc(WM_NCPAINT), same window | %.1f us |\n",
                system);
    std::printf("| PaintCaption / system caption painting | %.2f |\n", own / system);
    std::printf("| PaintCaption, active and inactive in turn (composed anew) | %.1f us |\n",
                composed);
    std::printf("| PaintCaption composed anew / system caption painting | %.2f |\n",
                composed / system);

    DestroyWindow(plain);
    delete form;
    return 0;
}
