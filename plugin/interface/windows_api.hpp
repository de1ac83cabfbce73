// The six Windows calls the plug-in makes, and nothing else of Windows.
// On Windows they come from kernel32/user32; on Linux the loading host
// defines them with the same names and calling conventions, so the rest of
// the plug-in is written once against this header.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdint>
#define WINAPI __attribute__((stdcall))
typedef void* HMODULE;
typedef int BOOL;
typedef unsigned long DWORD;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef int(WINAPI* FARPROC)();

extern "C" {
HMODULE WINAPI GetModuleHandleA(LPCSTR name);
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
BOOL WINAPI IsDebuggerPresent();
void WINAPI OutputDebugStringA(LPCSTR text);
int __attribute__((cdecl)) wsprintfA(LPSTR buffer, LPCSTR format, ...);
}
#endif
