/* One load-time initializer per slot, in slot order, each binding its own
   slot. They run after the early attach hook has found the host module and
   always let the load go on, whatever the binder found. */
#include "plugin/interface/asm_symbols.h"

        .altmacro
#if defined(_WIN32)
/* The MinGW runtime runs .ctors from the end: a higher section number runs
   earlier, so slot 0 takes the highest. */
.macro INIT_SECTION number
        .section .ctors.\number, "w"
.endm
#define INIT_NUMBER(slot) %(64535 - slot)
#else
.macro INIT_SECTION number
        .section .init_array.0\number, "aw"
.endm
#define INIT_NUMBER(slot) %(1000 + slot)
#endif

.macro BIND_NOW slot
        .text
        .p2align 4
SYM(kz_bindNow_\slot):
        pushl   $\slot
        call    SYM(kz_bindSlot)
        addl    $4, %esp
        ret
        INIT_SECTION INIT_NUMBER(\slot)
        .p2align 2
        .long   SYM(kz_bindNow_\slot)
.endm

#define HOST_FUNCTION(slot, ordinal, role, what) BIND_NOW slot;
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION

#if !defined(_WIN32)
        .section .note.GNU-stack, "", @progbits
#endif
