// Cost of one hint bubble: activation (screen snapshot, window shown) and the
// paint that draws the ellipse and the text, for the elliptic hint window
// and for the toolkit's plain one, one of each in turn. Prints one table row
// per figure.
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

// Microseconds of one hint shown, painted and hidden.
double Once(tk::THintWindow& window) {
    const RECT text{300, 300, 506, 315};
    const double start = Now();
    window.ActivateHint(text, L"Entrez ici le tempo servant de base au calcul");
    UpdateWindow(window.Handle());
    window.Hide();
    return Now() - start;
}

double Median(std::vector<double> times) {
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
    // One of each in turn: both see the same state of the machine.
    for (int i = 0; i < 20; ++i) {
        Once(elliptic);
        Once(plain);
    }
    std::vector<double> ellipticTimes;
    std::vector<double> plainTimes;
    for (int i = 0; i < count; ++i) {
        ellipticTimes.push_back(Once(elliptic));
        plainTimes.push_back(Once(plain));
    }
    const double ellipticMedian = Median(ellipticTimes);
    const double plainMedian = Median(plainTimes);
    // Each bubble against the plain hint shown right after it: the machine's
    // moods, which move both, drop out of the ratio.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ellipticTimes.size(); ++i)
        ratios.push_back(ellipticTimes[i] / plainTimes[i]);
    std::printf(
        "| elliptic bubble shown, painted, hidden (median of %d, the two in turn) | %.0f us |\n",
        count, ellipticMedian);
    std::printf("| plain hint window shown, painted, hidden (median of %d) | %.0f us |\n", count,
                plainMedian);
    std::printf("| elliptic bubble / plain hint window (median of the pairs) | %.2f |\n",
                Median(ratios));
    return 0;
}
