/* The host function slots and, per slot, its lazy entry and its slot jump.
   A slot starts at its lazy entry; the binder replaces it with the host's
   address (or null) once, at load. */
#include "plugin/interface/asm_symbols.h"

#if !defined(_WIN32)
        .section .text.kz_pcInEax, "ax", @progbits
        .p2align 4
kz_pcInEax:
        movl    (%esp), %eax
        ret
#endif

        .data
        .p2align 2
        .globl  SYM(kz_hostSlots)
        HIDDEN(SYM(kz_hostSlots))
SYM(kz_hostSlots):
#define HOST_FUNCTION(slot, ordinal, role, what) .long SYM(kz_lazy_##slot);
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION

        .text
/* Binds the slot, then continues into the bound function as if it had been
   called directly: arguments, `this` (ECX) and the return address are left
   as the caller made them. EDX is kept too, for callers that use it. */
.macro LAZY_ENTRY slot
        .p2align 4
        .globl  SYM(kz_lazy_\slot)
        HIDDEN(SYM(kz_lazy_\slot))
SYM(kz_lazy_\slot):
        pushl   %ecx
        pushl   %edx
        pushl   $\slot
        call    SYM(kz_bindSlot)
        addl    $4, %esp
        popl    %edx
        popl    %ecx
        testl   %eax, %eax
        jz      SYM(kz_unboundCall)
        jmp     *%eax
.endm

.macro JUMP_ENTRY slot
        .p2align 4
        .globl  SYM(kz_jump_\slot)
        HIDDEN(SYM(kz_jump_\slot))
SYM(kz_jump_\slot):
        SLOT_JUMP \slot
.endm

#define HOST_FUNCTION(slot, ordinal, role, what) LAZY_ENTRY slot; JUMP_ENTRY slot;
#include "plugin/interface/host_functions.inc"
#undef HOST_FUNCTION

/* The host lacks the function a lazy entry was asked to complete. Only a
   slot that load-time binding never reached can get here: the plug-in's own
   call sites test their slot for null first. Answer 0 rather than jump to
   address 0. */
        .p2align 4
        .globl  SYM(kz_unboundCall)
        HIDDEN(SYM(kz_unboundCall))
SYM(kz_unboundCall):
        xorl    %eax, %eax
        ret

#if !defined(_WIN32)
        .section .note.GNU-stack, "", @progbits
#endif
