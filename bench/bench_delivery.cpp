// What one cursor step of the stand-in host costs, a header's and a line's,
// against copying a record of the same size with memcpy, as a host that
// keeps its records stored would deliver them.
//
//     bench_delivery [--repeat R]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>
#include <vector>

#include "bench/record_walk.hpp"
#include "bench/timing.hpp"
#include "bench/writer_setup.hpp"
#include "host/data/data_in_use.hpp"
#include "host/data/generator.hpp"
#include "plugin/interface/rekordy_zakupow.hpp"

namespace {

constexpr std::size_t kHeaders = 200'000;
constexpr std::size_t kDocumentsWithLines = 40;
constexpr std::size_t kLinesEach = 5000;
// Stored records copied in turn: more than the processor's caches hold, as
// a real host's stored records would be.
constexpr std::size_t kStored = 8192;

double nanoseconds(double seconds, std::size_t steps) { return seconds * 1e9 / static_cast<double>(steps); }

// Nanoseconds per copy of a `size`-byte record from a store of kStored.
double copyTime(std::size_t size, std::size_t copies) {
    std::vector<unsigned char> stored(kStored * size, 1);
    std::vector<unsigned char> buffer(size);
    const bench::Stopwatch clock;
    for (std::size_t i = 0; i < copies; ++i) {
        std::memcpy(buffer.data(), &stored[(i % kStored) * size], size);
        // The copy must happen although nothing reads the buffer.
        asm volatile("" : : "r"(buffer.data()) : "memory");
    }
    return nanoseconds(clock.seconds(), copies);
}

double headerTime() {
    hadrek::data::usePurchaseData(hadrek::data::generatePurchaseData(kHeaders, 1));
    bench::RecordWalk walk;
    const bench::Stopwatch clock;
    std::size_t steps = 0;
    for (const int type : {kz::kTypZakup, kz::kTypPZ}) steps += walk.headers(type, [](const unsigned char*) {});
    return nanoseconds(clock.seconds(), steps);
}

double lineTime() {
    hadrek::data::usePurchaseData(bench::documentsWithManyLines(kDocumentsWithLines, kLinesEach));
    bench::RecordWalk walk;
    std::vector<std::pair<int, std::int32_t>> documents;
    for (const auto& document : hadrek::data::purchaseData().documents)
        documents.emplace_back(document.type, document.id);
    const bench::Stopwatch clock;
    std::size_t steps = 0;
    for (const auto& [type, id] : documents) steps += walk.lines(type, id, [](const unsigned char*) {});
    return nanoseconds(clock.seconds(), steps);
}

}  // namespace

int main(int argc, char** argv) try {
    const int repeats = bench::repeatsFrom(argc, argv, "bench_delivery");
    double header = std::numeric_limits<double>::infinity();
    double line = header;
    double copyHeader = header;
    double copyLine = header;
    for (int i = 0; i < repeats; ++i) {
        header = std::min(header, headerTime());
        line = std::min(line, lineTime());
        copyHeader = std::min(copyHeader, copyTime(kz::kRozmiarTzak, kHeaders));
        copyLine = std::min(copyLine, copyTime(kz::kRozmiarTzakDok, kDocumentsWithLines * kLinesEach));
    }
    std::printf("delivery: header %.0f ns, line %.0f ns, copy %.0f ns\n", header, line, copyHeader);
    std::printf("delivery: a header costs %.2f copies of its %d bytes, a line %.2f of its %d (copy %.0f ns)\n",
                header / copyHeader, kz::kRozmiarTzak, line / copyLine, kz::kRozmiarTzakDok, copyLine);
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_delivery: %s\n", error.what());
    return 1;
}
