// Linked instead of quick_exit.cpp in the coverage build. The launcher
// shares its list of counters with the plug-in's (see plugin/CMakeLists.txt),
// so one dump saves both.
#include "host/core/quick_exit.hpp"

#include <cstdlib>

extern "C" void __gcov_dump();

namespace hadrek {

void quickExit(int exitCode) {
    __gcov_dump();
    std::_Exit(exitCode);
}

}  // namespace hadrek
