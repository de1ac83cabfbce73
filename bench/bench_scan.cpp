// The scan through the real plug-in and host, against the bare filter
// loop on the same records; and the document list's peak memory against
// what one item per kept document and one growth step allow.
//
//     bench_scan [--documents N] [--repeat R]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <string>

#include "bench/in_process_host.hpp"
#include "bench/reference_scan.hpp"
#include "bench/timing.hpp"
#include "host/data/generator.hpp"
#include "host/services/memory_use.hpp"
#include "plugin/export/pozycja_listy.hpp"

namespace {

// A period of the generated data's year 2026 and a name that one document
// in a hundred has: 1 % of the headers pass the filter.
constexpr char kFrom[] = "20260101";
constexpr char kTo[] = "20261231";
constexpr char kName[] = "kowal";

// Confirms the options dialog with the period and the name filter, then
// leaves the selection list.
std::string keys() { return std::string("F2 \"") + kFrom + "\" F3 \"" + kTo + "\" F4 \"" + kName + "\" F12 Esc"; }

kz::OpcjeEksportu options() {
    kz::OpcjeEksportu o{};
    std::strcpy(o.okresOd, kFrom);
    std::strcpy(o.okresDo, kTo);
    std::strcpy(o.filtrNazwy, kName);
    return o;
}

struct Arguments {
    std::size_t documents = 1'000'000;
    int repeats = 3;
};

bool parse(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (value <= 0) return false;
        if (std::strcmp(argv[i], "--documents") == 0)
            arguments.documents = static_cast<std::size_t>(value);
        else if (std::strcmp(argv[i], "--repeat") == 0)
            arguments.repeats = static_cast<int>(value);
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) try {
    Arguments arguments;
    if (!parse(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: bench_scan [--documents N] [--repeat R]\n");
        return 2;
    }
    bench::InProcessHost host(KZ_BENCH_PLUGIN);
    host.useData(hadrek::data::generatePurchaseData(arguments.documents, 1));

    // Turn about, so that the others' load on the machine meets both alike;
    // the fastest of each counts.
    std::size_t peak = 0;
    double plugin = std::numeric_limits<double>::infinity();
    bench::ReferenceScan reference;
    double referenceSeconds = plugin;
    for (int i = 0; i < arguments.repeats; ++i) {
        hadrek::services::restartPeakBlockBytes();
        plugin = std::min(plugin, host.runCommand(keys()).whole);
        peak = hadrek::services::peakBlockBytes();
        reference = bench::referenceScan(options());
        referenceSeconds = std::min(referenceSeconds, reference.seconds);
    }

    bench::printComparison("scan", "plug-in", plugin, "reference", referenceSeconds);
    const std::size_t kept = reference.kept;
    const std::size_t item = sizeof(kz::PozycjaListy);
    const std::size_t bound = item * kept + item * kz::kKrokWzrostu;
    std::printf("document list: peak %zu bytes, bound %zu bytes (kept %zu)\n", peak, bound, kept);
    // A list smaller than the kept documents means the command never got
    // to scan what the reference filtered: the timing would be meaningless.
    if (peak < item * kept) {
        std::fprintf(stderr, "bench_scan: the plug-in's list never held the %zu documents the reference kept\n", kept);
        return 1;
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_scan: %s\n", error.what());
    return 1;
}
