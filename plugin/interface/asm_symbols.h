/* Symbol spelling and position-independent slot access for the i386
   entries, so one source assembles for ELF and for PE/COFF. Assembler
   macros follow, which a C formatter would break. */
/* clang-format off */
#if defined(_WIN32)
#define SYM(name) _##name
#define HIDDEN(name)
/* PE images are relocated by the loader: absolute slot addresses are fine. */
.macro SLOT_JUMP slot
        jmp     *SYM(kz_hostSlots) + 4 * \slot
.endm
#else
#define SYM(name) name
#define HIDDEN(name) .hidden name
/* A shared object must not carry text relocations: reach the slots
   relative to the GOT. EAX is free at every call boundary of the host's
   conventions (arguments on the stack, `this` in ECX). */
.macro SLOT_JUMP slot
        call    kz_pcInEax
        addl    $_GLOBAL_OFFSET_TABLE_, %eax
        jmp     *kz_hostSlots@GOTOFF + 4 * \slot(%eax)
.endm
#endif
