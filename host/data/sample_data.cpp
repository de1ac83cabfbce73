#include "host/data/sample_data.hpp"

#include "sample_data_json.hpp"

namespace hadrek::data {

std::string_view sampleDataJson() { return kSampleDataJson; }

}  // namespace hadrek::data
