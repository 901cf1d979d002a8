#pragma once
// The benchmarks' clock, their rows and the table they print.
#include <string>
#include <vector>

namespace bench {

double milliseconds();

template <typename Work> double timeOf(Work&& work) {
    const double started = milliseconds();
    work();
    return milliseconds() - started;
}

// A row that is not a ratio to a baseline run beside it: a count or a size, and its goal.
void add(const std::string& name, int n, double measured, double baseline, const std::string& goal,
         bool met);

// Every timed row has the same goal: the program within a tenth of the bare work. Its ratio
// is the median of each run's ratio to the baseline run beside it, which a change in the
// machine's load between runs does not move.
void addTimed(const std::string& name, int n, const std::vector<double>& program,
              const std::vector<double>& baseline);

// The plain message loop of a window whose controls the keyboard moves between.
void pumpPending();

// The program's path and its baseline in turns, each going first every other time, so
// that the machine's changing load and anything left warm fall on both alike.
template <typename Program, typename Baseline>
void timed(const std::string& name, int n, int pairs, Program&& program, Baseline&& baseline) {
    std::vector<double> ours, bare;
    for (int i = 0; i < pairs; ++i) {
        if (i % 2)
            bare.push_back(baseline(i));
        pumpPending(); // what one left behind is not the other's work
        ours.push_back(program(i));
        pumpPending();
        if (i % 2 == 0)
            bare.push_back(baseline(i));
    }
    addTimed(name, n, ours, bare);
}

void printTable();

// Whether a row whose name begins so missed its goal.
bool missed(const std::string& prefix);

} // namespace bench
