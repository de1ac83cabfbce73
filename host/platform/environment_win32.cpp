#include <cstdlib>

#include "host/platform/environment.hpp"

namespace hadrek::platform {

// Through the C library the plug-in shares: its copy of the environment is
// the one getenv reads, which SetEnvironmentVariable would not change.
void setEnvironment(const std::string& name, const std::string& value) { ::_putenv_s(name.c_str(), value.c_str()); }

}  // namespace hadrek::platform
