#include "bench/reference_write.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/timing.hpp"
#include "plugin/resources/texts.hpp"

namespace bench {
namespace {

// The 18 fields of a line; the 15 variable ones are printed, two of them
// as numbers again.
constexpr std::size_t kFields = 18;
constexpr std::size_t kValue = 6;
constexpr std::size_t kQuantity = 9;

struct Fields {
    std::array<const char*, kFields> text;
    double value;
    double quantity;
};

// Splits in place: the colons become the fields' ends.
Fields split(std::string& line) {
    Fields fields{};
    std::size_t count = 0;
    char* start = line.data();
    for (char* p = line.data();; ++p) {
        if (*p != ':' && *p != '\0') continue;
        if (count == kFields) throw std::runtime_error("an export line with more than 18 fields");
        const bool last = *p == '\0';
        fields.text[count++] = start;
        *p = '\0';
        start = p + 1;
        if (last) break;
    }
    if (count != kFields) throw std::runtime_error("an export line with " + std::to_string(count) + " fields");
    fields.value = std::strtod(fields.text[kValue], nullptr);
    fields.quantity = std::strtod(fields.text[kQuantity], nullptr);
    return fields;
}

// Lines are read and split a batch at a time, apart from the clock.
constexpr std::size_t kBatch = 1000;

class Printer {
public:
    explicit Printer(const std::filesystem::path& file) : out_(std::fopen(file.c_str(), "w")) {
        if (!out_) throw std::runtime_error("cannot write " + file.string());
    }
    ~Printer() {
        if (out_) std::fclose(out_);
    }
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    void add(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        batch_.push_back(std::move(line));
        if (batch_.size() == kBatch) print();
    }

    ReferenceWrite finish() {
        print();
        const Stopwatch clock;
        std::fclose(out_);
        out_ = nullptr;
        result_.seconds += clock.seconds();
        return result_;
    }

private:
    void print() {
        fields_.clear();
        for (std::string& line : batch_) fields_.push_back(split(line));
        const Stopwatch clock;
        for (const Fields& f : fields_) {
            const auto& t = f.text;
            std::fprintf(out_, kz::texts::kFormatLinii.c_str(), t[0], t[1], t[2], t[3], t[4], t[5], f.value, t[7], t[8],
                         f.quantity, t[10], t[11], t[12], t[13], t[14]);
        }
        result_.seconds += clock.seconds();
        result_.lines += batch_.size();
        batch_.clear();
    }

    std::FILE* out_;
    std::vector<std::string> batch_;
    std::vector<Fields> fields_;
    ReferenceWrite result_;
};

}  // namespace

ReferenceWrite referenceWrite(const std::filesystem::path& exportFolder, const std::filesystem::path& file) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(exportFolder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    Printer printer(file);
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        for (std::string line; std::getline(in, line);) printer.add(std::move(line));
    }
    return printer.finish();
}

}  // namespace bench
