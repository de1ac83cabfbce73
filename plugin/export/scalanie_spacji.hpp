#pragma once

namespace kz {

// Every run of blanks (0x20) becomes one blank, in place, also at the start
// and the end of the text; tabs and other characters stay. Returns `tekst`.
char* scalSpacje(char* tekst);

}  // namespace kz
