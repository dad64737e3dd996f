# Routines written the way compiled application code is laid out, for the exception walk:
# a frame-pointer prologue, the exception slot at [ebp-4], string and object locals below
# it, an inline call-site table after every call and a function table after "leave; ret".
#
# Class numbers of the catch entries (the test's class table):
#   0 RuntimeException, 1 NilObjectException, 3 a class unrelated to exceptions,
#   4 stackOverflowException.
# A routine that catches saves the registers its callers keep (ebx, esi, edi) below its
# locals and restores them on every way out: a handler is entered with whatever the raise
# left in them.
        .intel_syntax noprefix
        .text

# A call-site table: a short jump over the 0x90 and the units that follow.
.macro plain_site
        .byte 0xEB, 0x03, 0x90, 0xEB, 0x00
.endm
.macro handler_site
        .byte 0xEB, 0x05, 0x90, 0xEB, 0x07, 0xEB, 0x00
.endm
# Arguments at byte offsets 4 (string) and 8 (object) are owned by the call.
.macro owning_site
        .byte 0xEB, 0x0B, 0x90, 0xEB, 0x01, 0xEB, 0x04, 0xEB, 0x02, 0xEB, 0x08, 0xEB, 0x00
.endm
# A catch entry: class number and handler distance, both big-endian, the distance counted
# from the distance field itself.
.macro catch_entry class, handler
        .byte 4, (\class >> 8) & 0xFF, \class & 0xFF
9:      .byte ((\handler - 9b) >> 24) & 0xFF, ((\handler - 9b) >> 16) & 0xFF
        .byte ((\handler - 9b) >> 8) & 0xFF, (\handler - 9b) & 0xFF
.endm
# The prologue and the way out of a routine that catches.
.macro catching_prologue
        push ebp
        mov ebp, esp
        sub esp, 12
        push edi
        push esi
        push ebx
        mov dword ptr [ebp-4], 0
.endm
.macro catching_return
        lea esp, [ebp-24]
        pop ebx
        pop esi
        pop edi
        leave
        ret
.endm
# Locals at [ebp-8] (a string) and [ebp-12] (an object), then the end of the table.
.macro locals_and_end
        .byte 5, 0xFF, 0xF8, 6, 0xFF, 0xF4, 0
.endm

# int raiseIt(exception): raises and returns 5 when the raise comes back (EndException).
        .globl _raiseIt
_raiseIt:
        push ebp
        mov ebp, esp
        sub esp, 12
        mov dword ptr [ebp-4], 0
        push dword ptr [ebp+8]
        call _RuntimeRaiseException
        plain_site
        add esp, 4
        mov eax, 5
        leave
        ret
        .byte 0x2F, 0

# int middle(exception, string, object, ownedString, ownedObject): keeps the string and the
# object in its locals and passes the owned ones on to raiseIt's call.
        .globl _middle
_middle:
        push ebp
        mov ebp, esp
        sub esp, 12
        mov dword ptr [ebp-4], 0
        mov eax, [ebp+12]
        mov [ebp-8], eax
        mov eax, [ebp+16]
        mov [ebp-12], eax
        push dword ptr [ebp+24]
        push dword ptr [ebp+20]
        push dword ptr [ebp+8]
        call _raiseIt
        owning_site
        add esp, 12
        leave
        ret
        .byte 0x2F
        locals_and_end

# The outer routines take (exception, string, object, middleString, middleObject,
# ownedString, ownedObject), keep the first string and object in their locals, and call
# middle. A handler returns the exception it finds in the slot at [ebp-4] and leaves its
# locals to the caller's check; the normal path returns 0.
.macro outer_routine name, class
        .globl \name
\name:
        catching_prologue
        mov eax, [ebp+12]
        mov [ebp-8], eax
        mov eax, [ebp+16]
        mov [ebp-12], eax
        push dword ptr [ebp+32]
        push dword ptr [ebp+28]
        push dword ptr [ebp+24]
        push dword ptr [ebp+20]
        push dword ptr [ebp+8]
        call _middle
        plain_site
        mov eax, 0
        catching_return
\name\()_handler:
        mov eax, [ebp-4]
        catching_return
        .byte 0x2F
        catch_entry \class, \name\()_handler
        locals_and_end
.endm

        outer_routine _catchRuntimeException, 0
        outer_routine _catchNilObjectException, 1
        outer_routine _catchUnrelatedClass, 3

# int insideHandler(exception): calls raiseIt from a site marked as inside a catch handler,
# so its own catch entry is passed over; returns 1 if it catches all the same.
        .globl _insideHandler
_insideHandler:
        catching_prologue
        push dword ptr [ebp+8]
        call _raiseIt
        handler_site
        mov eax, 0
        catching_return
insideHandler_handler:
        mov eax, 1
        catching_return
        .byte 0x2F
        catch_entry 0, insideHandler_handler
        .byte 0

# int aroundHandler(exception): calls insideHandler and returns 2 when it catches.
        .globl _aroundHandler
_aroundHandler:
        catching_prologue
        push dword ptr [ebp+8]
        call _insideHandler
        plain_site
        catching_return
aroundHandler_handler:
        mov eax, 2
        catching_return
        .byte 0x2F
        catch_entry 0, aroundHandler_handler
        .byte 0

# int recurse(): checks the stack on entry, counts its depth, and calls itself.
        .globl _recurse
_recurse:
        push ebp
        mov ebp, esp
        sub esp, 12
        call _RuntimeStackCheck
        plain_site
        inc dword ptr [_recursionDepth]
        call _recurse
        plain_site
        leave
        ret
        .byte 0x2F, 0

# int catchStackOverflow(): recurses until the stack check raises; returns the depth reached.
        .globl _catchStackOverflow
_catchStackOverflow:
        catching_prologue
        mov dword ptr [_recursionDepth], 0
        call _recurse
        plain_site
        mov eax, -1
        catching_return
catchStackOverflow_handler:
        lea esp, [ebp-24]
        push dword ptr [ebp-4]
        call _RuntimeUnlockObject
        plain_site
        mov eax, [_recursionDepth]
        catching_return
        .byte 0x2F
        catch_entry 4, catchStackOverflow_handler
        .byte 0

# The image's entry routine and class table, which this fixture does not use.
        .globl _ImageEntry
_ImageEntry:
        xor eax, eax
        ret

        .data
        .globl _recursionDepth
_recursionDepth:
        .long 0
        .globl _ImageClassTable
_ImageClassTable:
        .long 0, 0
