#include "PageTiming.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace bench {

double NowMs() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) * 1000 / static_cast<double>(f.QuadPart);
}

void Chord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *key;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void UntilPainted(const std::function<void()>& pump) {
    do {
        pump();
    } while (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0);
}

double PaintedMs(const std::function<void()>& action, const std::function<void()>& pump) {
    const double start = NowMs();
    action();
    UntilPainted(pump);
    return NowMs() - start;
}

void Samples::Print() {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[static_cast<std::size_t>(q * (ms.size() - 1) + 0.5)];
    };
    std::printf("| %s (median of %zu) | %.1f ms (quartiles %.1f–%.1f) |\n", figure, ms.size(),
                at(0.5), at(0.25), at(0.75));
}

}  // namespace bench
