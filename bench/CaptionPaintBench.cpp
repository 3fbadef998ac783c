// Time of composing and copying the main window's caption (PaintCaption),
// against the system painting the frame and caption of a window of the same
// size, style and title (DefWindowProc's WM_NCPAINT), in the same run.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/MainFormLayout.h"
#include "components/GradForm.h"
#include "toolkit/Application.h"
#include "toolkit/Gdi.h"

namespace {

constexpr int kRounds = 15;
constexpr int kCallsPerRound = 200;

double Now() {
    LARGE_INTEGER t;
    LARGE_INTEGER f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Microseconds per call, the median of the rounds.
template <class F>
double MedianMicroseconds(std::vector<double>& rounds, F call) {
    const double start = Now();
    for (int i = 0; i < kCallsPerRound; ++i)
        call();
    GdiFlush();
    rounds.push_back((Now() - start) * 1e6 / kCallsPerRound);
    std::vector<double> sorted = rounds;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

}  // namespace

int wmain() {
    tk::TApplication application;
    auto* form = new rytmalo::TGradientForm(&application, rytmalo::MainFormLayout());
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
    std::vector<double> systemRounds;
    double own = 0;
    double system = 0;
    {
        tk::WindowDc dc(form->Handle(), tk::WindowDc::Whole);
        // Alternating rounds: both see the same state of the machine.
        for (int round = 0; round < kRounds; ++round) {
            own = MedianMicroseconds(ownRounds, [&] { form->PaintCaption(dc.get(), true); });
            system =
                MedianMicroseconds(systemRounds, [&] { DefWindowProcW(plain, WM_NCPAINT, 1, 0); });
        }
    }
    const rytmalo::TRect caption = form->GetCaptionRect();
    std::printf("caption %dx%d, %d colours, %d rounds of %d calls, medians:\n", caption.Width(),
                caption.Height(), form->GradientColors(), kRounds, kCallsPerRound);
    std::printf("  PaintCaption                 %8.1f us\n", own);
    std::printf("  DefWindowProc(WM_NCPAINT)    %8.1f us\n", system);
    std::printf("  ratio                        %8.2f\n", own / system);

    DestroyWindow(plain);
    delete form;
    return 0;
}
