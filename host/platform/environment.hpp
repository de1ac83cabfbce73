// The launcher's own environment, as the plug-in's C library reads it.
#pragma once

#include <string>

namespace hadrek::platform {

void setEnvironment(const std::string& name, const std::string& value);

}  // namespace hadrek::platform
