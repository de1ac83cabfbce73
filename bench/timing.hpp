// Wall-clock timing and the one-line comparisons the benchmarks print.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

class Stopwatch {
public:
    double seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_ = Clock::now();
};

// The runs a benchmark takes its best of: 3, or R from "--repeat R"; any
// other command line prints the usage of `program` and ends it with 2.
inline int repeatsFrom(int argc, char** argv, const char* program) {
    if (argc == 1) return 3;
    const int repeats = argc == 3 && std::strcmp(argv[1], "--repeat") == 0 ? std::atoi(argv[2]) : 0;
    if (repeats > 0) return repeats;
    std::fprintf(stderr, "usage: %s [--repeat R]\n", program);
    std::exit(2);
}

// "scan: plug-in 0.412 s, reference 0.301 s, ratio 1.37"
inline void printComparison(const char* subject, const char* first, double firstSeconds, const char* second,
                            double secondSeconds) {
    std::printf("%s: %s %.3f s, %s %.3f s, ratio %.2f\n", subject, first, firstSeconds, second, secondSeconds,
                firstSeconds / secondSeconds);
    std::fflush(stdout);
}

}  // namespace bench
