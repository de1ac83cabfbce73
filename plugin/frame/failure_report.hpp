// Why the plug-in cannot be activated, told in one "STOP!!!" box.
#pragma once

#include "plugin/interface/host_signatures.hpp"

namespace kz {

// Fills `buffer` (kReportBufferSize bytes); returns the missing-function
// count, 0 leaving the buffer empty.
int missingFunctionText(char* buffer);

// Fills `buffer`; returns -1 when some table size differs, 0 leaving the
// buffer empty.
int tableSizeText(char* buffer);

void failureReport();

}  // namespace kz
