#include "host/toolkit/screen/front_end_factory.hpp"

#include <unistd.h>

#include "host/toolkit/screen/terminal_front_end.hpp"

namespace hadrek::screen {

std::unique_ptr<FrontEnd> makeFrontEnd(const FrontEndOptions& options) {
    if (!options.scripted && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        return std::make_unique<TerminalFrontEnd>();
    }
    return std::make_unique<ScriptedFrontEnd>(options.keys, options.onPresent);
}

}  // namespace hadrek::screen
