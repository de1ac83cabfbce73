// Sanitizer defaults built into every native program of the project, so a
// person running build/linux/hadrek by hand needs no environment variable.
//
// Under user-mode emulation of i386 LeakSanitizer's stop-the-world never
// finishes and the program spins at exit for ever. The emulator reports the
// emulated machine in uname, whereas the kernel reports x86_64 to a 32-bit
// process it runs natively; leak checks stay on wherever they can work.
#include <sys/utsname.h>

// Called while the sanitizer runtime starts, before its shadow memory
// exists: nothing here may be instrumented or intercepted.
extern "C" __attribute__((no_sanitize("address", "undefined"))) const char* __asan_default_options() {
    static struct utsname machine;
    static const char native[] = "x86_64";
    if (uname(&machine) != 0) return "";
    for (unsigned i = 0; i < sizeof native; ++i)
        if (machine.machine[i] != native[i]) return "detect_leaks=0";
    return "";
}
