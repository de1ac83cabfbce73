#include "host/toolkit/screen/front_end_factory.hpp"

namespace hadrek::screen {

// The Win32 build has no curses: its runs are always scripted.
std::unique_ptr<FrontEnd> makeFrontEnd(const FrontEndOptions& options) {
    return std::make_unique<ScriptedFrontEnd>(options.keys, options.onPresent);
}

}  // namespace hadrek::screen
