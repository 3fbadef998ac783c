// The delay core's time per table: ComputeDelays over every accepted tempo
// (10 to 250) and every beat unit, timed in rounds; prints one table row
// with the median round's time per table.
// Usage: delay-bench ROUNDS
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "Clock.h"
#include "core/DelayTable.h"

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 50;
    constexpr rytmalo::BeatUnit kUnits[] = {2, 4, 8, 16};
    constexpr int kPasses = 20;
    // Kept, so that no computation can be left out.
    volatile std::int64_t sink = 0;
    std::vector<double> nsPerTable;
    long tables = 0;
    for (int round = 0; round < rounds; ++round) {
        std::int64_t sum = 0;
        tables = 0;
        const double start = Now();
        for (int pass = 0; pass < kPasses; ++pass) {
            for (int tempo = 10; tempo <= 250; ++tempo) {
                for (rytmalo::BeatUnit unit : kUnits) {
                    const auto table = rytmalo::ComputeDelays(static_cast<float>(tempo), unit);
                    sum += (*table)[0] + (*table)[9];
                    ++tables;
                }
            }
        }
        nsPerTable.push_back((Now() - start) * 1e9 / static_cast<double>(tables));
        sink = sink + sum;
    }
    std::sort(nsPerTable.begin(), nsPerTable.end());
    std::printf("| delay core, one table of ten delays (median of %d rounds of %ld) | %.0f ns |\n",
                rounds, tables, nsPerTable[nsPerTable.size() / 2]);
    return 0;
}
