// How the scan's and the writer's cost grow with the documents in the
// tables: for 10^4, 10^5 and 10^6 generated documents, the time per
// document of each, the host process's peak resident memory and the
// document list's peak against one item per kept document and one growth
// step.
//
// A run costs the same dialogs and screens however many documents it meets,
// so a time per document is what a run takes beyond the same run over
// kBaseline documents. The writer is given kMarked documents to write: the
// part of its work that grows with the tables is the walk over every header
// of both types, each looked up among the chosen. Each time is the best of
// R runs.
//
//     bench_scale [--repeat R]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>

#include "bench/in_process_host.hpp"
#include "bench/reference_scan.hpp"
#include "bench/timing.hpp"
#include "bench/writer_setup.hpp"
#include "host/data/data_in_use.hpp"
#include "host/data/generator.hpp"
#include "host/services/memory_use.hpp"
#include "plugin/export/pozycja_listy.hpp"

namespace {

constexpr std::size_t kSizes[] = {10'000, 100'000, 1'000'000};
constexpr std::size_t kBaseline = 2'000;
constexpr std::size_t kMarked = 10;

// Both steps keep the documents of 2026 whose contractor's name holds the
// generator's marked name, about one in a hundred. The scan's keys end on
// the confirming key: the time after it is the scan and the list's showing,
// free of the options dialog.
const char kFilters[] = "F2 \"20260101\" F3 \"20261231\" F4 \"kowal\"";
const std::string kScanKeys = std::string(kFilters) + " F12";

kz::OpcjeEksportu filterOptions() {
    kz::OpcjeEksportu o{};
    std::strcpy(o.okresOd, "20260101");
    std::strcpy(o.okresDo, "20261231");
    std::strcpy(o.filtrNazwy, "kowal");
    return o;
}

// The writer's keys: the folder, the filters, the first kMarked rows marked
// and the writing confirmed.
std::string writerKeys(const std::filesystem::path& out) {
    return bench::repeated("Tab", 6) + " \"" + out.string() + "\" " + kFilters + " F12" +
           bench::repeated("Ins", kMarked) + " F12";
}

// The process's peak resident set in kB, as the kernel counts it.
long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(std::strlen("VmHWM:")));
    return -1;
}

// The best of `repeats` runs of the command, and the list's peak in the
// last of them.
struct Best {
    double seconds;
    std::size_t listPeak;
};

Best bestOf(int repeats, bench::InProcessHost& host, const std::string& keys) {
    Best best{std::numeric_limits<double>::infinity(), 0};
    for (int i = 0; i < repeats; ++i) {
        hadrek::services::restartPeakBlockBytes();
        best.seconds = std::min(best.seconds, host.runCommand(keys).afterKeys);
        best.listPeak = hadrek::services::peakBlockBytes();
        // The options a scan saves would filter the writer's list.
        host.forgetOptions();
    }
    return best;
}

// The writer's runs, each into an emptied folder that must then hold
// exactly the marked documents' files: keys that went astray would time
// something else.
Best bestWriting(int repeats, bench::InProcessHost& host, const std::filesystem::path& out) {
    const std::string keys = writerKeys(out);
    Best best{std::numeric_limits<double>::infinity(), 0};
    for (int i = 0; i < repeats; ++i) {
        std::filesystem::remove_all(out);
        std::filesystem::create_directory(out);
        const Best run = bestOf(1, host, keys);
        const auto files = static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(out), std::filesystem::directory_iterator()));
        if (files != kMarked)
            throw std::runtime_error("the writer wrote " + std::to_string(files) + " files, not " +
                                     std::to_string(kMarked));
        best = {std::min(best.seconds, run.seconds), run.listPeak};
    }
    return best;
}

// The list's peak against its bound for the documents the run kept.
void printList(const char* step, std::size_t peak, std::size_t kept) {
    const std::size_t item = sizeof(kz::PozycjaListy);
    std::printf("  %s list: peak %zu bytes for %zu kept, bound %zu bytes\n", step, peak, kept,
                item * kept + item * kz::kKrokWzrostu);
}

double perDocument(double seconds, double baseline, std::size_t documents) {
    return (seconds - baseline) * 1e9 / static_cast<double>(documents - kBaseline);
}

}  // namespace

int main(int argc, char** argv) try {
    const int repeats = bench::repeatsFrom(argc, argv, "bench_scale");
    bench::InProcessHost host(KZ_BENCH_PLUGIN);
    const auto out = host.folder() / "out";

    // Both commands run once before anything is measured: the first run of
    // a process pays for what later runs find ready.
    host.useData(hadrek::data::generatePurchaseData(kBaseline, 1));
    bestOf(1, host, kScanKeys);
    bestWriting(1, host, out);
    const double scanBaseline = bestOf(repeats, host, kScanKeys).seconds;
    const double writerBaseline = bestWriting(repeats, host, out).seconds;
    std::printf("scale: the runs over %zu documents the others are measured from: scan %.1f ms, writer %.1f ms\n",
                kBaseline, scanBaseline * 1e3, writerBaseline * 1e3);

    for (const std::size_t documents : kSizes) {
        host.useData(hadrek::data::generatePurchaseData(documents, 1));
        const Best scan = bestOf(repeats, host, kScanKeys);
        const Best write = bestWriting(repeats, host, out);
        std::printf("scale %zu documents: scan %.0f ns, writer %.0f ns per document; host peak %ld kB\n", documents,
                    perDocument(scan.seconds, scanBaseline, documents),
                    perDocument(write.seconds, writerBaseline, documents), peakResidentKb());
        const std::size_t kept = bench::referenceScan(filterOptions()).kept;
        printList("scan", scan.listPeak, kept);
        printList("writer", write.listPeak, kept);
        std::fflush(stdout);
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_scale: %s\n", error.what());
    return 1;
}
