// How the scan's and the writer's cost grow with the documents kept: for
// 10^4, 10^5 and 10^6 generated documents, the time per document of each,
// the host process's peak resident memory and the document list's peak
// against one item per kept document and one growth step.
//
// A run costs the same dialogs and screens however many documents it
// meets: the scan's time per document is what a run takes beyond a run over
// kBaseline documents. The writer writes at most 100 files of each type
// whatever the tables hold, so its time is per document and per line
// written. Each time is the best of R runs.
//
//     bench_scale [--repeat R]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
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
constexpr std::size_t kBaseline = 100;

// The scan keeps the documents of 2026 whose contractor's name holds the
// generator's marked name; the writer's list keeps every document. The
// scan's keys end on the confirming key: the time after it is the scan
// and the list's showing, free of the options dialog.
const char kScanKeys[] = "F2 \"20260101\" F3 \"20261231\" F4 \"kowal\" F12";

// The process's peak resident set in kB, as the kernel counts it.
long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(std::strlen("VmHWM:")));
    return -1;
}

kz::OpcjeEksportu scanOptions() {
    kz::OpcjeEksportu o{};
    std::strcpy(o.okresOd, "20260101");
    std::strcpy(o.okresDo, "20261231");
    std::strcpy(o.filtrNazwy, "kowal");
    return o;
}

struct Written {
    std::size_t documents = 0;
    std::size_t lines = 0;
};

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

// One file per document, one line per line record.
Written writtenTo(const std::filesystem::path& folder) {
    Written written;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++written.documents;
        std::ifstream file(entry.path(), std::ios::binary);
        for (std::string line; std::getline(file, line);) ++written.lines;
    }
    return written;
}

// The list's peak against its bound for the documents the run kept.
void printList(const char* step, std::size_t peak, std::size_t kept) {
    const std::size_t item = sizeof(kz::PozycjaListy);
    std::printf("  %s list: peak %zu bytes for %zu kept, bound %zu bytes\n", step, peak, kept,
                item * kept + item * kz::kKrokWzrostu);
}

}  // namespace

int main(int argc, char** argv) try {
    const int repeats = bench::repeatsFrom(argc, argv, "bench_scale");
    bench::InProcessHost host(KZ_BENCH_PLUGIN);
    const auto out = host.folder() / "out";
    std::filesystem::create_directory(out);
    const std::string writerKeys = bench::optionsWithFolder(out) + " Ctrl-Ins F12";

    // Both commands run once before anything is measured: the first run of
    // a process pays for what later runs find ready.
    host.useData(hadrek::data::generatePurchaseData(kBaseline, 1));
    bestOf(1, host, kScanKeys);
    bestOf(1, host, writerKeys);
    const double baseline = bestOf(repeats, host, kScanKeys).seconds;
    std::printf("scale: a scan over %zu documents takes %.1f ms, the part of every run that does not grow\n", kBaseline,
                baseline * 1e3);

    for (const std::size_t documents : kSizes) {
        host.useData(hadrek::data::generatePurchaseData(documents, 1));
        const Best scan = bestOf(repeats, host, kScanKeys);
        const Best write = bestOf(repeats, host, writerKeys);
        const Written written = writtenTo(out);
        std::printf(
            "scale %zu documents: scan %.0f ns per document; writer %.0f ns per document, %.0f ns per line "
            "written (%zu, %zu); host peak %ld kB\n",
            documents, (scan.seconds - baseline) * 1e9 / static_cast<double>(documents - kBaseline),
            write.seconds * 1e9 / static_cast<double>(written.documents),
            write.seconds * 1e9 / static_cast<double>(written.lines), written.documents, written.lines,
            peakResidentKb());
        // Empty filters and no period keep every document with both ids.
        std::size_t everyKept = 0;
        for (const auto& document : hadrek::data::purchaseData().documents)
            everyKept += document.id != 0 && document.id2 != 0;
        printList("scan", scan.listPeak, bench::referenceScan(scanOptions()).kept);
        printList("writer", write.listPeak, everyKept);
        std::fflush(stdout);
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_scale: %s\n", error.what());
    return 1;
}
