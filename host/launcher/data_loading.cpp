#include "host/launcher/data_loading.hpp"

#include <iostream>

#include "host/core/context.hpp"
#include "host/data/data_file.hpp"
#include "host/data/data_in_use.hpp"
#include "host/data/generator.hpp"
#include "host/data/sample_data.hpp"

namespace hadrek {

void loadPurchaseData(const HostOptions& options) {
    const bool sample = options.dataPath.empty();
    const std::string source = sample ? "the built-in sample" : options.dataPath;
    try {
        data::usePurchaseData(sample ? data::readPurchaseData(data::sampleDataJson())
                                     : data::readPurchaseDataFile(options.dataPath));
    } catch (const data::DataError& error) {
        fatal(kExitUsage, "bad purchase data in " + source + ": " + error.what(), {{"data", source}});
    }
    const data::PurchaseData& data = data::purchaseData();
    std::size_t lines = 0;
    for (const data::Document& document : data.documents) lines += document.lines.size();
    context().log.write({{"event", "data"},
                         {"source", source},
                         {"documents", data.documents.size()},
                         {"lines", lines},
                         {"contractors", data.contractors.size()},
                         {"rates", data.rates.size()}});
}

int writeGeneratedData(const HostOptions& options) {
    data::writeGeneratedData(std::cout, *options.generate, options.seed);
    std::cout.flush();
    if (std::cout) return 0;
    std::cerr << "hadrek: cannot write the generated data\n";
    return 1;
}

}  // namespace hadrek
