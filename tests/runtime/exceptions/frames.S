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
#include "tests/support/exceptiontables.inc"
        .intel_syntax noprefix
        .text

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
        .byte tableStringLocal, 0xFF, 0xF8, tableObjectLocal, 0xFF, 0xF4, tableEnd
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
        call_site
        add esp, 4
        mov eax, 5
        leave
        ret
        .byte functionTableMarker, tableEnd

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
        call_site callSiteOwnedString, 4, callSiteOwnedObject, 8   # the arguments at 4 and 8 are the call's
        add esp, 12
        leave
        ret
        .byte functionTableMarker
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
        call_site
        mov eax, 0
        catching_return
\name\()_handler:
        mov eax, [ebp-4]
        catching_return
        .byte functionTableMarker
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
        call_site callSiteInsideHandler
        mov eax, 0
        catching_return
insideHandler_handler:
        mov eax, 1
        catching_return
        .byte functionTableMarker
        catch_entry 0, insideHandler_handler
        .byte tableEnd

# int aroundHandler(exception): calls insideHandler and returns 2 when it catches.
        .globl _aroundHandler
_aroundHandler:
        catching_prologue
        push dword ptr [ebp+8]
        call _insideHandler
        call_site
        catching_return
aroundHandler_handler:
        mov eax, 2
        catching_return
        .byte functionTableMarker
        catch_entry 0, aroundHandler_handler
        .byte tableEnd

# A routine whose saved frame pointer does not lead up the stack, then a raise: it links to
# its own frame, or to a word below it. The real link is kept at [ebp-8] and put back before
# the routine returns.
.macro misleading_link name, target
\name:
        push ebp
        mov ebp, esp
        sub esp, 12
        mov dword ptr [ebp-4], 0
        mov eax, [ebp]
        mov [ebp-8], eax
        lea eax, \target
        mov [ebp], eax
        push dword ptr [ebp+8]
        call _raiseIt
        call_site
        add esp, 4
        mov eax, [ebp-8]
        mov [ebp], eax
        leave
        ret
        .byte functionTableMarker, tableEnd
.endm
        misleading_link linkToItself, [ebp]
        misleading_link linkBelow, [ebp-12]

# int catchAround(exception): calls the routine from a site whose caller catches every
# exception; returns 1 when it catches.
.macro catch_around name, callee
        .globl \name
\name:
        catching_prologue
        push dword ptr [ebp+8]
        call \callee
        call_site
        mov eax, 0
        catching_return
\name\()_handler:
        mov eax, 1
        catching_return
        .byte functionTableMarker
        catch_entry 0, \name\()_handler
        .byte tableEnd
.endm
        catch_around _catchAroundSelfLink, linkToItself
        catch_around _catchAroundLinkBelow, linkBelow

# int siteUnitsPastItsJump(exception, object): raises from a call site whose jump passes only
# the lead. The bytes after it would read as "release the object argument" and an end unit,
# but they are code (jmp +2, then jmp +0) and no part of the table. Returns 1 when it catches.
        .globl _siteUnitsPastItsJump
_siteUnitsPastItsJump:
        catching_prologue
        push dword ptr [ebp+12]
        push dword ptr [ebp+8]
        call _raiseIt
        .byte callSiteJump, 1, callSiteLead
        .byte callSiteJump, callSiteOwnedObject, callSiteJump, 4, callSiteJump, callSiteEnd
        mov eax, 0
        catching_return
siteUnitsPastItsJump_handler:
        mov eax, 1
        catching_return
        .byte functionTableMarker
        catch_entry 0, siteUnitsPastItsJump_handler
        .byte tableEnd

# int recurse(): checks the stack on entry, counts its depth, and calls itself.
        .globl _recurse
_recurse:
        push ebp
        mov ebp, esp
        sub esp, 12
        call _RuntimeStackCheck
        call_site
        inc dword ptr [_recursionDepth]
        call _recurse
        call_site
        leave
        ret
        .byte functionTableMarker, tableEnd

# int catchStackOverflow(): recurses until the stack check raises; returns the depth reached.
        .globl _catchStackOverflow
_catchStackOverflow:
        catching_prologue
        mov dword ptr [_recursionDepth], 0
        call _recurse
        call_site
        mov eax, -1
        catching_return
catchStackOverflow_handler:
        lea esp, [ebp-24]
        push dword ptr [ebp-4]
        call _RuntimeUnlockObject
        call_site
        mov eax, [_recursionDepth]
        catching_return
        .byte functionTableMarker
        catch_entry 4, catchStackOverflow_handler
        .byte tableEnd

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
