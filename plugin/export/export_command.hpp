#pragma once

#include "plugin/interface/calling.hpp"

namespace kz {

// The menu command "K~a~lvet zakupy": one export run; 0 in every case.
int KZ_CDECL eksportujDokumenty();

}  // namespace kz
