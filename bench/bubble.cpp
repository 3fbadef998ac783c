// Cost of one hint bubble: activation (screen snapshot, window shown) and the
// paint that draws the ellipse and the text, for the elliptic hint window
// and for the toolkit's plain one. Prints one table row per figure.
// Usage: bubble-bench COUNT
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "components/Elihint.h"
#include "toolkit/Application.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) * 1e6 / double(frequency.QuadPart);
}

// Median microseconds of one hint shown, painted and hidden.
double Median(tk::THintWindow& window, int count) {
    const RECT text{300, 300, 506, 315};
    const auto once = [&] {
        window.ActivateHint(text, L"Entrez ici le tempo servant de base au calcul");
        UpdateWindow(window.Handle());
        window.Hide();
    };
    for (int i = 0; i < 20; ++i) once();
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = Now();
        once();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int count = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
    tk::TApplication application;
    rytmalo::TEllipticHintWindow elliptic;
    elliptic.CreateHandle();
    tk::THintWindow plain;
    plain.CreateHandle();
    std::printf("| elliptic bubble shown, painted, hidden (median of %d) | %.0f us |\n", count,
                Median(elliptic, count));
    std::printf("| plain hint window shown, painted, hidden (median of %d) | %.0f us |\n", count,
                Median(plain, count));
    return 0;
}
