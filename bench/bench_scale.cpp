// How the scan's and the writer's cost grow with the documents kept: for
// 10^4, 10^5 and 10^6 generated documents, the time per document of each,
// the host process's peak resident memory and the document list's peak
// against one item per kept document and one growth step.
//
//     bench_scale
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

#include "bench/in_process_host.hpp"
#include "bench/reference_scan.hpp"
#include "bench/writer_setup.hpp"
#include "host/data/data_in_use.hpp"
#include "host/data/generator.hpp"
#include "host/services/memory_use.hpp"
#include "plugin/export/pozycja_listy.hpp"

namespace {

constexpr std::size_t kSizes[] = {10'000, 100'000, 1'000'000};

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

// The list's peak against its bound for the documents the run kept.
void printList(const char* step, std::size_t peak, std::size_t kept) {
    const std::size_t item = sizeof(kz::PozycjaListy);
    std::printf("  %s list: peak %zu bytes for %zu kept, bound %zu bytes\n", step, peak, kept,
                item * kept + item * kz::kKrokWzrostu);
}

}  // namespace

int main() try {
    bench::InProcessHost host(KZ_BENCH_PLUGIN);
    const auto out = host.folder() / "out";
    std::filesystem::create_directory(out);
    const std::string writerKeys = bench::optionsWithFolder(out) + " Ctrl-Ins F12";
    for (const std::size_t documents : kSizes) {
        host.useData(hadrek::data::generatePurchaseData(documents, 1));
        const double n = static_cast<double>(documents);

        hadrek::services::restartPeakBlockBytes();
        const double scan = host.runCommand(kScanKeys).afterKeys;
        const std::size_t scanList = hadrek::services::peakBlockBytes();
        // The options the scan saved would filter the writer's list.
        host.forgetOptions();
        hadrek::services::restartPeakBlockBytes();
        const double write = host.runCommand(writerKeys).afterKeys;
        const std::size_t writerList = hadrek::services::peakBlockBytes();

        std::printf("scale %zu documents: scan %.0f ns, writer %.0f ns per document; host peak %ld kB\n", documents,
                    scan * 1e9 / n, write * 1e9 / n, peakResidentKb());
        // Empty filters and no period keep every document with both ids.
        std::size_t everyKept = 0;
        for (const auto& document : hadrek::data::purchaseData().documents)
            everyKept += document.id != 0 && document.id2 != 0;
        printList("scan", scanList, bench::referenceScan(scanOptions()).kept);
        printList("writer", writerList, everyKept);
        std::fflush(stdout);
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_scale: %s\n", error.what());
    return 1;
}
