// Calling conventions of the host's ABI, spelled once for both flavours.
#pragma once

#define KZ_CDECL __attribute__((cdecl))
#define KZ_STDCALL __attribute__((stdcall))
#define KZ_THISCALL __attribute__((thiscall))
