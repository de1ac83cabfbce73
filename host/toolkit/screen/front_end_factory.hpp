// Picks the front end for a run of the host.
#pragma once

#include <memory>
#include <vector>

#include "host/toolkit/screen/front_end.hpp"

namespace hadrek::screen {

struct FrontEndOptions {
    std::vector<Key> keys;
    // A key script was given: play it even when a person sits at a terminal.
    bool scripted = false;
    ScriptedFrontEnd::PresentHook onPresent;
};

// A terminal front end where there is one to talk to (no script, stdin and
// stdout both terminals, a build with curses); otherwise the keys given.
// Throws std::runtime_error with a message for the user when the terminal
// is too small for the host screen.
std::unique_ptr<FrontEnd> makeFrontEnd(const FrontEndOptions& options);

}  // namespace hadrek::screen
