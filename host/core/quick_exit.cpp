#include "host/core/quick_exit.hpp"

#include <cstdlib>

namespace hadrek {

void quickExit(int exitCode) { std::_Exit(exitCode); }

}  // namespace hadrek
