#include <cstdlib>
#include <cstring>

#include "host/platform/environment.hpp"

namespace hadrek::platform {

// Through the C library the plug-in shares: its copy of the environment is
// the one getenv reads, which SetEnvironmentVariable would not change. The
// entry is left to the C library, which may keep it as it stands.
void setEnvironment(const std::string& name, const std::string& value) {
    ::_putenv(::_strdup((name + "=" + value).c_str()));
}

}  // namespace hadrek::platform
