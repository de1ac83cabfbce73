#include <cstdlib>

#include "host/platform/environment.hpp"

namespace hadrek::platform {

void setEnvironment(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }

}  // namespace hadrek::platform
