// The writer's selection test: the writing step over 16,000 purchase
// invoices that pass the filter but are not chosen and 16,000 goods
// receipts, with all receipts chosen against only 100 of them. Both runs
// write the same 100 receipt files (the most per type) and walk the same
// headers, so only the size of the list the test searches differs.
//
//     bench_selection [--repeat R]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "bench/in_process_host.hpp"
#include "bench/timing.hpp"
#include "bench/writer_setup.hpp"

namespace {

constexpr std::size_t kEach = 16000;
constexpr std::size_t kFewChosen = 100;
constexpr std::size_t kFilesPerType = 100;

// The list shows the invoices first, then the receipts. Every row marked,
// then the invoices' rows unmarked one by one from the top.
std::string allReceipts() { return " Home Ctrl-Ins" + bench::repeated("Ins", kEach) + " F12"; }

// The last rows: the receipts whose files the writer makes first.
std::string fewReceipts() {
    return " End" + bench::repeated("Up", kFewChosen - 1) + bench::repeated("Ins", kFewChosen) + " F12";
}

// The files a run left, by kind, and their names and bytes in name order.
struct Written {
    std::size_t receipts = 0;
    std::size_t others = 0;
    std::string content;
};

Written written(const std::filesystem::path& out) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(out)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    Written w;
    for (const auto& file : files) {
        const std::string name = file.filename().string();
        ++(name.rfind("DOWODY.P", 0) == 0 ? w.receipts : w.others);
        std::ifstream in(file, std::ios::binary);
        w.content += name + '\n' + std::string(std::istreambuf_iterator<char>(in), {});
    }
    return w;
}

}  // namespace

int main(int argc, char** argv) try {
    const int repeats = bench::repeatsFrom(argc, argv, "bench_selection");
    bench::InProcessHost host(KZ_BENCH_PLUGIN);
    host.useData(bench::invoicesThenReceipts(kEach));
    const auto out = host.folder() / "out";
    std::filesystem::create_directory(out);
    const std::string options = bench::optionsWithFolder(out);

    double many = std::numeric_limits<double>::infinity();
    double few = many;
    for (int i = 0; i < repeats; ++i) {
        many = std::min(many, host.runCommand(options + allReceipts()).afterKeys);
        const Written fromMany = written(out);
        few = std::min(few, host.runCommand(options + fewReceipts()).afterKeys);
        if (fromMany.receipts != kFilesPerType || fromMany.others != 0 || written(out).content != fromMany.content) {
            std::fprintf(stderr, "bench_selection: the runs did not both write the same %zu receipt files\n",
                         kFilesPerType);
            return 1;
        }
    }
    const std::string manyChosen = std::to_string(kEach) + " chosen";
    const std::string fewChosen = std::to_string(kFewChosen) + " chosen";
    bench::printComparison("selection test", manyChosen.c_str(), many, fewChosen.c_str(), few);
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_selection: %s\n", error.what());
    return 1;
}
