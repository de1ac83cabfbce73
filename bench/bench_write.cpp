// Writing 1,000,000 export lines through the real plug-in and host,
// against printing the same fields with one fprintf per line into one
// stream.
//
//     bench_write [--repeat R]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>

#include "bench/in_process_host.hpp"
#include "bench/reference_write.hpp"
#include "bench/timing.hpp"
#include "bench/writer_setup.hpp"

namespace {

// 100 files of each type, the most the writer makes, of 5,000 lines each.
constexpr std::size_t kDocuments = 200;
constexpr std::size_t kLinesEach = 5000;
constexpr std::size_t kLines = kDocuments * kLinesEach;

}  // namespace

int main(int argc, char** argv) try {
    const int repeats = bench::repeatsFrom(argc, argv, "bench_write");
    bench::InProcessHost host(KZ_BENCH_PLUGIN);
    host.useData(bench::documentsWithManyLines(kDocuments, kLinesEach));
    const auto out = host.folder() / "out";
    std::filesystem::create_directory(out);
    // Every row marked, then confirmed: the script ends as the writing starts.
    const std::string keys = bench::optionsWithFolder(out) + " Ctrl-Ins F12";

    double plugin = std::numeric_limits<double>::infinity();
    double reference = plugin;
    for (int i = 0; i < repeats; ++i) {
        plugin = std::min(plugin, host.runCommand(keys).afterKeys);
        const bench::ReferenceWrite again = bench::referenceWrite(out, host.folder() / "reference.txt");
        if (again.lines != kLines) {
            std::fprintf(stderr, "bench_write: the plug-in wrote %zu lines, not %zu\n", again.lines, kLines);
            return 1;
        }
        reference = std::min(reference, again.seconds);
    }
    bench::printComparison("write", "plug-in", plugin, "reference", reference);
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_write: %s\n", error.what());
    return 1;
}
