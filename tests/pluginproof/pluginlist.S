// The image's list of plug-ins: one record, the test plug-in under the name kolactl1.dll.
    .data
    .globl _ImagePlugins
    .p2align 2
_ImagePlugins:
    .long 0
    .long 2f - 1f
1:  .long 0
    .byte 12
    .ascii "kolactl1.dll"
    .incbin PLUGIN_LIBRARY
2:
