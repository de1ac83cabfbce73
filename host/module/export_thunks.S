/* The Win32 host module's exports: one thunk per ordinal, jumping through
   the registry's table of implementations, whatever their convention. */
#define HOST_FUNCTION(slot, ordinal, role, what) EXPORT_THUNK slot, ordinal;

.macro EXPORT_THUNK slot, ordinal
        .text
        .p2align 4
        .globl  _hadrek_export_\ordinal
_hadrek_export_\ordinal:
        jmp     *_hadrek_serviceTable + 4 * \slot
.endm

#include "plugin/interface/host_functions.inc"
