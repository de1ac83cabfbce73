// A handler that changed the running dialog's fields or rows has it drawn
// again before the host goes on.
#pragma once

#include "plugin/export/wolaj_hosta.hpp"
#include "plugin/interface/host_signatures.hpp"

namespace kz {

// 52034 with the one request the host knows.
inline void przerysujDialog() {
    wolajHosta<Slot::DialogRedraw>()(kRedrawRunningDialog.window, kRedrawRunningDialog.flags, kRedrawRunningDialog.now);
}

}  // namespace kz
