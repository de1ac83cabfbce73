// The built-in sample: examples/sample-data.json, compiled in, so the host
// serves it without a --data file and from any folder.
#pragma once

#include <string_view>

namespace hadrek::data {

std::string_view sampleDataJson();

}  // namespace hadrek::data
