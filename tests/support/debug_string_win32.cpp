// GoogleTest hands every failure and skip message to OutputDebugStringA as
// well as to stdout. Wine answers that call by raising a debug exception,
// and under user-mode emulation of i386 that exception comes back as an
// illegal instruction that kills the test binary: a failing case would then
// show as a crash instead of its message. The test binaries therefore bind
// the import to a function that drops the copy; stdout keeps the message.
#include <windows.h>

namespace {

void WINAPI dropDebugString(LPCSTR) {}

}  // namespace

// The import slot GoogleTest's object code calls through; defining it here
// keeps the linker from taking kernel32's.
extern "C" {
void(WINAPI* kz_debugStringImport)(LPCSTR) __asm__("__imp__OutputDebugStringA@4") = &dropDebugString;
}
