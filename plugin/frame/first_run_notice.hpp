#pragma once

namespace kz {

// Tells the user where the new command sits, until the INI key "Pytaj"
// holds a non-zero number; what is stored is what the host's notice left.
void firstRunNotice();

}  // namespace kz
