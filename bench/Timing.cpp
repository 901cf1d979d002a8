// The benchmarks' clock, rows and table.
#include "Timing.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

namespace {

struct Stats {
    double median = 0, p95 = 0;
};

Stats statsOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    Stats s;
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    s.p95 =
        samples[std::min(n - 1, static_cast<size_t>(std::ceil(0.95 * static_cast<double>(n))) - 1)];
    return s;
}

struct Row {
    std::string name;
    int n;
    Stats measured;
    Stats baseline;
    double ratio;
    std::string goal;
    bool met;
};

std::vector<Row> rows;

} // namespace

double milliseconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

void add(const std::string& name, int n, double measured, double baseline, const std::string& goal,
         bool met) {
    const double ratio = baseline > 0 ? measured / baseline : 0;
    rows.push_back({name, n, {measured, measured}, {baseline, baseline}, ratio, goal, met});
}

void addTimed(const std::string& name, int n, const std::vector<double>& program,
              const std::vector<double>& baseline) {
    std::vector<double> ratios;
    for (size_t i = 0; i < program.size(); ++i)
        ratios.push_back(program[i] / baseline[i]);
    const double ratio = statsOf(ratios).median;
    rows.push_back(
        {name, n, statsOf(program), statsOf(baseline), ratio, "ratio <= 1.10", ratio <= 1.10});
}

void pumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void printTable() {
    std::printf("\n%-38s %7s %10s %10s %10s %7s  %-14s %s\n", "benchmark", "N", "median", "p95",
                "baseline", "ratio", "goal", "");
    for (const Row& r : rows) {
        std::printf("%-38s %7d %10.3f %10.3f %10.3f %7.2f  %-14s %s\n", r.name.c_str(), r.n,
                    r.measured.median, r.measured.p95, r.baseline.median, r.ratio, r.goal.c_str(),
                    r.met ? "met" : "NOT MET");
    }
}

bool missed(const std::string& prefix) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const Row& r) { return r.name.starts_with(prefix) && !r.met; });
}

} // namespace bench
