// The host's one way to end a run at once, skipping destructors and exit
// handlers: the plug-in may have left the process in any state.
#pragma once

namespace hadrek {

// The coverage build saves its counters first, which only a normal exit
// would do; every other build just exits.
[[noreturn]] void quickExit(int exitCode);

}  // namespace hadrek
