# int callCatchingOutOfBounds(routine, context): calls routine(context) from a frame laid out
# as compiled application code, with a catch entry for class number 0 of the class table
# (the tests put OutOfBoundsException there). Returns 0 when the routine returns and 1 when
# the catch entry was taken; the handler releases the exception it finds at [ebp-4].
# The registers the caller keeps (ebx, esi, edi) are saved below the locals and restored on
# both ways out: a handler is entered with whatever the raise left in them.
#include "tests/support/exceptiontables.inc"
        .intel_syntax noprefix
        .text
        .globl _callCatchingOutOfBounds
_callCatchingOutOfBounds:
        push ebp
        mov ebp, esp
        sub esp, 12
        push edi
        push esi
        push ebx
        mov dword ptr [ebp-4], 0
        push dword ptr [ebp+12]
        call dword ptr [ebp+8]
        call_site
        mov eax, 0
        jmp finished
caught:
        lea esp, [ebp-24]
        push dword ptr [ebp-4]
        call _RuntimeUnlockObject
        call_site callSiteInsideHandler
        mov eax, 1
finished:
        lea esp, [ebp-24]
        pop ebx
        pop esi
        pop edi
        leave
        ret
        .byte functionTableMarker
        catch_entry 0, caught
        .byte tableEnd
