# Tells ./dev how this machine runs 32-bit x86 code: exit 0 when the kernel
# runs it natively, 3 when it runs under user-mode emulation (the emulator
# reports the emulated machine, not x86_64, in uname), 4 when uname fails.
# A machine that cannot run it at all never gets here ("Exec format error").
        .section .bss
        .lcomm  uts, 390                # struct new_utsname: six fields of 65 bytes

        .section .rodata
native: .asciz  "x86_64"

        .text
        .globl  _start
_start:
        movl    $122, %eax              # newuname
        movl    $uts, %ebx
        int     $0x80
        movl    $4, %ebx
        testl   %eax, %eax
        jnz     done
        leal    uts+260, %esi           # the machine field
        movl    $native, %edi
        movl    $7, %ecx
        cld
        repe cmpsb
        movl    $0, %ebx
        je      done
        movl    $3, %ebx
done:
        movl    $1, %eax                # exit
        int     $0x80
